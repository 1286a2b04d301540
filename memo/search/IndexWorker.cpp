// The worker thread: started with the first job, it waits for jobs until the process ends.
#include "IndexWorker.h"

#include <objbase.h>

#include <chrono>

IndexWorker& IndexWorker::Instance() {
  // Never destroyed: the thread may still wait on it while the process ends.
  static IndexWorker* worker = new IndexWorker;
  return *worker;
}

void IndexWorker::Post(std::function<void()> job) {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_jobs.push_back(std::move(job));
  if (!m_started) {
    m_started = true;
    std::thread([this] { Run(); }).detach();
  }
  m_wake.notify_one();
}

void IndexWorker::Finish(unsigned timeoutMs) {
  std::unique_lock<std::mutex> lock(m_mutex);
  m_idle.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                  [this] { return m_jobs.empty() && !m_busy; });
}

void IndexWorker::Run() {
  // Memos with pictures opened in place load them through COM.
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  for (;;) {
    std::function<void()> job;
    {
      std::unique_lock<std::mutex> lock(m_mutex);
      m_busy = false;
      m_idle.notify_all();
      m_wake.wait(lock, [this] { return !m_jobs.empty(); });
      job = std::move(m_jobs.front());
      m_jobs.pop_front();
      m_busy = true;
    }
    try {
      job();
    } catch (...) {
      // A job that failed (out of memory) has lost its work; the thread goes on.
    }
  }
}
