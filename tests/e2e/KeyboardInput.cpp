// Typing into a memo window as a person would: real key events through SendInput to the
// foreground window, and a way to know when the window has taken them all.
#include "KeyboardInput.h"

#include <vector>

#include "Poll.h"

namespace {

// A key no memo command uses; the memo view passes it on to default processing.
const WORD kMarkerKey = VK_F24;

}  // namespace

// Attaching clears the shared key states (Wine does so), so it happens once, before any key
// is sent: attached in the middle of a Ctrl+S, the window would see a plain "s".
KeyboardInput::KeyboardInput(HWND frame)
    : frame_(frame), thread_(GetWindowThreadProcessId(frame, nullptr)) {
  attached_ = thread_ && AttachThreadInput(GetCurrentThreadId(), thread_, TRUE);
}

KeyboardInput::~KeyboardInput() {
  if (attached_) AttachThreadInput(GetCurrentThreadId(), thread_, FALSE);
}

bool KeyboardInput::Focus() {
  bool front = WaitUntil([this] {
    if (GetForegroundWindow() == frame_) return true;
    SetForegroundWindow(frame_);
    return false;
  });
  return front && Settle();  // the activation is handled before any key comes
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
bool KeyboardInput::Settle() {
  if (!attached_) return false;
  Send(kMarkerKey, 0, false);
  bool pressed = WaitUntil([] { return (GetKeyState(kMarkerKey) & 0x8000) != 0; });
  Send(kMarkerKey, 0, true);
  bool released = WaitUntil([] { return (GetKeyState(kMarkerKey) & 0x8000) == 0; });
  return pressed && released;
}
