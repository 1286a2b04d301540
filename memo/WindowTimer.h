// WindowTimer: one timer of a window, killed when stopped or when its owner goes.
#pragma once

#include <windows.h>

class WindowTimer {
 public:
  explicit WindowTimer(UINT_PTR id) : m_id(id) {}
  ~WindowTimer() { Stop(); }
  WindowTimer(const WindowTimer&) = delete;
  WindowTimer& operator=(const WindowTimer&) = delete;

  // Starting a running timer starts its period again.
  void Start(HWND hwnd, UINT period) {
    m_hwnd = hwnd;
    m_running = SetTimer(hwnd, m_id, period, nullptr) != 0;
  }
  void Stop() {
    if (m_running) KillTimer(m_hwnd, m_id);
    m_running = false;
  }
  UINT_PTR Id() const { return m_id; }

 private:
  const UINT_PTR m_id;
  HWND m_hwnd = nullptr;
  bool m_running = false;
};
