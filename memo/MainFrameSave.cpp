// The memo frame's close, save and title logic.
#include <windows.h>
#include <commdlg.h>

#include <cstdio>

#include "Dialog.h"
#include "FileDialogs.h"
#include "FileMessages.h"
#include "KVErrors.h"
#include "KVFile.h"
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

void CMainFrame::OnClose() {
  bool changed = (m_bPlacementChanged && KVGetProfileInt(kSaveWindowInfo)) ||
                 m_wndView.m_doc.IsDerty();
  if (changed) {
    if (!g_szFilePath[0] || KVGetProfileInt(kUseCloseMsg)) {
      int answer = AfxMessageBox(IDS_SAVE_CHANGES, MB_YESNOCANCEL | MB_ICONQUESTION);
      if (answer == IDCANCEL) return;
      if (answer == IDYES && OnFileSave() < 0) return;
    } else if (OnFileSave() < 0) {
      return;
    }
  }
  DestroyWindow(m_hWnd);
}

int CMainFrame::SaveTo(KVFile* file, const char* path, bool notify) {
  if (!file->IsAttached()) {
    ShowFileSystemError(IDS_CANNOT_WRITE, path, ERROR_FILENAME_EXCED_RANGE);
    return KV_ERR_NO_FILE;
  }
  int result = m_wndView.SaveDocument(file, notify);
  if (result < 0)
    ShowFileSystemError(IDS_CANNOT_WRITE, path, KVLastFileError());
  else
    UpdateIndexAfterSave(path);
  return result;
}

// Another window or program wrote the file since this memo read or saved it: only the
// user's yes writes over that.
bool CMainFrame::MayOverwrite() {
  if (!m_wndView.m_diskStamp.ChangedOnDisk(g_szFilePath)) return true;
  std::string question = FileMessageText(IDS_CHANGED_ON_DISK, g_szFilePath,
                                         LoadText(IDS_OVERWRITE_QUESTION));
  // いいえ is the default: Enter must not throw away what another program wrote.
  return AfxMessageBox(question.c_str(), MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2) == IDYES;
}

int CMainFrame::OnFileSave() {
  if (!g_szFilePath[0]) return OnFileSaveAs();
  if (!MayOverwrite()) return -1;
  KVFile file;
  file.Attach(g_szFilePath);  // a file that is gone is attached all the same and written anew
  int result = SaveTo(&file, g_szFilePath, true);
  m_bPlacementChanged = false;
  if (result >= 0) UpdateTitle();
  return result;
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
  return 0;
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
