// The general page and its font and colour choices.
#include "GeneralPage.h"

#include "ColorPicker.h"
#include "MemoFont.h"
#include "Sample.h"
#include "Settings.h"
#include "resource.h"

namespace {

const char* const kCaptionItems[] = {"ファイル名を表示する", "文書名を表示する"};
const int kNumberDigits = 9;

// A check box or number field of the page and the setting it edits.
struct IntControl {
  int id;
  const IntSetting& setting;
};

const IntControl kChecks[] = {
    {IDC_USE_TRON_POINTER, kUseTronPointer},
    {IDC_IMM_OPEN, kImmOpen},
    {IDC_WHEEL_TYPE, kWheelType},
    {IDC_USE_MENU_BAR, kUseMenuBar},
    {IDC_SFN2LFN, kShortToLongNames},
    {IDC_AUTO_OPEN, kImageLinkAutoOpen},
    {IDC_HAVE_PATH, kTitleHavePath},
    {IDC_HAVE_EXT, kTitleHaveExt},
};

// The number fields; the page cannot be left or stored while one is empty.
const IntControl kNumbers[] = {
    {IDC_AUTO_SCROLL_TIMER, kAutoScrollTimer},
    {IDC_LINKS_OF_LINE, kLinksOfLine},
    {IDC_AUTO_OPEN_HEIGHT, kImageLinkOpenHeight},
    {IDC_AUTO_OPEN_WIDTH, kImageLinkOpenWidth},
};

}  // namespace

CGeneralPage::CGeneralPage() : COptionPage(IDD_PAGE_GENERAL) {}

void CGeneralPage::Load() {
  for (const IntControl& check : kChecks) SetCheck(check.id, Settings::GetInt(check.setting) != 0);
  for (const IntControl& number : kNumbers) {
    LimitText(number.id, kNumberDigits);
    SetNumber(number.id, Settings::GetInt(number.setting));
  }
  SetText(IDC_DATE1, Settings::GetString(kDateStampFormat));
  SetText(IDC_DATE2, Settings::GetString(kTimeStampFormat));
  FillList(IDC_USE_DOC_NAME, kCaptionItems, 2, Settings::GetInt(kTitleUseDocName) != 0 ? 1 : 0);
  m_font = Settings::GetFont(kDefaultFont);
  m_textColor = Settings::GetInt(kTextColor);
}

bool CGeneralPage::Validate() {
  for (const IntControl& number : kNumbers)
    if (!HasNumber(number.id)) return false;
  return true;
}

void CGeneralPage::Store(SettingsWriter& out) {
  for (const IntControl& check : kChecks) out.Int(check.setting, IsChecked(check.id));
  for (const IntControl& number : kNumbers) out.Int(number.setting, GetNumber(number.id));
  out.String(kDateStampFormat, GetText(IDC_DATE1));
  out.String(kTimeStampFormat, GetText(IDC_DATE2));
  out.Int(kTitleUseDocName, ListIndex(IDC_USE_DOC_NAME));
  out.Font(kDefaultFont, m_font);
  out.Color(kTextColor, m_textColor);
}

void CGeneralPage::UpdateEnabling() {
  bool autoOpen = IsChecked(IDC_AUTO_OPEN);
  Enable(IDC_AUTO_OPEN_HEIGHT, autoOpen);
  Enable(IDC_AUTO_OPEN_WIDTH, autoOpen);
  bool fileName = ListIndex(IDC_USE_DOC_NAME) == 0;
  Enable(IDC_HAVE_PATH, fileName);
  Enable(IDC_HAVE_EXT, fileName);
}

bool CGeneralPage::OnControl(int id, int code) {
  if (code != BN_CLICKED) return false;
  if (id == IDC_FONT_CHANGE)
    OnChangeFont();
  else if (id == IDC_FONT_COLOR)
    OnChangeColor();
  else
    return false;
  return true;
}

bool CGeneralPage::OnDrawItem(int id, const DRAWITEMSTRUCT& item) {
  if (id != IDC_FONT_SAMPLE) return false;
  DrawSample(item, "文字の見本", m_textColor, RGB(255, 255, 255), &m_font);
  return true;
}

void CGeneralPage::OnChangeFont() {
  // No colour, underline or strike-out: the default font is a face, size and style.
  if (!ChooseMemoFont(m_hWnd, 0, nullptr, &m_font)) return;
  InvalidateRect(GetDlgItem(IDC_FONT_SAMPLE), nullptr, TRUE);
  SetModified();
}

void CGeneralPage::OnChangeColor() {
  if (!PickTextColor(m_hWnd, &m_textColor)) return;
  InvalidateRect(GetDlgItem(IDC_FONT_SAMPLE), nullptr, TRUE);
  SetModified();
}
