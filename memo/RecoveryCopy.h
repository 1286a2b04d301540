// RecoveryCopy: writes the memo's unsaved state to a recovery copy a few seconds after the
// last edit, off the window's thread, and removes it when the memo is saved or closed.
#pragma once

#include <windows.h>

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "RecoveryNames.h"

class CMemoView;

class RecoveryCopy {
 public:
  // The one of this process: a process has one memo window.
  static RecoveryCopy& Instance();
  RecoveryCopy(const RecoveryCopy&) = delete;
  RecoveryCopy& operator=(const RecoveryCopy&) = delete;
  ~RecoveryCopy();

  // Watches the view's document from now on, unless the settings turn copies off.
  void Watch(CMemoView* view);
  // Something that may change the document happened: a copy follows once the delay passes
  // without another, and at the latest kLongestWaitMs after the first one not yet copied.
  void NoteActivity();
  // Writes a copy of the document now and waits for it; false when it was not written.
  bool WriteNow();
  // The memo was saved or closed without saving: its copy goes, pending writes are dropped.
  void Discard();
  // Takes over a restored copy this window could not replace by its own: it goes as this
  // window's copy would.
  void Adopt(const std::string& key);
  // At exit: Discard, then the writing thread ends.
  void Stop();
  const RecoveryOwner& Owner() const { return m_owner; }

  static const DWORD kLongestWaitMs = 30000;

 private:
  // A copy to write: the memo stream as a save writes it and the side record.
  struct Job {
    std::string key;
    std::string side;
    std::vector<char> stream;
  };

  RecoveryCopy() = default;
  static void CALLBACK OnTimer(HWND hwnd, UINT message, UINT_PTR id, DWORD time);
  void TimerFired();
  bool MakeJob(Job* job) const;
  void Submit(Job job);
  void WorkerLoop();
  bool WriteJob(const Job& job);

  CMemoView* m_view = nullptr;
  HWND m_timerWindow = nullptr;
  UINT m_delayMs = 3000;
  DWORD m_firstActivity = 0;  // tick of the first activity not yet copied; 0: none
  RecoveryOwner m_owner;
  std::string m_folder;

  // Shared with the writing thread.
  std::mutex m_mutex;
  std::condition_variable m_wake;
  std::condition_variable m_idle;
  std::vector<Job> m_pending;  // at most one: a newer copy replaces an unwritten one
  bool m_busy = false;
  bool m_quit = false;
  bool m_lastWriteOk = false;
  std::string m_writtenKey;  // the copy on disk, "" for none
  std::string m_sideKey;     // the key whose side record is on disk
  std::thread m_worker;
};
