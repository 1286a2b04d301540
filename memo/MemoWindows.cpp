// Window messages and shared blocks between memo processes. Every send to another window
// has a time-out and gives up on hung windows, so one frozen memo cannot freeze the rest.
#include "MemoWindows.h"

#include <shellapi.h>

#include <cstring>
#include <string>

#include "KVFile.h"
#include "MemoGlobals.h"
#include "SharedMemory.h"

namespace {

const char kQueryBlock[] = "KAVELO_QueryLink";
const char kNotifyBlock[] = "KAVELO_NotifyClose";
const char kTitlePrefix[] = "KVMemo - ";
const size_t kLinkSize = sizeof(LINK);

// True when the window handled the message in time.
bool SendToMemoWindow(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(hwnd, message, wParam, lParam, SMTO_ABORTIFHUNG | SMTO_NORMAL,
                             kMemoWindowTimeout, &result) != 0;
}

struct QueryState {
  const char* path;
  char* block;  // the asker's own view of the query block
  bool found;
};

BOOL CALLBACK QueryWindow(HWND hwnd, LPARAM param) {
  auto* state = reinterpret_cast<QueryState*>(param);
  if (!IsMemoWindow(hwnd)) return TRUE;
  // A window that takes the message but writes nothing must not be matched by the path
  // the window before it left in the block.
  std::memset(state->block, 0, kPathSize);
  if (!SendToMemoWindow(hwnd, WM_QUERYLINK)) return TRUE;
  CSharedMemory block;
  if (block.Open(kSharedBlockSize, kQueryBlock) < 0) return TRUE;
  const char* answer = static_cast<const char*>(block.m_pView);
  if (strnlen(answer, kPathSize) == kPathSize || std::strcmp(answer, state->path) != 0)
    return TRUE;
  state->found = true;
  SetForegroundWindow(hwnd);
  return FALSE;
}

BOOL CALLBACK NotifyWindow(HWND hwnd, LPARAM) {
  if (IsMemoWindow(hwnd)) SendToMemoWindow(hwnd, WM_NOTIFYCLOSE);
  return TRUE;
}

BOOL CALLBACK CloseWindow(HWND hwnd, LPARAM ownFrame) {
  if (hwnd != reinterpret_cast<HWND>(ownFrame) && IsMemoWindow(hwnd))
    SendToMemoWindow(hwnd, WM_CLOSE);
  return TRUE;
}

}  // namespace

bool IsMemoWindow(HWND hwnd) {
  char title[292] = "";
  GetWindowTextA(hwnd, title, sizeof title);
  return std::strncmp(title, kTitlePrefix, sizeof kTitlePrefix - 1) == 0;
}

bool ActivateWindowShowing(const char* path) {
  // Held open through the whole enumeration, so the block outlives each answer.
  CSharedMemory block;
  if (block.Open(kSharedBlockSize, kQueryBlock) < 0) return false;
  QueryState state = {path, static_cast<char*>(block.m_pView), false};
  EnumWindows(QueryWindow, reinterpret_cast<LPARAM>(&state));
  return state.found;
}

void NotifyFileSaved(KVFile* file) {
  CSharedMemory block;
  if (block.Open(kSharedBlockSize, kNotifyBlock) < 0) return;
  std::memcpy(block.m_pView, file->GetLink(), kLinkSize);
  EnumWindows(NotifyWindow, 0);
}

void CloseAllMemoWindows(HWND ownFrame) {
  EnumWindows(CloseWindow, reinterpret_cast<LPARAM>(ownFrame));
  SendMessageA(ownFrame, WM_CLOSE, 0, 0);
}

void StartNewMemo() {
  std::string program = std::string("\"") + g_szProgramDir;
  if (program.back() != '\\') program += '\\';
  program += "KVMemo.exe\"";
  ShellExecuteA(nullptr, "open", program.c_str(), "", "", SW_SHOWNORMAL);
}

void AnswerQueryLink(const char* ownPath) {
  CSharedMemory block;
  if (block.Open(kSharedBlockSize, kQueryBlock) < 0) return;
  std::memcpy(block.m_pView, ownPath, kPathSize);
}

bool ReadSavedLink(void* link) {
  CSharedMemory block;
  if (block.Open(kSharedBlockSize, kNotifyBlock) < 0) return false;
  std::memcpy(link, block.m_pView, kLinkSize);
  return true;
}
