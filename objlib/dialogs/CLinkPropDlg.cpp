// The link properties dialog: caption mode list, path and extension boxes, heading, file
// name with a browse button, icon and border boxes, and the two colours with their sample.
#include "CLinkPropDlg.h"

#include <cderr.h>
#include <commdlg.h>

#include "KVFile.h"
#include "KVObjLink.h"
#include "KVObjRes.h"
#include "KVProfile.h"
#include "SjisText.h"

namespace {

const size_t kMaxHeading = 200;
const size_t kMaxFileName = MAX_PATH - 1;

// The caption modes in list order; the title mode exists for memo links only.
enum CaptionMode { MODE_FILE_NAME = 0, MODE_HEADING = 1, MODE_TITLE = 2 };

}  // namespace

CLinkPropDlg::CLinkPropDlg()
    : KVDialog(IDD_LINK_PROPERTIES),
      m_nType(FT_MISSING),
      m_nAttr(0),
      m_crColor(0),
      m_crBackColor(0xFFFFFF) {}

int CLinkPropDlg::CaptionMode() const {
  return static_cast<int>(SendDlgItemMessageA(m_hWnd, IDC_LINK_CAPTION_MODE, CB_GETCURSEL, 0, 0));
}

BOOL CLinkPropDlg::OnInitDialog() {
  LimitText(IDC_LINK_HEADING, kMaxHeading);
  LimitText(IDC_LINK_FILE_NAME, kMaxFileName);
  SetText(IDC_LINK_DOC_NAME, m_strDocName);
  SetText(IDC_LINK_HEADING, m_strCaption);
  SetText(IDC_LINK_FILE_NAME, m_strPath);
  HWND list = GetDlgItem(IDC_LINK_CAPTION_MODE);
  SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("ファイル名を表示する"));
  SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("見出しを表示する"));
  if (m_nType == FT_MEMO)
    SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("文書名を表示する"));
  int mode = MODE_FILE_NAME;
  if ((m_nAttr & LA_FILENAME) && (m_nAttr & LA_DOCNAME))
    mode = MODE_TITLE;
  else if (!(m_nAttr & LA_FILENAME))
    mode = MODE_HEADING;
  // A link that was retargeted away from a memo keeps its title bits; the list then
  // offers no title mode, and the file-name mode is the nearest.
  if (SendMessageA(list, CB_SETCURSEL, mode, 0) == CB_ERR)
    SendMessageA(list, CB_SETCURSEL, MODE_FILE_NAME, 0);
  SetCheck(IDC_LINK_SHOW_EXT, !(m_nAttr & LA_HIDEEXT));
  SetCheck(IDC_LINK_SHOW_PATH, !(m_nAttr & LA_HIDEPATH));
  EnablePathBoxes();
  SetCheck(IDC_LINK_BORDER, (m_nAttr & LA_BORDER) != 0);
  SetCheck(IDC_LINK_ICON, (m_nAttr & LA_ICON) != 0);
  Enable(IDC_LINK_BROWSE_HEADING, false);
  return TRUE;
}

// The path and extension boxes only mean something while the caption is the file name.
void CLinkPropDlg::EnablePathBoxes() {
  const bool fileName = CaptionMode() == MODE_FILE_NAME;
  Enable(IDC_LINK_SHOW_PATH, fileName);
  Enable(IDC_LINK_SHOW_EXT, fileName);
}

// The attributes are built from nothing: bits the dialog does not show do not survive.
// The two boxes count even while they are disabled.
void CLinkPropDlg::OnOK() {
  std::string heading = GetText(IDC_LINK_HEADING);
  std::string path = GetText(IDC_LINK_FILE_NAME);
  if (path.empty()) {
    ShowStop(IDS_NO_FILE_NAME);
    return;
  }
  const int mode = CaptionMode();
  DWORD attr = 0;
  if (mode == MODE_FILE_NAME) attr |= LA_FILENAME;
  if (mode == MODE_TITLE) attr |= LA_FILENAME | LA_DOCNAME;
  if (!IsChecked(IDC_LINK_SHOW_PATH)) attr |= LA_HIDEPATH;
  if (!IsChecked(IDC_LINK_SHOW_EXT)) attr |= LA_HIDEEXT;
  if (IsChecked(IDC_LINK_BORDER)) attr |= LA_BORDER;
  if (IsChecked(IDC_LINK_ICON)) attr |= LA_ICON;
  m_strCaption = heading;
  m_strPath = path;
  m_nAttr = attr;
  EndDialog(m_hWnd, IDOK);
}

bool CLinkPropDlg::OnCommand(int id, int code) {
  switch (id) {
    case IDC_LINK_CAPTION_MODE:
      if (code == CBN_SELCHANGE) EnablePathBoxes();
      return true;
    case IDC_LINK_BROWSE_FILE:
      if (code == BN_CLICKED) Browse();
      return true;
    case IDC_LINK_TEXT_COLOR:
    case IDC_LINK_BACK_COLOR:
      if (code == BN_CLICKED &&
          KVChooseColor(m_hWnd, id == IDC_LINK_TEXT_COLOR ? &m_crColor : &m_crBackColor))
        Redraw(IDC_LINK_SAMPLE);
      return true;
    default:
      return false;
  }
}

// A file name that the open dialog refuses to start with (an address, say) is dropped
// and the dialog opens without one.
void CLinkPropDlg::Browse() {
  char file[MAX_PATH] = "";
  KVCopyCut(file, sizeof file, GetText(IDC_LINK_FILE_NAME).c_str());
  OPENFILENAMEA open = {};
  open.lStructSize = sizeof open;
  open.hwndOwner = m_hWnd;
  open.lpstrFilter = "すべてのﾌｧｲﾙ (*.*)\0*.*\0";
  open.lpstrFile = file;
  open.nMaxFile = sizeof file;
  open.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
  BOOL chosen = GetOpenFileNameA(&open);
  if (!chosen && CommDlgExtendedError() == FNERR_INVALIDFILENAME) {
    file[0] = '\0';
    chosen = GetOpenFileNameA(&open);
  }
  if (chosen) SetText(IDC_LINK_FILE_NAME, file);
}

// The sample shows its text in the text colour, transparently over the background colour.
bool CLinkPropDlg::OnDrawItem(int id, const DRAWITEMSTRUCT& item) {
  if (id != IDC_LINK_SAMPLE) return false;
  HBRUSH background = CreateSolidBrush(m_crBackColor);
  FillRect(item.hDC, &item.rcItem, background);
  DeleteObject(background);
  char text[32] = "";
  GetWindowTextA(item.hwndItem, text, sizeof text);
  HGDIOBJ oldFont = SelectObject(item.hDC, reinterpret_cast<HFONT>(SendMessageA(m_hWnd, WM_GETFONT, 0, 0)));
  const int oldMode = SetBkMode(item.hDC, TRANSPARENT);
  const COLORREF oldColor = SetTextColor(item.hDC, m_crColor);
  RECT area = item.rcItem;
  DrawTextA(item.hDC, text, -1, &area, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
  SetTextColor(item.hDC, oldColor);
  SetBkMode(item.hDC, oldMode);
  SelectObject(item.hDC, oldFont);
  return true;
}
