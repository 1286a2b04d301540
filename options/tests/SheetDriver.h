// SheetDriver: one KVOption.exe process started by a test, and its sheet driven the way a
// person would change it: through the controls' own messages and the notifications their
// page would get.
#pragma once

#include <windows.h>

#include <string>

// Deadlines only catch a hang; no test measures how fast anything happened.
const DWORD kWaitMs = 15000;

template <typename Condition>
bool WaitFor(Condition condition, DWORD timeoutMs = kWaitMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  while (!condition()) {
    if (GetTickCount64() >= deadline) return false;
    Sleep(20);
  }
  return true;
}

class SheetDriver {
 public:
  // Starts KVOption.exe from this program's folder.
  SheetDriver();
  SheetDriver(const SheetDriver&) = delete;
  SheetDriver& operator=(const SheetDriver&) = delete;
  // A process still running is ended, so a failed test leaves no window behind.
  ~SheetDriver();

  // The sheet of this process once it answers; null after the deadline.
  HWND WaitForSheet();
  HWND Sheet() const { return m_sheet; }
  // Waits for the process to end and gives its exit code (-1 when it did not end).
  int WaitForExit();

  void ShowPage(int index);
  HWND Page() const;
  HWND Control(int id) const { return GetDlgItem(Page(), id); }

  void SetCheck(int id, bool checked);
  bool Checked(int id) const;
  void Choose(int id, int index);
  int Chosen(int id) const;
  void Type(int id, const std::string& text);
  std::string Text(int id) const;
  bool Enabled(int id) const { return IsWindowEnabled(Control(id)) != FALSE; }
  // Posted, since the button may open a modal dialog.
  void Click(int id);
  // Sent: returns when the page has handled the button.
  void Run(int id);

  // Apply of every shown page; false when a page refused.
  bool Apply();
  // Apply, OK or Cancel without waiting for the answer (a message box may come first).
  void Press(int button);

  HANDLE Process() const { return m_process.hProcess; }

 private:
  void Notify(int id, int code);
  PROCESS_INFORMATION m_process = {};
  HWND m_sheet = nullptr;
};

// Sends and waits at most the deadline, so a test never hangs on a stuck window.
LRESULT SendTo(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
std::string WindowText(HWND window);
// A visible dialog (a message box, a dialog, a common dialog) owned by the window; the
// caption must match when one is given. Null when there is none.
HWND FindOwnedDialog(HWND owner, const char* caption = nullptr);
// The same, waiting for it; null after the deadline.
HWND WaitForOwnedDialog(HWND owner, const char* caption = nullptr);
// The text of a message box.
std::string MessageText(HWND box);
// Presses a button of a dialog and waits until the dialog is gone or hidden.
bool PressAndWait(HWND dialog, int id);
// Top-level windows titled as the options sheet.
int CountSheets();

// The folder of this program (with its backslash), where the build puts KVOption.exe and
// the plug-ins.
std::string ProgramFolder();

// The options sheet's title.
extern const char kSheetTitle[];
