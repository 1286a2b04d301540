// One exchange with the other memo windows, bounded as a whole. The probe is WM_NULL sent
// with a callback to all windows at once; its answers arrive while this thread waits for
// sent messages, and an answer that comes after its exchange has ended is ignored.
#include "MemoExchange.h"

#include "MemoWindows.h"

namespace {

// A window that answered its probe just now gets at least this long for the real message.
const DWORD kAnsweredWindowTimeout = 200;

struct ProbeRound {
  ULONG_PTR serial;
  std::vector<HWND> answered;
};

ProbeRound* g_round = nullptr;
ULONG_PTR g_lastSerial = 0;

void CALLBACK OnProbeAnswer(HWND hwnd, UINT, ULONG_PTR serial, LRESULT) {
  if (g_round && g_round->serial == serial) g_round->answered.push_back(hwnd);
}

BOOL CALLBACK CollectMemoWindow(HWND hwnd, LPARAM param) {
  if (IsMemoWindow(hwnd)) reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
  return TRUE;
}

// Lets this thread take the messages sent to it (the probe's answers among them) until
// one arrives or the time is up.
void WaitForSentMessages(DWORD timeout) {
  MsgWaitForMultipleObjects(0, nullptr, FALSE, timeout, QS_SENDMESSAGE);
  MSG message;
  PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
}

}  // namespace

MemoExchange::MemoExchange() : deadline_(GetTickCount64() + kMemoWindowTimeout) {
  EnumWindows(CollectMemoWindow, reinterpret_cast<LPARAM>(&windows_));
}

DWORD MemoExchange::Remaining() const {
  ULONGLONG now = GetTickCount64();
  return now >= deadline_ ? 0 : static_cast<DWORD>(deadline_ - now);
}

bool MemoExchange::Send(HWND hwnd, UINT message) const {
  DWORD timeout = Remaining();
  if (timeout < kAnsweredWindowTimeout) timeout = kAnsweredWindowTimeout;
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(hwnd, message, 0, 0, SMTO_ABORTIFHUNG | SMTO_NORMAL, timeout,
                             &result) != 0;
}

void MemoExchange::ForEachAnswering(const std::function<bool(HWND)>& visit) {
  ProbeRound round = {++g_lastSerial, {}};
  ProbeRound* outer = g_round;  // a window answering this one may run an exchange of its own
  g_round = &round;
  size_t probed = 0;
  for (HWND hwnd : windows_)
    if (SendMessageCallbackA(hwnd, WM_NULL, 0, 0, OnProbeAnswer, round.serial)) ++probed;
  size_t visited = 0;
  bool going = true;
  while (going && visited < probed) {
    if (visited < round.answered.size()) {
      going = visit(round.answered[visited++]);
      continue;
    }
    DWORD left = Remaining();
    if (left == 0) break;
    WaitForSentMessages(left);
  }
  g_round = outer;
}
