// Offering recovery copies at start: claim, check, ask, then restore here, in a new
// process, or not at all.
#include "RecoveryOffer.h"

#include <string>

#include "FileMessages.h"
#include "KVFile.h"
#include "KVFilePaths.h"
#include "MainFrame.h"
#include "MemoGlobals.h"
#include "RecoveryClaim.h"
#include "RecoveryCopy.h"
#include "RecoveryDlg.h"
#include "resource.h"

namespace {

// Set in the environment of a process started to restore one copy: that copy's key.
const char kRestoreVariable[] = "KVMEMO_RECOVER";

// The key a parent process handed over, taken out of the environment so that this
// process's own children do not inherit it.
std::string TakeRestoreRequest() {
  char key[128] = "";
  DWORD length = GetEnvironmentVariableA(kRestoreVariable, key, sizeof key);
  SetEnvironmentVariableA(kRestoreVariable, nullptr);
  return length > 0 && length < sizeof key ? key : "";
}

// Reads the copy the way a memo file is read; false when it is not a whole memo stream.
bool LoadCopy(const ClaimedCopy& copy, KVDocText* doc) {
  KVFile file;
  if (file.Attach(copy.CopyPath().c_str()) < 0) return false;
  KVLoadReport report;
  int result = doc->LoadReporting(&file, &report);
  return result >= 0 && report.docHead && report.unread == 0;
}

void ReportDamaged(ClaimedCopy& copy) {
  const std::string path = copy.CopyPath();
  copy.SetAside();
  ShowFileError(IDS_RECOVERY_DAMAGED, path.c_str(), LoadText(IDS_REASON_DAMAGED));
}

// Puts the copy into this window as the memo it belongs to, changed and not saved, then
// makes it this window's own copy.
bool RestoreHere(CMainFrame* frame, ClaimedCopy& copy) {
  CMemoView& view = frame->m_wndView;
  view.m_doc.Clear();
  if (!LoadCopy(copy, &view.m_doc)) {
    // The window shows its own file again: left empty, a save would write nothing over it.
    view.m_doc.Clear();
    if (g_szFilePath[0]) view.LoadStartupFile(frame->m_hWnd);
    else view.Refresh();
    ReportDamaged(copy);
    return false;
  }
  lstrcpynA(g_szFilePath, copy.Side().memoPath.c_str(), kPathSize);
  lstrcpynA(view.m_doc.m_szPath, g_szFilePath, MAX_PATH);  // links know the memo above them
  lstrcpynA(g_szDocName, view.m_doc.m_strDocName.c_str(), sizeof g_szDocName);
  // A save asks first when the file changed after the lost window read it.
  view.m_diskStamp = copy.Side().diskStamp;
  view.m_doc.m_bDerty = true;
  CRect client = view.ClientRect();
  view.m_doc.SetSize(CSize(client.Width() - CMemoView::kLeftMargin, client.Height()));
  view.Refresh();
  frame->UpdateTitle();
  // The old copy goes only once this window's own stands; until then this window owns it.
  RecoveryCopy& ownCopy = RecoveryCopy::Instance();
  if (ownCopy.WriteNow()) {
    copy.Delete();
  } else if (copy.SetOwner(ownCopy.Owner())) {
    copy.Release();
    ownCopy.Adopt(copy.Key());
  }
  return true;
}

// Starts a memo process for the copy and makes it the owner before it runs, so no other
// process can take the copy in between.
bool RestoreInNewWindow(ClaimedCopy& copy) {
  char program[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, program, sizeof program);
  std::string command = std::string("\"") + program + "\"";
  SetEnvironmentVariableA(kRestoreVariable, copy.Key().c_str());
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started = {};
  BOOL made = CreateProcessA(program, &command[0], nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                             nullptr, nullptr, &startup, &started);
  SetEnvironmentVariableA(kRestoreVariable, nullptr);
  if (!made) return false;
  ScopedHandle process(started.hProcess), thread(started.hThread);
  if (!copy.SetOwner(OwnerOf(process.Get(), started.dwProcessId))) {
    TerminateProcess(process.Get(), 1);
    return false;
  }
  copy.Release();
  ResumeThread(thread.Get());
  return true;
}

class RecoveryOffer {
 public:
  RecoveryOffer(CMainFrame* frame, bool startedEmpty)
      : m_frame(frame), m_windowFree(startedEmpty), m_folder(RecoveryFolder()) {}

  void OfferAll() {
    if (m_folder.empty()) return;
    for (const std::string& key : ListRecoveryKeys(m_folder)) {
      ClaimedCopy copy(m_folder, key);
      if (Check(copy)) Offer(copy);
    }
  }

  void RestoreRequested(const std::string& key) {
    if (m_folder.empty()) return;
    ClaimedCopy copy(m_folder, key);
    const RecoveryOwner& self = RecoveryCopy::Instance().Owner();
    if (!Check(copy) || copy.Side().owner.pid != self.pid) return;
    RestoreHere(m_frame, copy);
  }

 private:
  // Claims the copy; true when it is held and fit to offer. Damage is reported here.
  bool Check(ClaimedCopy& copy) {
    switch (copy.Claim(RecoveryCopy::Instance().Owner())) {
      case ClaimResult::kClaimed: break;
      case ClaimResult::kNoCopy: copy.Delete(); return false;
      case ClaimResult::kDamaged: ReportDamaged(copy); return false;
      default: return false;
    }
    KVDocText trial;
    if (LoadCopy(copy, &trial)) return true;
    ReportDamaged(copy);
    return false;
  }

  void Offer(ClaimedCopy& copy) {
    CRecoveryDlg question(RecoveryOfferText(copy.Side().memoPath, copy.CopyWritten()));
    switch (question.Ask(m_frame->m_hWnd)) {
      case RecoveryChoice::kRestore: Restore(copy); break;
      case RecoveryChoice::kDiscard: copy.Delete(); break;
      case RecoveryChoice::kLater: copy.Release(); break;
    }
  }

  void Restore(ClaimedCopy& copy) {
    const std::string& memo = copy.Side().memoPath;
    const bool thisMemo = g_szFilePath[0] && !memo.empty() && KVIsSameFile(memo.c_str(), g_szFilePath);
    if ((thisMemo || m_windowFree) && !m_restoredHere) {
      m_restoredHere = RestoreHere(m_frame, copy);
      m_windowFree = false;
      return;
    }
    if (!RestoreInNewWindow(copy)) copy.Release();
  }

  CMainFrame* m_frame;
  bool m_windowFree;
  bool m_restoredHere = false;
  std::string m_folder;
};

}  // namespace

void OfferRecoveryCopies(CMainFrame* frame, bool startedEmpty) {
  RecoveryOffer offer(frame, startedEmpty);
  const std::string requested = TakeRestoreRequest();
  if (requested.empty()) offer.OfferAll();
  else offer.RestoreRequested(requested);
}
