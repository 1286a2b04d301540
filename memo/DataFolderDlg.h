// CDataFolderDlg: lets the user pick the data folder a new memo is filed in.
#pragma once

#include <string>
#include <vector>

#include "Dialog.h"
#include "MemoGlobals.h"

class CDataFolderDlg : public CDialog {
 public:
  CDataFolderDlg();

  char m_szPath[kPathSize];  // the chosen folder, read after OK

 protected:
  BOOL OnInitDialog() override;
  bool OnCommand(int id, int code) override;

 private:
  void OnSelChange();
};

// The path of a data folder by name: "USER" (any case) is the per-user folder, any other
// name is looked up in the settings' "DataFolder" section ("" when missing).
void DataFolderPath(const char* name, char path[kPathSize]);
// The path of the data folder the settings name as the default.
void DefaultDataFolderPath(char path[kPathSize]);
// The names the dialog offers: "USER", then every name of the settings' folder list.
std::vector<std::string> DataFolderNames();
