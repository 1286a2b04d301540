// Messages about a file that could not be found, read or written: the program's own first
// line, the file, and the reason (the system's words for a system error).
#include "FileMessages.h"

#include "Dialog.h"
#include "resource.h"

std::string SystemReason(DWORD error) {
  if (error == 0) return std::string();
  char text[1024] = "";
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                nullptr, error, 0, text, sizeof text, nullptr);
  std::string reason(text, length);
  while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r' || reason.back() == ' '))
    reason.pop_back();
  return reason;
}

std::string FileMessageText(UINT firstLineId, const char* path, const std::string& reason) {
  return LoadText(firstLineId) + "\n" + path + "\n" + reason;
}

void ShowFileError(UINT firstLineId, const char* path, const std::string& reason) {
  AfxMessageBox(FileMessageText(firstLineId, path, reason).c_str(), MB_ICONHAND);
}

void ShowFileSystemError(UINT firstLineId, const char* path, DWORD error) {
  std::string reason = SystemReason(error);
  ShowFileError(firstLineId, path, reason.empty() ? LoadText(IDS_REASON_UNKNOWN) : reason);
}
