// The memo view's start-up load: a memo file, or any other file imported as a new memo.
#include <cstdlib>

#include "Dialog.h"
#include "KVFile.h"
#include "MemoGlobals.h"
#include "MemoView.h"
#include "resource.h"

bool CMemoView::LoadFile(const char* path) {
  KVFile file;
  if (file.Attach(path) < 0) {
    AfxMessageBox(IDS_FILE_NOT_FOUND, MB_ICONHAND);
    return false;
  }
  m_doc.Clear();
  if (m_doc.Load(&file) < 0) {
    AfxMessageBox(IDS_CANNOT_READ, MB_ICONHAND);
    return false;
  }
  return true;
}

void CMemoView::LoadStartupFile(HWND frame) {
  char ext[_MAX_EXT] = "";
  _splitpath(g_szFilePath, nullptr, nullptr, nullptr, ext);
  bool memoFile = lstrcmpiA(ext, ".kvm") == 0;
  if (!LoadFile(g_szFilePath)) {
    g_szFilePath[0] = '\0';
    return;
  }
  // The box comes with the width it was saved at: it takes the view's width (a restored
  // placement resizes the view, which does the same).
  CRect client = ClientRect();
  m_doc.SetSize(CSize(client.Width() - kLeftMargin, client.Height()));
  if (memoFile) {
    if (m_doc.m_wndpl.length != 0) {
      WINDOWPLACEMENT placement = m_doc.m_wndpl;
      placement.showCmd = SW_SHOWNORMAL;
      SetWindowPlacement(frame, &placement);
    }
    lstrcpynA(g_szDocName, m_doc.m_strDocName.c_str(), sizeof g_szDocName);
  } else {
    g_szFilePath[0] = '\0';  // imported content is a new memo that Save will ask a name for
  }
  Refresh();
}
