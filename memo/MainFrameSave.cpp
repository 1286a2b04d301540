// The memo frame's close, save and title logic.
#include <windows.h>
#include <commdlg.h>

#include <cstdio>

#include "Dialog.h"
#include "FileDialogs.h"
#include "FileMessages.h"
#include "InPlaceMemos.h"
#include "KVErrors.h"
#include "KVFile.h"
#include "KVObjLink.h"
#include "KVProfile.h"
#include "MainFrame.h"
#include "MemoGlobals.h"
#include "MemoStrings.h"
#include "MemoTitle.h"
#include "NewFileName.h"
#include "SearchJobs.h"
#include "resource.h"

void CMainFrame::UpdateTitle() {
  SetWindowTextA(m_hWnd, MemoWindowTitle(ReadTitleOptions(), g_szDocName, g_szFilePath).c_str());
}

namespace {

// The one frame of the process, while it may still write memos its links let go.
CMainFrame* g_frameTakingEdits = nullptr;

}  // namespace

void CMainFrame::OnClose() {
  bool changed = (m_bPlacementChanged && KVGetProfileInt(kSaveWindowInfo)) ||
                 m_wndView.m_doc.IsDerty() || !ChangedInPlaceMemos(m_wndView.m_doc).empty();
  bool discard = false;
  if (changed) {
    if (!g_szFilePath[0] || KVGetProfileInt(kUseCloseMsg)) {
      int answer = AfxMessageBox(IDS_SAVE_CHANGES, MB_YESNOCANCEL | MB_ICONQUESTION);
      if (answer == IDCANCEL) return;
      if (answer == IDYES && OnFileSave() < 0) return;
      discard = answer == IDNO;
    } else if (OnFileSave() < 0) {
      return;
    }
  }
  LetGoOfInPlaceMemos(discard);
  DestroyWindow(m_hWnd);
}

void CMainFrame::TakeInPlaceEdits() {
  g_frameTakingEdits = this;
  KVObjLink::SetChildEditsHandler(&CMainFrame::OnInPlaceMemoLetGo);
}

void CMainFrame::LetGoOfInPlaceMemos(bool discard) {
  if (!discard) m_wndView.m_doc.ClearDerty();  // deleted links in the history go now
  KVObjLink::SetChildEditsHandler(nullptr);
  g_frameTakingEdits = nullptr;
}

void CMainFrame::OnInPlaceMemoLetGo(KVObjDoc* memo) {
  auto* text = dynamic_cast<KVDocText*>(memo);
  if (g_frameTakingEdits && text) g_frameTakingEdits->SaveInPlaceMemo(text);
}

int CMainFrame::SaveTo(KVFile* file, const char* path, bool notify) {
  if (!file->IsAttached()) {
    ShowFileSystemError(IDS_CANNOT_WRITE, path, ERROR_FILENAME_EXCED_RANGE);
    return KV_ERR_NO_FILE;
  }
  m_bAnnouncing = true;
  int result = m_wndView.SaveDocument(file, notify);
  m_bAnnouncing = false;
  if (result < 0)
    ShowFileSystemError(IDS_CANNOT_WRITE, path, KVLastFileError());
  else
    UpdateIndexAfterSave(path);
  return result;
}

// Another window or program wrote the file since this memo read or saved it: only the
// user's yes writes over that.
bool CMainFrame::MayOverwrite(const FileStamp& stamp, const char* path) {
  if (!stamp.ChangedOnDisk(path)) return true;
  std::string question =
      FileMessageText(IDS_CHANGED_ON_DISK, path, LoadText(IDS_OVERWRITE_QUESTION));
  // いいえ is the default: Enter must not throw away what another program wrote.
  return AfxMessageBox(question.c_str(), MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2) == IDYES;
}

int CMainFrame::OnFileSave() {
  if (!g_szFilePath[0]) return OnFileSaveAs();
  if (!MayOverwrite(m_wndView.m_diskStamp, g_szFilePath)) return -1;
  KVFile file;
  file.Attach(g_szFilePath);  // a file that is gone is attached all the same and written anew
  int result = SaveTo(&file, g_szFilePath, true);
  m_bPlacementChanged = false;
  if (result < 0) return result;
  UpdateTitle();
  return SaveInPlaceMemos();
}

// Each goes to its own file, as the window showing that memo would write it (its stored
// placement kept); the other windows showing it read it again.
int CMainFrame::SaveInPlaceMemos() {
  for (KVDocText* memo : ChangedInPlaceMemos(m_wndView.m_doc)) {
    int result = SaveInPlaceMemo(memo);
    if (result < 0) return result;
  }
  m_wndView.Invalidate();  // the memos' undo histories are gone with the save
  return 0;
}

int CMainFrame::SaveInPlaceMemo(KVDocText* memo) {
  const char* path = memo->m_szPath;
  const FileStamp* stamp = m_wndView.InPlaceStamp(memo);
  if (stamp && !MayOverwrite(*stamp, path)) return -1;
  KVFile file;
  file.Attach(path);
  m_bAnnouncing = true;
  int result = file.IsAttached() ? memo->Save(nullptr, &file) : KV_ERR_NO_FILE;
  if (result >= 0) NotifyFileSaved(&file);
  m_bAnnouncing = false;
  if (result < 0) {
    ShowFileSystemError(IDS_CANNOT_WRITE, path, KVLastFileError());
    return result;
  }
  m_wndView.NoteInPlaceSaved(memo);
  UpdateIndexAfterSave(path);
  return 0;
}

int CMainFrame::OnFileSaveAs() {
  char name[kPathSize] = "";
  if (!GetNewFileName(m_hWnd, name)) {
    m_bPlacementChanged = false;
    return -1;
  }
  KVFile file;
  file.Attach(name);
  int result = SaveTo(&file, name, false);
  if (result < 0) return result;
  lstrcpynA(g_szFilePath, name, kPathSize);
  m_bPlacementChanged = false;
  UpdateTitle();
  // A name the user did not type is told, or the memo would be hard to find again.
  if (!KVGetProfileInt(kUseFileSaveDialog)) ShowSavedTo(name);
  return SaveInPlaceMemos();
}

void CMainFrame::ShowSavedTo(const char* path) {
  char text[kPathSize + 64];
  std::snprintf(text, sizeof text, LoadText(IDS_SAVED_TO).c_str(), path);
  m_wndStatusBar.SetMessageText(text);
}

void CMainFrame::OnFileSaveText() {
  char path[kPathSize] = "";
  if (!AskSaveFileName(m_hWnd, IDS_FILTER_TEXT, "txt",
                       OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_CREATEPROMPT, path))
    return;
  KVFile file;
  file.Attach(path);
  if (!file.IsAttached())
    ShowFileSystemError(IDS_CANNOT_WRITE, path, ERROR_FILENAME_EXCED_RANGE);
  else if (m_wndView.m_doc.SaveText(&file) < 0)
    ShowFileSystemError(IDS_CANNOT_WRITE, path, KVLastFileError());
}

void CMainFrame::OnFileProperty() {
  if (m_wndView.m_doc.DoProperty() == 0) return;
  lstrcpynA(g_szDocName, m_wndView.m_doc.m_strDocName.c_str(), sizeof g_szDocName);
  UpdateTitle();
  m_wndView.Refresh();
}
