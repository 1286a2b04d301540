// Typing into a memo window as a person would: real key events through SendInput to the
// foreground window, and a way to know when the window has taken them all.
#include "KeyboardInput.h"

#include <vector>

#include "Poll.h"
#include "WindowQuery.h"

namespace {

// A key no memo command uses; the memo view passes it on to default processing.
const WORD kMarkerKey = VK_F24;
const DWORD kRetryMs = 2000;
const DWORD kMarkerRetryMs = 3000;

}  // namespace

KeyboardInput::KeyboardInput(HWND frame)
    : frame_(frame), thread_(GetWindowThreadProcessId(frame, nullptr)) {}

KeyboardInput::~KeyboardInput() {
  if (attached_) AttachThreadInput(GetCurrentThreadId(), thread_, FALSE);
}

// Attaching to the frame's thread happens once the frame is in front, its thread has a
// focus window of its own and is idle: attached earlier, the shared input could take over a
// focus window of another thread. Attaching also clears the key states (Wine does so), so
// it must not happen while keys are on their way, as within a Ctrl+S. Now and then Wine
// still routes no key to a freshly attached thread; attaching again cures it.
bool KeyboardInput::Focus() {
  for (int attempt = 0; attempt < 5; ++attempt) {
    if (!WaitUntil([this] { return InFront(); })) return false;
    if (!attached_) attached_ = AttachThreadInput(GetCurrentThreadId(), thread_, TRUE);
    if (Settle(kRetryMs)) return true;  // the activation is handled before any key comes
    AttachThreadInput(GetCurrentThreadId(), thread_, FALSE);
    attached_ = false;
  }
  return false;
}

bool KeyboardInput::InFront() const {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  if (GetForegroundWindow() == frame_ && GetGUIThreadInfo(thread_, &info) && info.hwndFocus &&
      (info.hwndFocus == frame_ || IsChild(frame_, info.hwndFocus)) && Answers(frame_))
    return true;
  SetForegroundWindow(frame_);
  return false;
}

void KeyboardInput::Send(WORD vk, WORD unicode, bool up) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.wScan = unicode;
  input.ki.dwFlags = (unicode ? KEYEVENTF_UNICODE : 0) | (up ? KEYEVENTF_KEYUP : 0);
  SendInput(1, &input, sizeof input);
}

void KeyboardInput::Press(WORD vk, bool ctrl, bool shift) {
  if (ctrl) Send(VK_CONTROL, 0, false);
  if (shift) Send(VK_SHIFT, 0, false);
  Send(vk, 0, false);
  Send(vk, 0, true);
  if (shift) Send(VK_SHIFT, 0, true);
  if (ctrl) Send(VK_CONTROL, 0, true);
}

void KeyboardInput::Type(const std::string& sjisText) {
  int length = MultiByteToWideChar(932, 0, sjisText.data(), static_cast<int>(sjisText.size()),
                                   nullptr, 0);
  std::vector<wchar_t> wide(length);
  MultiByteToWideChar(932, 0, sjisText.data(), static_cast<int>(sjisText.size()), wide.data(),
                      length);
  for (wchar_t c : wide) {
    SHORT key = c == L'\n' ? VK_RETURN : (c < 0x80 ? VkKeyScanA(static_cast<char>(c)) : -1);
    // Characters that need Shift come as Unicode key events too: Wine resynchronises the
    // modifier keys with the X server when a window gains the focus, and could drop a Shift.
    if (key == -1 || (key & 0x700)) {
      Send(0, static_cast<WORD>(c), false);
      Send(0, static_cast<WORD>(c), true);
    } else {
      Press(LOBYTE(key));
    }
  }
}

// A thread's key states change as it takes each key message from its queue, in order and
// after handling everything before it. Attached to the frame's thread we read those states:
// once an unused key shows pressed, every earlier key and posted message has been handled.
// (Its toggle bit would do with one message, but Wine stops updating it after a re-attach.)
// Now and then Wine leaves the state of a taken marker unchanged; another marker behind it
// still proves the same, so one more is sent each time a wait runs out.
bool KeyboardInput::Settle(DWORD timeoutMs) {
  if (!attached_) return false;
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  bool pressed = false;
  while (!pressed && GetTickCount64() < deadline) {
    Send(kMarkerKey, 0, false);
    pressed = WaitUntil([] { return (GetKeyState(kMarkerKey) & 0x8000) != 0; },
                        timeoutMs < kMarkerRetryMs ? timeoutMs : kMarkerRetryMs);
  }
  Send(kMarkerKey, 0, true);
  bool released = WaitUntil([] { return (GetKeyState(kMarkerKey) & 0x8000) == 0; }, timeoutMs);
  return pressed && released;
}

bool TypeInto(HWND frame, const std::string& sjisText) {
  KeyboardInput keys(frame);
  if (!keys.Focus()) return false;
  keys.Type(sjisText);
  return keys.Settle();
}
