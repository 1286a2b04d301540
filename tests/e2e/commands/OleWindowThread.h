// A window of the driver on a thread of its own, with OLE started and a message loop, so it
// answers the calls of another process's drag while the test thread waits and moves the mouse.
#pragma once

#include <windows.h>

#include <thread>

class OleWindowThread {
 public:
  OleWindowThread() = default;
  OleWindowThread(const OleWindowThread&) = delete;
  OleWindowThread& operator=(const OleWindowThread&) = delete;
  // Derived classes call Stop in their destructor, before their members go.
  virtual ~OleWindowThread() = default;

  // Null until the window is up; stays null if it could not be made.
  HWND Window() const { return window_; }

 protected:
  // Shows a top-most window over the screen rectangle and waits until it is ready.
  bool Start(const RECT& screen);
  void Stop();
  // Run on the window's thread.
  virtual void OnCreated(HWND) {}
  virtual void OnDestroying(HWND) {}
  virtual bool OnMessage(HWND, UINT, WPARAM, LPARAM) { return false; }

 private:
  void Run(RECT screen);
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  std::thread thread_;
  HANDLE ready_ = nullptr;
  HWND window_ = nullptr;
  DWORD threadId_ = 0;
};
