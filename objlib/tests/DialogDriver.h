// Runs the library's modal dialogs without a person: the test's thread opens the dialog
// (through an object's DoProperty), and a second thread finds it and works its controls
// with the messages a person's input would produce. Checks run on the test's thread.
#pragma once

#include <windows.h>

#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

// Deadlines only catch a hang; no test measures how fast anything happened.
const DWORD kDialogWaitMs = 10000;

template <typename Condition>
bool WaitUntil(Condition condition, DWORD timeoutMs = kDialogWaitMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  while (!condition()) {
    if (GetTickCount64() >= deadline) return false;
    Sleep(10);
  }
  return true;
}

struct DialogSearch {
  DWORD threadId;
  HWND owner;  // null: any dialog of the thread
  HWND found;
};

inline BOOL CALLBACK MatchDialog(HWND hwnd, LPARAM lParam) {
  auto* search = reinterpret_cast<DialogSearch*>(lParam);
  char name[16] = "";
  GetClassNameA(hwnd, name, sizeof name);
  if (std::string(name) != "#32770" || !IsWindowVisible(hwnd)) return TRUE;
  if (search->owner && GetWindow(hwnd, GW_OWNER) != search->owner) return TRUE;
  search->found = hwnd;
  return FALSE;
}

// A visible dialog of the thread, owned by owner when one is given; null after the deadline.
inline HWND WaitForDialog(DWORD threadId, HWND owner = nullptr) {
  DialogSearch search = {threadId, owner, nullptr};
  WaitUntil([&] {
    EnumThreadWindows(threadId, MatchDialog, reinterpret_cast<LPARAM>(&search));
    return search.found != nullptr;
  });
  return search.found;
}

inline std::string TextOf(HWND control) {
  std::vector<char> text(GetWindowTextLengthA(control) + 1, '\0');
  int length = GetWindowTextA(control, text.data(), static_cast<int>(text.size()));
  return std::string(text.data(), length > 0 ? length : 0);
}
inline std::string ItemText(HWND dialog, int id) { return TextOf(GetDlgItem(dialog, id)); }
// The platform's message box shows its text in the static control 0xFFFF.
inline std::string MessageText(HWND box) { return ItemText(box, 0xFFFF); }

// Typed or pasted over the whole text: the edit tells the dialog it changed.
inline void Type(HWND dialog, int id, const std::string& text) {
  HWND edit = GetDlgItem(dialog, id);
  SendMessageA(edit, EM_SETSEL, 0, -1);
  SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}
inline bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
inline void SetChecked(HWND dialog, int id, bool checked) {
  SendDlgItemMessageA(dialog, id, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}
inline bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }
inline int Chosen(HWND dialog, int id) {
  return static_cast<int>(SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0));
}
inline int ChoiceCount(HWND dialog, int id) {
  return static_cast<int>(SendDlgItemMessageA(dialog, id, CB_GETCOUNT, 0, 0));
}
inline void Choose(HWND dialog, int id, int index) {
  HWND list = GetDlgItem(dialog, id);
  SendMessageA(list, CB_SETCURSEL, index, 0);
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}
// Posted: the button may open another modal dialog.
inline void Press(HWND dialog, int id) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}
inline bool PressAndWait(HWND dialog, int id) {
  Press(dialog, id);
  return WaitUntil([dialog] { return !IsWindow(dialog); });
}

// Leaves a filled-in dialog on screen for KV_DIALOG_PAUSE_MS milliseconds, so a person (or
// a screenshot) can see it; tests never set it.
inline void PauseForOnlookers() {
  if (const char* ms = std::getenv("KV_DIALOG_PAUSE_MS")) Sleep(static_cast<DWORD>(std::atoi(ms)));
}

// Runs open() on this thread while drive(dialog) works the dialog from a second thread.
// A dialog the drive leaves open is cancelled, so a failing test cannot hang.
template <typename Open, typename Drive>
int RunDialog(Open open, Drive drive) {
  const DWORD me = GetCurrentThreadId();
  std::thread helper([me, &drive] {
    HWND dialog = WaitForDialog(me);
    if (!dialog) return;
    drive(dialog);
    if (!WaitUntil([dialog] { return !IsWindow(dialog); }, 3000)) {
      if (HWND box = WaitForDialog(me, dialog)) PressAndWait(box, IDCANCEL);
      PressAndWait(dialog, IDCANCEL);
    }
  });
  int result = open();
  helper.join();
  return result;
}
