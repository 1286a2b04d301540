// Scheduling, serialising and writing recovery copies.
#include "RecoveryCopy.h"

#include "KVFile.h"
#include "KVProfile.h"
#include "MemoGlobals.h"
#include "MemoView.h"

namespace {

const UINT_PTR kRecoveryTimerId = 0x5256;
const int kDefaultDelaySeconds = 3;

bool WriteWhole(const std::string& path, const char* data, size_t size) {
  KVFile file;
  file.Attach(path.c_str());
  return file.IsAttached() && file.WriteFile(data, static_cast<int>(size)) >= 0;
}

// A process starting up may hold the side record open for a moment while it checks it.
void DeleteWithRetries(const std::string& path) {
  for (int attempt = 0; attempt < 20; ++attempt) {
    if (DeleteFileA(path.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND) return;
    Sleep(25);
  }
}

void RemoveCopyFiles(const std::string& folder, const std::string& key) {
  DeleteWithRetries(folder + key + kRecoveryCopyExt);
  DeleteWithRetries(folder + key + kRecoverySideExt);
}

}  // namespace

RecoveryCopy& RecoveryCopy::Instance() {
  static RecoveryCopy instance;
  return instance;
}

RecoveryCopy::~RecoveryCopy() {
  // Stop has joined the thread at a normal exit; never terminate the process here.
  if (m_worker.joinable()) m_worker.detach();
}

void RecoveryCopy::Watch(CMemoView* view) {
  m_owner = CurrentRecoveryOwner();
  m_folder = RecoveryFolder();
  if (!KVGetProfileInt(kRecoveryCopies) || m_folder.empty()) return;
  int seconds = static_cast<int>(KVGetProfileInt(kRecoveryDelay));
  if (seconds < kRecoveryDelayMin || seconds > kRecoveryDelayMax) seconds = kDefaultDelaySeconds;
  m_delayMs = static_cast<UINT>(seconds) * 1000;
  m_view = view;
  m_timerWindow = view->m_hWnd;
}

void RecoveryCopy::NoteActivity() {
  if (!m_view) return;
  const DWORD now = GetTickCount();
  if (m_firstActivity == 0) m_firstActivity = now | 1;
  // Under steady typing the quiet delay never passes: the copy waits no longer than this.
  const DWORD waited = now - m_firstActivity;
  if (waited >= kLongestWaitMs) return;
  const DWORD delay = m_delayMs < kLongestWaitMs - waited ? m_delayMs : kLongestWaitMs - waited;
  SetTimer(m_timerWindow, kRecoveryTimerId, delay, &RecoveryCopy::OnTimer);
}

void CALLBACK RecoveryCopy::OnTimer(HWND hwnd, UINT, UINT_PTR id, DWORD) {
  KillTimer(hwnd, id);
  Instance().TimerFired();
}

void RecoveryCopy::TimerFired() {
  m_firstActivity = 0;
  if (!m_view || !m_view->m_doc.IsDerty()) return;
  Job job;
  if (MakeJob(&job)) Submit(std::move(job));
}

// The document's stream with the window's placement, as a save would write it.
bool RecoveryCopy::MakeJob(Job* job) const {
  KVProfileSnapshot settings;  // each link's path is put in macro form from the settings
  KVDocText& doc = m_view->m_doc;
  WINDOWPLACEMENT placement = {};
  placement.length = sizeof placement;
  GetWindowPlacement(GetParent(m_view->m_hWnd), &placement);
  const WINDOWPLACEMENT kept = doc.m_wndpl;
  doc.m_wndpl = placement;
  const int length = doc.DataLength();
  int written = 0;
  if (length > 0) {
    job->stream.resize(static_cast<size_t>(length));
    doc.GetData(job->stream.data(), length, &written);
  }
  doc.m_wndpl = kept;
  if (written <= 0) return false;
  job->stream.resize(static_cast<size_t>(written));
  RecoverySide side{g_szFilePath, m_owner, m_view->m_diskStamp};
  job->side = FormatRecoverySide(side);
  job->key = RecoveryKey(g_szFilePath, m_owner);
  return true;
}

void RecoveryCopy::Submit(Job job) {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_pending.clear();
  m_pending.push_back(std::move(job));
  if (!m_worker.joinable()) m_worker = std::thread(&RecoveryCopy::WorkerLoop, this);
  m_wake.notify_one();
}

void RecoveryCopy::WorkerLoop() {
  std::unique_lock<std::mutex> lock(m_mutex);
  for (;;) {
    m_wake.wait(lock, [this] { return m_quit || !m_pending.empty(); });
    if (m_quit) return;
    Job job = std::move(m_pending.front());
    m_pending.clear();
    m_busy = true;
    lock.unlock();
    const bool ok = WriteJob(job);
    lock.lock();
    m_busy = false;
    m_lastWriteOk = ok;
    m_idle.notify_all();
  }
}

// The side record goes first, so a copy never exists without the path it belongs to. A
// copy under an older key (the memo was renamed) is removed once the new one stands.
bool RecoveryCopy::WriteJob(const Job& job) {
  CreateDirectoryA(m_folder.c_str(), nullptr);
  std::string sideKey, writtenKey;
  {
    std::lock_guard<std::mutex> lock(m_mutex);
    sideKey = m_sideKey;
    writtenKey = m_writtenKey;
  }
  if (sideKey != job.key) {
    if (!WriteWhole(m_folder + job.key + kRecoverySideExt, job.side.data(), job.side.size()))
      return false;
    sideKey = job.key;
  }
  const bool ok = WriteWhole(m_folder + job.key + kRecoveryCopyExt, job.stream.data(),
                             job.stream.size());
  if (ok && !writtenKey.empty() && writtenKey != job.key) RemoveCopyFiles(m_folder, writtenKey);
  std::lock_guard<std::mutex> lock(m_mutex);
  m_sideKey = sideKey;
  if (ok) m_writtenKey = job.key;
  return ok;
}

bool RecoveryCopy::WriteNow() {
  if (!m_view) return false;
  Job job;
  if (!MakeJob(&job)) return false;
  Submit(std::move(job));
  std::unique_lock<std::mutex> lock(m_mutex);
  m_idle.wait(lock, [this] { return !m_busy && m_pending.empty(); });
  return m_lastWriteOk;
}

void RecoveryCopy::Adopt(const std::string& key) {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_writtenKey = key;
  m_sideKey = key;
}

void RecoveryCopy::Discard() {
  if (m_timerWindow) KillTimer(m_timerWindow, kRecoveryTimerId);
  m_firstActivity = 0;
  std::string written, side;
  {
    std::unique_lock<std::mutex> lock(m_mutex);
    m_pending.clear();
    m_idle.wait(lock, [this] { return !m_busy; });
    written.swap(m_writtenKey);
    side.swap(m_sideKey);
  }
  if (!side.empty()) RemoveCopyFiles(m_folder, side);
  if (!written.empty() && written != side) RemoveCopyFiles(m_folder, written);
}

void RecoveryCopy::Stop() {
  Discard();
  {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_quit = true;
    m_wake.notify_one();
  }
  if (m_worker.joinable()) m_worker.join();
  m_view = nullptr;
}
