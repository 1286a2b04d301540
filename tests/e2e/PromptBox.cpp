// A message box or dialog that a memo window shows: found by its owner, read, answered.
#include "PromptBox.h"

#include "DialogControls.h"
#include "WindowQuery.h"

namespace {

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

PromptBox::PromptBox(HWND owner, DWORD timeoutMs)
    : box_(WaitForOwnedDialog(owner, nullptr, timeoutMs)) {}

PromptBox PromptBox::OfProcess(DWORD pid, DWORD timeoutMs) {
  PromptBox prompt;
  WaitUntil(
      [&] {
        const std::vector<HWND> dialogs = DialogsOf(pid);
        prompt.box_ = dialogs.empty() ? nullptr : dialogs[0];
        return prompt.box_ != nullptr;
      },
      timeoutMs);
  return prompt;
}

std::string PromptBox::Caption() const { return WindowTitle(box_); }

std::string PromptBox::Text() const {
  std::string longest;
  EnumChildWindows(box_, LongestStatic, reinterpret_cast<LPARAM>(&longest));
  return longest;
}

bool PromptBox::Answer(int id) { return PressAndWait(box_, id); }
