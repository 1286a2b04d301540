// CWinApp: the application object: its start (InitInstance), the message loop with the
// main frame's accelerators and idle updates, the wait cursor and application commands.
#pragma once

#include <windows.h>

#include <vector>

#include "CmdTarget.h"

class CFrameWnd;

class CWinApp : public CCmdTarget {
 public:
  CWinApp();
  ~CWinApp() override;

  // false ends the process before the loop starts.
  virtual bool InitInstance() = 0;
  // The message loop; the exit code of the process.
  int Run();
  // After the loop: what InitInstance set up is taken down; the exit code.
  virtual int ExitInstance(int exitCode) { return exitCode; }
  // +1 begins, -1 ends, 0 restores the wait cursor.
  virtual void DoWaitCursor(int nCode);
  bool OnCommand(UINT id) override;
  bool OnUpdateCommand(UINT id, CCmdUI* ui) override;
  // Modeless dialogs get their keyboard navigation from the loop.
  void AddModeless(HWND dialog);
  void RemoveModeless(HWND dialog);

  HINSTANCE m_hInstance;
  const char* m_lpCmdLine;  // the command line after the program name
  CFrameWnd* m_pMainWnd;  // not owned: a frame deletes itself when its window goes
  char m_szAppName[128];  // the application title, caption of message boxes
  HCURSOR m_hcurWait;     // the cursor DoWaitCursor shows

 private:
  bool PreTranslate(MSG* msg);
  int m_nWaitCursorCount = 0;
  HCURSOR m_hcurRestore = nullptr;
  std::vector<HWND> m_modeless;
};

CWinApp* AfxGetApp();
// The application's title (string 57344).
const char* AfxGetAppName();
