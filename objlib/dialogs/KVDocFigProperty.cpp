// The figure document's properties: the document dialog with its name and path left empty;
// only the box's attributes and background are taken.
#include "CFilePropDlg.h"
#include "KVDocFig.h"

int KVDocFig::DoProperty() {
  CFilePropDlg dialog;
  dialog.m_nAttr = Box()->m_nAttr;
  dialog.m_crBackColor = Box()->m_crBackColor;
  if (dialog.DoModal() != IDOK) return 0;
  Box()->m_nAttr = dialog.m_nAttr;
  Box()->m_crBackColor = dialog.m_crBackColor;
  m_crBackColor = dialog.m_crBackColor;
  m_bDerty = true;
  return 1;
}
