// The memo frame's close, save and title logic.
#include <windows.h>
#include <commdlg.h>

#include "Dialog.h"
#include "FileDialogs.h"
#include "KVErrors.h"
#include "KVFile.h"
#include "KVProfile.h"
#include "MainFrame.h"
#include "MemoGlobals.h"
#include "MemoTitle.h"
#include "NewFileName.h"
#include "resource.h"

void CMainFrame::UpdateTitle() {
  SetWindowTextA(m_hWnd, MemoWindowTitle(ReadTitleOptions(), g_szDocName, g_szFilePath).c_str());
}

void CMainFrame::OnClose() {
  bool changed = (m_bPlacementChanged && KVGetProfileInt("Option", "SaveWindowInfo", 1)) ||
                 m_wndView.m_doc.IsDerty();
  if (changed) {
    if (!g_szFilePath[0] || KVGetProfileInt("Option", "UseCloseMsg", 1)) {
      int answer = AfxMessageBox(IDS_SAVE_CHANGES, MB_YESNOCANCEL | MB_ICONQUESTION);
      if (answer == IDCANCEL) return;
      if (answer == IDYES && OnFileSave() < 0) return;
    } else if (OnFileSave() < 0) {
      return;
    }
  }
  DestroyWindow(m_hWnd);
}

int CMainFrame::SaveTo(KVFile* file, bool notify) {
  int result = file->IsAttached() ? m_wndView.SaveDocument(file, notify) : KV_ERR_NO_FILE;
  if (result < 0) AfxMessageBox(IDS_CANNOT_WRITE, MB_ICONHAND);
  return result;
}

int CMainFrame::OnFileSave() {
  if (!g_szFilePath[0]) return OnFileSaveAs();
  KVFile file;
  file.Attach(g_szFilePath);  // a file that is gone is attached all the same and written anew
  int result = SaveTo(&file, true);
  m_bPlacementChanged = false;
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
  int result = SaveTo(&file, false);
  if (result < 0) return result;
  lstrcpynA(g_szFilePath, name, kPathSize);
  m_bPlacementChanged = false;
  return 0;
}

void CMainFrame::OnFileSaveText() {
  char path[kPathSize] = "";
  if (!AskSaveFileName(m_hWnd, "ﾃｷｽﾄﾌｧｲﾙ (*.txt)\0*.txt\0すべてのﾌｧｲﾙ (*.*)\0*.*\0", "txt",
                       OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_CREATEPROMPT, path))
    return;
  KVFile file;
  file.Attach(path);
  if (!file.IsAttached() || m_wndView.m_doc.SaveText(&file) < 0)
    AfxMessageBox(IDS_CANNOT_WRITE, MB_ICONHAND);
}

void CMainFrame::OnFileProperty() {
  if (m_wndView.m_doc.DoProperty() == 0) return;
  lstrcpynA(g_szDocName, m_wndView.m_doc.m_strDocName.c_str(), sizeof g_szDocName);
  UpdateTitle();
  m_wndView.Refresh();
}
