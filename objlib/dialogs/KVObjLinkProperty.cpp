// A link's properties: the link dialog edits copies, and OK applies them here, attaching
// the link again when its file name was changed.
#include "CLinkPropDlg.h"
#include "KVErrors.h"
#include "KVObjDoc.h"
#include "KVObjLink.h"

// A new target closes the document opened in place (even a link that may not be closed:
// it must not go on showing the old file) and refreshes the path and title kept for the
// caption. A path whose expansion does not fit a link leaves the old target attached.
// LA_OPEN is the link's state rather than a choice, so the dialog does not clear it.
int KVObjLink::DoProperty() {
  CLinkPropDlg dialog;
  dialog.m_strCaption = m_strCaption;
  dialog.m_nType = m_file.FileType();
  dialog.m_strPath = m_szPath;
  dialog.m_strDocName = m_szDocName;
  dialog.m_nAttr = m_nAttr;
  dialog.m_crColor = m_crColor;
  dialog.m_crBackColor = m_crBackColor;
  if (dialog.DoModal() != IDOK) return 0;
  if (dialog.m_strPath != m_szPath) {
    Close();
    CloseChild();
    KVFile previous = m_file;
    m_file.Detach();
    if (m_file.Attach(dialog.m_strPath.c_str()) == KV_ERR_TOO_LONG) m_file = previous;
    RefreshTargetCaches();
  }
  m_strCaption = dialog.m_strCaption;
  m_nAttr = dialog.m_nAttr | (m_pChild ? LA_OPEN : 0);
  m_crBackColor = dialog.m_crBackColor;
  m_crColor = dialog.m_crColor;
  UpdateDataSize();
  // Lays out and sizes an open document to the child area; a tall link opens its target.
  SetSize(CSize(cx, cy));
  return 1;
}
