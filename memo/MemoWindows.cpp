// Window messages and shared blocks between memo processes. Every exchange with the other
// windows is bounded as a whole (MemoExchange), so busy or frozen memos cannot hold it up.
#include "MemoWindows.h"

#include <shellapi.h>

#include <cstring>
#include <string>

#include "KVFile.h"
#include "KVFilePaths.h"
#include "MemoExchange.h"
#include "MemoGlobals.h"
#include "MemoTitle.h"
#include "SharedMemory.h"

namespace {

const char kQueryBlock[] = "KAVELO_QueryLink";
const char kNotifyBlock[] = "KAVELO_NotifyClose";
const size_t kLinkSize = sizeof(LINK);

// True when the window answered with a path that names the same file as path.
bool ShowsPath(const MemoExchange& exchange, HWND hwnd, char* block, const char* path) {
  // A window that takes the message but writes nothing must not be matched by the path
  // the window before it left in the block.
  std::memset(block, 0, kPathSize);
  if (!exchange.Send(hwnd, WM_QUERYLINK)) return false;
  CSharedMemory answer;
  if (answer.Open(kSharedBlockSize, kQueryBlock) < 0) return false;
  const char* answered = static_cast<const char*>(answer.m_pView);
  return strnlen(answered, kPathSize) < kPathSize && KVIsSameFile(answered, path);
}

}  // namespace

bool IsMemoWindow(HWND hwnd) {
  char title[292] = "";
  GetWindowTextA(hwnd, title, sizeof title);
  return std::strncmp(title, kMemoTitlePrefix, std::strlen(kMemoTitlePrefix)) == 0;
}

bool ActivateWindowShowing(const char* path) {
  // Held open through the whole exchange, so the block outlives each answer.
  CSharedMemory block;
  if (block.Open(kSharedBlockSize, kQueryBlock) < 0) return false;
  HWND found = nullptr;
  MemoExchange exchange;
  exchange.ForEachAnswering([&](HWND hwnd) {
    if (ShowsPath(exchange, hwnd, static_cast<char*>(block.m_pView), path)) found = hwnd;
    return found == nullptr;
  });
  if (found) SetForegroundWindow(found);
  return found != nullptr;
}

void NotifyFileSaved(KVFile* file) {
  CSharedMemory block;
  if (block.Open(kSharedBlockSize, kNotifyBlock) < 0) return;
  std::memcpy(block.m_pView, file->GetLink(), kLinkSize);
  MemoExchange exchange;
  exchange.ForEachAnswering([&](HWND hwnd) {
    exchange.Send(hwnd, WM_NOTIFYCLOSE);
    return true;
  });
}

// Each window closes with its own prompt, one after another while the exchange has time;
// the rest are asked to close without waiting for them.
void CloseAllMemoWindows(HWND ownFrame) {
  MemoExchange exchange;
  for (HWND hwnd : exchange.Windows()) {
    if (hwnd == ownFrame) continue;
    if (exchange.Remaining() > 0)
      exchange.Send(hwnd, WM_CLOSE);
    else
      PostMessageA(hwnd, WM_CLOSE, 0, 0);
  }
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
