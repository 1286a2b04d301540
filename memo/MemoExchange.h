// One exchange with the other memo windows, bounded as a whole: every window is asked at
// once whether it takes messages, and only those that answer within the exchange's time
// are sent the real message, so busy windows cost that time once, not once each.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

class MemoExchange {
 public:
  // The memo windows at this moment, in the system's order.
  MemoExchange();

  // Calls visit for each window that answers in time, in the order they answer, until
  // visit returns false or every window has been visited or the time is up.
  void ForEachAnswering(const std::function<bool(HWND)>& visit);
  // Sends a message within the time that is left; false when it was not answered.
  bool Send(HWND hwnd, UINT message) const;
  const std::vector<HWND>& Windows() const { return windows_; }
  DWORD Remaining() const;

 private:
  std::vector<HWND> windows_;
  ULONGLONG deadline_;
};
