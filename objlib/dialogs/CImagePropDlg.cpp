// The image properties dialog: the frame and stretch boxes.
#include "CImagePropDlg.h"

#include "KVObjBmap.h"
#include "KVObjRes.h"

namespace {

const DWORD kFrame = 0x00000001;

}  // namespace

CImagePropDlg::CImagePropDlg() : KVDialog(IDD_IMAGE_PROPERTIES), m_nAttr(0) {}

BOOL CImagePropDlg::OnInitDialog() {
  SetCheck(IDC_IMAGE_BORDER, (m_nAttr & kFrame) != 0);
  SetCheck(IDC_IMAGE_STRETCH, (m_nAttr & BA_STRETCH) != 0);
  return TRUE;
}

// Exactly the two bits as checked: every other bit is cleared.
void CImagePropDlg::OnOK() {
  m_nAttr = (IsChecked(IDC_IMAGE_BORDER) ? kFrame : 0) | (IsChecked(IDC_IMAGE_STRETCH) ? BA_STRETCH : 0);
  EndDialog(m_hWnd, IDOK);
}

bool KVRunImagePropDlg(bool* pFrame, bool* pStretch) {
  CImagePropDlg dialog;
  dialog.m_nAttr = (*pFrame ? kFrame : 0) | (*pStretch ? BA_STRETCH : 0);
  if (dialog.DoModal() != IDOK) return false;
  *pFrame = (dialog.m_nAttr & kFrame) != 0;
  *pStretch = (dialog.m_nAttr & BA_STRETCH) != 0;
  return true;
}
