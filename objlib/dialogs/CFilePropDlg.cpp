// The document properties dialog: title, path (shown only), wrapping at the window width
// and the background colour with its swatch.
#include "CFilePropDlg.h"

#include "KVObjRes.h"
#include "KVProfile.h"

namespace {

const size_t kMaxTitle = 100;
const DWORD kWrap = 0x40000000;  // the box wraps its lines at the window width

}  // namespace

CFilePropDlg::CFilePropDlg() : KVDialog(IDD_FILE_PROPERTIES), m_nAttr(0), m_crBackColor(0xFFFFFF) {}

BOOL CFilePropDlg::OnInitDialog() {
  LimitText(IDC_FILE_TITLE, kMaxTitle);
  SetText(IDC_FILE_TITLE, m_strDocName);
  SetText(IDC_FILE_PATH, m_strPath);
  SetCheck(IDC_FILE_WRAP, (m_nAttr & kWrap) != 0);
  return TRUE;
}

// Only the wrapping bit is the dialog's; every other bit is kept.
void CFilePropDlg::OnOK() {
  m_strDocName = GetText(IDC_FILE_TITLE);
  m_nAttr &= ~kWrap;
  if (IsChecked(IDC_FILE_WRAP)) m_nAttr |= kWrap;
  EndDialog(m_hWnd, IDOK);
}

bool CFilePropDlg::OnCommand(int id, int code) {
  if (id != IDC_FILE_BACK_COLOR) return false;
  if (code == BN_CLICKED && KVChooseColor(m_hWnd, &m_crBackColor)) Redraw(IDC_FILE_SWATCH);
  return true;
}

bool CFilePropDlg::OnDrawItem(int id, const DRAWITEMSTRUCT& item) {
  if (id != IDC_FILE_SWATCH) return false;
  HBRUSH fill = CreateSolidBrush(m_crBackColor);
  FillRect(item.hDC, &item.rcItem, fill);
  DeleteObject(fill);
  return true;
}
