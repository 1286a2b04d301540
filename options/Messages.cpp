// Message boxes from the string table, captioned with the application title.
#include "Messages.h"

#include <string>

#include "Settings.h"
#include "WinApp.h"
#include "resource.h"

namespace {

std::string LoadText(UINT stringId) {
  char text[1024] = "";
  LoadStringA(GetModuleHandleA(nullptr), stringId, text, sizeof text);
  return text;
}

}  // namespace

int ShowMessage(HWND owner, UINT stringId, UINT type) {
  return MessageBoxA(owner, LoadText(stringId).c_str(), AfxGetAppName(), type);
}

void ReportWriteFailure(HWND owner) {
  std::string text = LoadText(IDS_WRITE_FAILED);
  size_t mark = text.find("%s");
  if (mark != std::string::npos) text.replace(mark, 2, Settings::Folders().file);
  MessageBoxA(owner, text.c_str(), AfxGetAppName(), MB_OK | MB_ICONEXCLAMATION);
}
