// The windows a memo process shows besides its frame: dialogs and message boxes whatever
// their owner, pop-up menus, and memo windows of processes the test did not start itself.
#include "ProcessWindows.h"

#include <tlhelp32.h>

#include <cstring>
#include <map>

#include "WindowQuery.h"

namespace {

struct ClassSearch {
  DWORD pid;
  const char* className;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectOfClass(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<ClassSearch*>(param);
  char className[16] = "";
  GetClassNameA(hwnd, className, sizeof className);
  if (std::strcmp(className, search->className) == 0 && IsWindowVisible(hwnd) &&
      ProcessOf(hwnd) == search->pid)
    search->found.push_back(hwnd);
  return TRUE;
}

std::vector<HWND> WindowsOfClass(DWORD pid, const char* className) {
  ClassSearch search{pid, className, {}};
  EnumWindows(CollectOfClass, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string TextOf(HWND control) {
  char text[1024] = "";
  DWORD_PTR length = 0;
  SendMessageTimeoutA(control, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                      SMTO_ABORTIFHUNG, 5000, &length);
  return text;
}

BOOL CALLBACK JoinStatics(HWND hwnd, LPARAM param) {
  char className[16] = "";
  GetClassNameA(hwnd, className, sizeof className);
  if (_stricmp(className, "Static") != 0) return TRUE;
  std::string text = TextOf(hwnd);
  // An icon's static holds its resource ordinal (0xFF and the number), no text.
  if (text.empty() || text[0] == '\xFF') return TRUE;
  auto* joined = reinterpret_cast<std::string*>(param);
  if (!joined->empty()) *joined += "|";
  *joined += text;
  return TRUE;
}

}  // namespace

std::vector<HWND> DialogsOf(DWORD pid) { return WindowsOfClass(pid, "#32770"); }

HWND WaitForDialog(DWORD pid, const std::string& caption, DWORD timeoutMs) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        for (HWND dialog : DialogsOf(pid))
          if (WindowTitle(dialog) == caption) found = dialog;
        return found != nullptr;
      },
      timeoutMs);
  return found;
}

bool WaitForNoDialog(DWORD pid, DWORD timeoutMs) {
  return WaitUntil([pid] { return DialogsOf(pid).empty(); }, timeoutMs);
}

std::string DialogText(HWND dialog) {
  std::string joined;
  EnumChildWindows(dialog, JoinStatics, reinterpret_cast<LPARAM>(&joined));
  return joined;
}

std::string ControlText(HWND dialog, int id) { return TextOf(GetDlgItem(dialog, id)); }

void PressButton(HWND dialog, int id) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void SetControlText(HWND dialog, int id, const std::string& sjisText) {
  DWORD_PTR result = 0;
  SendMessageTimeoutA(GetDlgItem(dialog, id), WM_SETTEXT, 0,
                      reinterpret_cast<LPARAM>(sjisText.c_str()), SMTO_ABORTIFHUNG, 5000, &result);
}

void AnswerFileDialog(HWND dialog, const std::string& path) {
  // The name box: an edit (edt1) in one layout of the dialog, a combo box (cmb13) in another.
  const int nameBox = GetDlgItem(dialog, 1148) ? 1148 : 1152;
  SetControlText(dialog, nameBox, path);
  PressButton(dialog, IDOK);
}

HWND PopupMenuOf(DWORD pid) {
  std::vector<HWND> menus = WindowsOfClass(pid, "#32768");
  return menus.empty() ? nullptr : menus.front();
}

HWND WaitForPopupMenu(DWORD pid, DWORD timeoutMs) {
  HWND menu = nullptr;
  WaitUntil([&] { return (menu = PopupMenuOf(pid)) != nullptr; }, timeoutMs);
  return menu;
}

std::vector<HWND> MemoWindowsExcept(const std::set<DWORD>& known) {
  std::vector<HWND> others;
  for (HWND window : MemoWindows())
    if (!known.count(ProcessOf(window))) others.push_back(window);
  return others;
}

HWND WaitForOtherMemoWindow(const std::set<DWORD>& known, DWORD timeoutMs) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        std::vector<HWND> others = MemoWindowsExcept(known);
        if (!others.empty() && Answers(others[0])) found = others[0];
        return found != nullptr;
      },
      timeoutMs);
  return found;
}

void EndProcessOf(HWND window) {
  HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, ProcessOf(window));
  if (!process) return;
  TerminateProcess(process, 1);
  WaitForSingleObject(process, 5000);
  CloseHandle(process);
}

bool DescendsFrom(DWORD pid, const std::set<DWORD>& ancestors) {
  std::map<DWORD, DWORD> parents;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return false;
  PROCESSENTRY32 entry = {};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
    parents[entry.th32ProcessID] = entry.th32ParentProcessID;
  CloseHandle(snapshot);
  for (int depth = 0; depth < 8 && parents.count(pid); ++depth) {
    pid = parents[pid];
    if (ancestors.count(pid)) return true;
  }
  return false;
}

bool ChooseComboItem(HWND dialog, int id, const char* text) {
  HWND box = GetDlgItem(dialog, id);
  LRESULT index = SendMessageA(box, CB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>(text));
  if (index == CB_ERR) return false;
  SendMessageA(box, CB_SETCURSEL, index, 0);
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(box));
  return true;
}
