// CMemoApp: the memo editor's application object and its start sequence.
#pragma once

#include <string>

#include "WinApp.h"

class CMemoApp : public CWinApp {
 public:
  bool InitInstance() override;
  int ExitInstance(int exitCode) override;
  bool OnCommand(UINT id) override;
  bool OnUpdateCommand(UINT id, CCmdUI* ui) override;

 private:
  void ComputeFolders();
  void TakeStartupPath(const std::string& token);
  void OnAppAbout();
  static const CommandEntry<CMemoApp> kCommands[];
};
