// The base of the command, mouse and drag tests.
#include "CommandTest.h"

#include "MemoLayout.h"
#include "MouseInput.h"
#include "ProcessWindows.h"
#include "WindowQuery.h"

// Memo windows that the test's programs opened through the shell end with the test.
void CommandTest::TearDown() {
  keys_.reset();
  for (HWND window : MemoWindowsExcept(started_))
    if (DescendsFrom(ProcessOf(window), started_)) EndProcessOf(window);
  MemoTest::TearDown();
}

MemoProcess& CommandTest::OpenMemo(const std::string& path) {
  MemoProcess& memo = Launch(path);
  if (memo.WaitForWindow()) {
    started_.insert(memo.Id());
    Place(memo.Window(), kMemoPlace.left, kMemoPlace.top, kMemoPlace.right - kMemoPlace.left,
          kMemoPlace.bottom - kMemoPlace.top);
    Answers(memo.Window());
  }
  return memo;
}

MemoProcess& CommandTest::OpenWithKeys(const std::string& path) {
  MemoProcess& memo = OpenMemo(path);
  if (memo.Window()) {
    keys_.reset(new KeyboardInput(memo.Window()));
    EXPECT_TRUE(keys_->Focus()) << "the memo window did not come to the front";
  }
  return memo;
}

void CommandTest::PressAlt(WORD vk) {
  MouseInput::Key(VK_MENU, true);
  MouseInput::Key(vk, true);
  MouseInput::Key(vk, false);
  MouseInput::Key(VK_MENU, false);
}

HWND CommandTest::OpenMenu(DWORD pid, char mnemonic) {
  PressAlt(static_cast<WORD>(mnemonic));
  return WaitForPopupMenu(pid, 5000);
}

// The first Escape closes the pop-up, the second leaves the menu bar.
void CommandTest::CloseMenus(KeyboardInput& keys, DWORD pid) {
  keys.Press(VK_ESCAPE);
  keys.Press(VK_ESCAPE);
  WaitUntil([pid] { return PopupMenuOf(pid) == nullptr; });
  keys.Settle();
}

std::string CommandTest::StatusText(HWND frame) {
  HWND bar = ChildOfClass(frame, "msctls_statusbar32");
  char text[512] = "";
  DWORD_PTR length = 0;
  SendMessageTimeoutA(bar, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                      SMTO_ABORTIFHUNG, 5000, &length);
  return text;
}

bool CommandTest::ColourWithFirstBasicColour(const MemoProcess& memo, KeyboardInput& keys) {
  const int basicColours = 720;  // the colour dialog's grid of basic colours
  keys.Press('G', true);
  if (!WaitUntil([&] { return !DialogsOf(memo.Id()).empty(); })) return false;
  HWND colour = DialogsOf(memo.Id())[0];
  if (!WaitUntil([&] { return GetForegroundWindow() == colour; })) return false;
  RECT cells = {};
  GetClientRect(GetDlgItem(colour, basicColours), &cells);
  MouseInput::Click(
      ScreenPoint(GetDlgItem(colour, basicColours), {cells.right / 16, cells.bottom / 12}));
  keys.Press(VK_RETURN);
  return WaitForNoDialog(memo.Id()) && ReturnTo(keys, memo.Window());
}

bool CommandTest::ReturnTo(KeyboardInput& keys, HWND frame) {
  WaitUntil([frame] { return GetForegroundWindow() == frame; }, 5000);
  // With no window manager, Wine waits two seconds for one to withdraw a hidden window and
  // then moves the focus once more; keys sent before that can be lost.
  Sleep(2500);
  return keys.Focus();
}

// (After select all the caret is at the start already, where Ctrl+Home moves nothing and
// keeps the selection.)
void CommandTest::SelectFromStart(KeyboardInput& keys, int count) {
  keys.Press(VK_END, true);
  keys.Press(VK_HOME, true);
  for (int i = 0; i < count; ++i) keys.Press(VK_RIGHT, false, true);
}

std::string CommandTest::ShownText(KeyboardInput& keys) {
  keys.Press('A', true);
  keys.Press('B', true);
  keys.Press(VK_END, true);
  keys.Settle();
  return ClipboardText();
}

std::string CommandTest::SavedText(KeyboardInput& keys, const std::string& path) {
  keys.Press('S', true);
  keys.Settle();
  return MemoLayout(path).Text();
}

std::string CommandTest::PdfOfJob(const std::string& name) {
  char user[64] = "root";
  GetEnvironmentVariableA("USER", user, sizeof user);
  return std::string("Z:\\var\\spool\\cups-pdf\\") + user + "\\KVMemo_-_" + name + ".pdf";
}

bool CommandTest::IsWholePdf(const std::string& bytes) {
  return bytes.compare(0, 5, "%PDF-") == 0 && bytes.find("%%EOF") != std::string::npos;
}

RECT CaretRect(const MemoProcess& memo) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(memo.Window(), nullptr), &info) ||
      info.hwndCaret != memo.View())
    return RECT{};
  return info.rcCaret;
}
