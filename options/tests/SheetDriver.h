// SheetDriver: one KVOption.exe process started by a test, and its sheet driven the way a
// person would change it: through the controls' own messages and the notifications their
// page would get.
#pragma once

#include <windows.h>

#include <string>

#include "ChildProcess.h"
#include "DialogControls.h"
#include "WindowQuery.h"

class SheetDriver {
 public:
  // Starts KVOption.exe from this program's folder.
  SheetDriver();

  // The sheet of this process once it answers; null after the deadline.
  HWND WaitForSheet();
  HWND Sheet() const { return m_sheet; }
  // Waits for the process to end and gives its exit code (-1 when it did not end).
  int WaitForExit() { return m_process.WaitForExit(); }

  void ShowPage(int index);
  HWND Page() const;
  HWND Control(int id) const { return GetDlgItem(Page(), id); }

  void SetCheck(int id, bool checked);
  bool Checked(int id) const { return ::Checked(Page(), id); }
  void Choose(int id, int index) { ::Choose(Page(), id, index); }
  int Chosen(int id) const { return ::Chosen(Page(), id); }
  void Type(int id, const std::string& text);
  std::string Text(int id) const { return ControlText(Page(), id); }
  bool Enabled(int id) const { return ::Enabled(Page(), id); }
  // Posted, since the button may open a modal dialog.
  void Click(int id) { PressButton(Page(), id); }
  // Sent: returns when the page has handled the button.
  void Run(int id) { Notify(Page(), id, BN_CLICKED); }

  // Apply of every shown page; false when a page refused.
  bool Apply();
  // Apply, OK or Cancel without waiting for the answer (a message box may come first).
  void Press(int button);

  HANDLE Process() const { return m_process.Handle(); }

 private:
  ChildProcess m_process;
  HWND m_sheet = nullptr;
};

// Top-level windows titled as the options sheet.
int CountSheets();

// The options sheet's title.
extern const char kSheetTitle[];
