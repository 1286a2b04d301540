// A message box or dialog that a memo window shows: found by its owner, read, answered.
#include "PromptBox.h"

#include <cstring>

#include "WindowQuery.h"

namespace {

std::string TextOf(HWND hwnd) {
  char text[1024] = "";
  DWORD_PTR length = 0;
  // WM_GETTEXT reaches a control of another process; the box is modal and answers.
  SendMessageTimeoutA(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                      SMTO_ABORTIFHUNG, 5000, &length);
  return text;
}

BOOL CALLBACK LongestStatic(HWND hwnd, LPARAM param) {
  char className[16] = "";
  GetClassNameA(hwnd, className, sizeof className);
  if (_stricmp(className, "Static") != 0) return TRUE;
  auto* longest = reinterpret_cast<std::string*>(param);
  std::string text = TextOf(hwnd);
  if (text.size() > longest->size()) *longest = text;
  return TRUE;
}

}  // namespace

PromptBox::PromptBox(HWND owner, DWORD timeoutMs) {
  WaitUntil([this, owner] { return (box_ = OwnedDialog(owner)) != nullptr; }, timeoutMs);
}

PromptBox PromptBox::OfProcess(DWORD pid, DWORD timeoutMs) {
  PromptBox prompt;
  WaitUntil([&] { return (prompt.box_ = DialogOfProcess(pid)) != nullptr; }, timeoutMs);
  return prompt;
}

std::string PromptBox::Caption() const { return WindowTitle(box_); }

std::string PromptBox::Text() const {
  std::string longest;
  EnumChildWindows(box_, LongestStatic, reinterpret_cast<LPARAM>(&longest));
  return longest;
}

bool PromptBox::Answer(int id) {
  HWND button = GetDlgItem(box_, id);
  PostMessageA(box_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
  HWND box = box_;
  return WaitUntil([box] { return !IsWindow(box) || !IsWindowVisible(box); });
}
