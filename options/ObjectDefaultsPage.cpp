// The first property defaults page: text document wrapping and background, image bits.
#include "ObjectDefaultsPage.h"

#include "ColorPicker.h"
#include "Sample.h"
#include "AttrViews.h"
#include "Settings.h"
#include "resource.h"

CObjectDefaultsPage::CObjectDefaultsPage() : COptionPage(IDD_PAGE_DEFAULTS1) {}

void CObjectDefaultsPage::Load() {
  // A new text document's only edited bit: wrap at the window's width.
  SetCheck(IDC_MEMO_WRAP, (Settings::GetInt(kNewMemoAttr) & kTextAttrWrap) != 0);
  m_backColor = Settings::GetInt(kNewMemoBackColor);
  ImageAttrView image = DecodeImageAttr(Settings::GetInt(kImageAttr));
  SetCheck(IDC_IMAGE_BORDER, image.border);
  SetCheck(IDC_IMAGE_STRETCH, image.stretch);
  // Never shown: it only carries the bit through.
  SetCheck(IDC_IMAGE_KEEP_ASPECT, image.keepAspect);
}

void CObjectDefaultsPage::Store(SettingsWriter& out) {
  out.Int(kNewMemoAttr, IsChecked(IDC_MEMO_WRAP) ? kTextAttrWrap : 0);
  out.Color(kNewMemoBackColor, m_backColor);
  ImageAttrView image = {IsChecked(IDC_IMAGE_BORDER), IsChecked(IDC_IMAGE_STRETCH),
                         IsChecked(IDC_IMAGE_KEEP_ASPECT)};
  // Bit 31 makes the "%d" text negative; it reads back as the same bits.
  out.Int(kImageAttr, static_cast<int>(EncodeImageAttr(image)));
}

bool CObjectDefaultsPage::OnControl(int id, int code) {
  if (id != IDC_MEMO_BACK_COLOR || code != BN_CLICKED) return false;
  if (PickDefaultColor(m_hWnd, &m_backColor)) {
    InvalidateRect(GetDlgItem(IDC_MEMO_BACK_SAMPLE), nullptr, TRUE);
    SetModified();
  }
  return true;
}

bool CObjectDefaultsPage::OnDrawItem(int id, const DRAWITEMSTRUCT& item) {
  if (id != IDC_MEMO_BACK_SAMPLE) return false;
  DrawSample(item, nullptr, 0, m_backColor, nullptr);
  return true;
}
