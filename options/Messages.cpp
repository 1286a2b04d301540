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

int ShowMessageAbout(HWND owner, UINT stringId, const std::string& subject, UINT type) {
  std::string text = LoadText(stringId);
  size_t mark = text.find("%s");
  if (mark != std::string::npos) text.replace(mark, 2, subject);
  return MessageBoxA(owner, text.c_str(), AfxGetAppName(), type);
}

void ReportWriteFailure(HWND owner) {
  ShowMessageAbout(owner, IDS_WRITE_FAILED, Settings::Folders().file);
}
