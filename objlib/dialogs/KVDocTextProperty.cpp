// The text document's properties: title, wrapping and background through the document
// dialog; a change of wrapping keeps the line at the top of the window in place.
#include "CFilePropDlg.h"
#include "KVDocText.h"

int KVDocText::DoProperty() {
  CFilePropDlg dialog;
  dialog.m_strDocName = m_strDocName;
  dialog.m_strPath = m_szPath;
  dialog.m_nAttr = Box()->m_nAttr;
  dialog.m_crBackColor = Box()->m_crBackColor;
  if (dialog.DoModal() != IDOK) return 0;
  m_strDocName = dialog.m_strDocName;
  LIST* top = nullptr;
  int offset = 0;
  if ((dialog.m_nAttr ^ Box()->m_nAttr) & KV_ATTR_WRAP) {
    top = Find(CPoint(0, 0));
    offset = m_nScrollY - top->pObj->y;
  }
  Box()->m_nAttr = dialog.m_nAttr;
  Box()->m_crBackColor = dialog.m_crBackColor;
  m_crBackColor = dialog.m_crBackColor;
  Box()->Layout(nullptr);
  KeepTopLine(top, offset);
  m_bDerty = true;
  return 1;
}
