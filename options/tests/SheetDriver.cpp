// Starting KVOption.exe and driving its sheet from another process.
#include "SheetDriver.h"

#include <commctrl.h>

#include <cstring>

const char kSheetTitle[] = "ＫＶＭｅｍｏのオプション設定";

std::string ProgramFolder() {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string self = path;
  return self.substr(0, self.find_last_of('\\') + 1);
}

namespace {

struct DialogSearch {
  HWND owner;
  const char* caption;
  HWND found;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<DialogSearch*>(param);
  char className[16] = "";
  GetClassNameA(window, className, sizeof className);
  if (std::strcmp(className, "#32770") != 0 || !IsWindowVisible(window) ||
      GetWindow(window, GW_OWNER) != search->owner)
    return TRUE;
  if (search->caption && WindowText(window) != search->caption) return TRUE;
  search->found = window;
  return FALSE;
}

BOOL CALLBACK CountSheet(HWND window, LPARAM param) {
  if (WindowText(window) == kSheetTitle) ++*reinterpret_cast<int*>(param);
  return TRUE;
}

}  // namespace

LRESULT SendTo(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, kWaitMs, &result);
  return static_cast<LRESULT>(result);
}

std::string WindowText(HWND window) {
  char text[1024] = "";
  SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_NORMAL,
                      kWaitMs, nullptr);
  return text;
}

HWND FindOwnedDialog(HWND owner, const char* caption) {
  DialogSearch search = {owner, caption, nullptr};
  EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitForOwnedDialog(HWND owner, const char* caption) {
  HWND found = nullptr;
  WaitFor([&] { return (found = FindOwnedDialog(owner, caption)) != nullptr; });
  return found;
}

// The platform's message box shows its text in the static control 0xFFFF.
std::string MessageText(HWND box) { return WindowText(GetDlgItem(box, 0xFFFF)); }

bool PressAndWait(HWND dialog, int id) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
  return WaitFor([dialog] { return !IsWindow(dialog) || !IsWindowVisible(dialog); });
}

int CountSheets() {
  int count = 0;
  EnumWindows(CountSheet, reinterpret_cast<LPARAM>(&count));
  return count;
}

SheetDriver::SheetDriver() {
  std::string program = ProgramFolder() + "KVOption.exe";
  std::string commandLine = "\"" + program + "\"";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  if (!CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &m_process))
    m_process = {};
}

SheetDriver::~SheetDriver() {
  if (!m_process.hProcess) return;
  if (WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(m_process.hProcess, 1);
    WaitForSingleObject(m_process.hProcess, kWaitMs);
  }
  CloseHandle(m_process.hThread);
  CloseHandle(m_process.hProcess);
}

HWND SheetDriver::WaitForSheet() {
  if (!m_process.hProcess) return nullptr;
  WaitFor([this] {
    HWND found = FindWindowA(nullptr, kSheetTitle);
    DWORD pid = 0;
    GetWindowThreadProcessId(found, &pid);
    if (found && pid == m_process.dwProcessId && IsWindowVisible(found)) m_sheet = found;
    return m_sheet != nullptr;
  });
  return m_sheet;
}

int SheetDriver::WaitForExit() {
  if (!m_process.hProcess || WaitForSingleObject(m_process.hProcess, kWaitMs) != WAIT_OBJECT_0)
    return -1;
  DWORD code = 0;
  GetExitCodeProcess(m_process.hProcess, &code);
  return static_cast<int>(code);
}

void SheetDriver::ShowPage(int index) { SendTo(m_sheet, PSM_SETCURSEL, index, 0); }

HWND SheetDriver::Page() const {
  return reinterpret_cast<HWND>(SendTo(m_sheet, PSM_GETCURRENTPAGEHWND));
}

void SheetDriver::Notify(int id, int code) {
  SendTo(Page(), WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(Control(id)));
}

void SheetDriver::SetCheck(int id, bool checked) {
  SendTo(Control(id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED);
  Notify(id, BN_CLICKED);
}

bool SheetDriver::Checked(int id) const { return SendTo(Control(id), BM_GETCHECK) == BST_CHECKED; }

void SheetDriver::Choose(int id, int index) {
  SendTo(Control(id), CB_SETCURSEL, index);
  Notify(id, CBN_SELCHANGE);
}

int SheetDriver::Chosen(int id) const {
  return static_cast<int>(SendTo(Control(id), CB_GETCURSEL));
}

void SheetDriver::Type(int id, const std::string& text) {
  SendTo(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  Notify(id, EN_CHANGE);
}

std::string SheetDriver::Text(int id) const { return WindowText(Control(id)); }

void SheetDriver::Click(int id) {
  PostMessageA(Page(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(Control(id)));
}

void SheetDriver::Run(int id) { Notify(id, BN_CLICKED); }

bool SheetDriver::Apply() { return SendTo(m_sheet, PSM_APPLY) != 0; }

void SheetDriver::Press(int button) { PostMessageA(m_sheet, PSM_PRESSBUTTON, button, 0); }
