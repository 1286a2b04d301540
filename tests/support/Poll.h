// Waiting on another process: a condition is polled until it holds or a deadline passes.
#pragma once

#include <windows.h>

// Deadlines only catch a hang; no test measures how fast anything happened.
const DWORD kWaitMs = 15000;

template <typename Condition>
bool WaitUntil(Condition condition, DWORD timeoutMs = kWaitMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    if (condition()) return true;
    if (GetTickCount64() >= deadline) return false;
    Sleep(20);
  }
}
