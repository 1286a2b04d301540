// IndexWorker: the one thread of a memo process that reads memos for the index and runs
// searches, so typing never waits for either. Jobs run one after another, in order.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

class IndexWorker {
 public:
  static IndexWorker& Instance();
  void Post(std::function<void()> job);
  // Before the process ends: waits at most timeoutMs for the jobs left (a save's update of
  // the index, say), then lets the thread go.
  void Finish(unsigned timeoutMs);

 private:
  IndexWorker() = default;
  void Run();

  std::mutex m_mutex;
  std::condition_variable m_wake;
  std::condition_variable m_idle;
  std::deque<std::function<void()>> m_jobs;
  bool m_busy = false;
  bool m_started = false;
};
