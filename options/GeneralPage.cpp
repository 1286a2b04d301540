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

// A check box or number field of the page: control, section, key and default.
struct IntKey {
  int id;
  const char* section;
  const char* key;
  int defaultValue;
};

const IntKey kChecks[] = {
    {IDC_USE_TRON_POINTER, "Option", "UseTronPointer", 0},
    {IDC_IMM_OPEN, "Option", "IMMOpen", 1},
    {IDC_WHEEL_TYPE, "Option", "WheelType", 1},
    {IDC_USE_MENU_BAR, "Option", "UseMenuBar", 1},
    {IDC_SFN2LFN, "Option", "SFN2LFN", 0},
    {IDC_AUTO_OPEN, "LINK", "AutoOpen", 1},
    {IDC_HAVE_PATH, "Title", "HavePath", 1},
    {IDC_HAVE_EXT, "Title", "HaveExt", 1},
};

// The number fields; the page cannot be left or stored while one is empty.
const IntKey kNumbers[] = {
    {IDC_AUTO_SCROLL_TIMER, "Option", "AutoScrollTimer", 100},
    {IDC_LINKS_OF_LINE, "Option", "LinksOfLine", 5},
    {IDC_AUTO_OPEN_HEIGHT, "LINK", "AutoOpenHeight", 120},
    {IDC_AUTO_OPEN_WIDTH, "LINK", "AutoOpenWidth", 120},
};

}  // namespace

CGeneralPage::CGeneralPage() : COptionPage(IDD_PAGE_GENERAL) {}

void CGeneralPage::Load() {
  for (const IntKey& check : kChecks)
    SetCheck(check.id, Settings::GetInt(check.section, check.key, check.defaultValue) != 0);
  for (const IntKey& number : kNumbers) {
    LimitText(number.id, kNumberDigits);
    SetNumber(number.id, Settings::GetInt(number.section, number.key, number.defaultValue));
  }
  SetText(IDC_DATE1, Settings::GetString("TimeStamp", "Date1", "%Y年%m月%d日"));
  SetText(IDC_DATE2, Settings::GetString("TimeStamp", "Date2", "%H時%M分"));
  FillList(IDC_USE_DOC_NAME, kCaptionItems, 2,
           Settings::GetInt("Title", "UseDocName", 1) != 0 ? 1 : 0);
  m_font = Settings::GetFont("Font", "Default");
  m_textColor = Settings::GetInt("Font", "Color", 0);
}

bool CGeneralPage::Validate() {
  for (const IntKey& number : kNumbers)
    if (!HasNumber(number.id)) return false;
  return true;
}

void CGeneralPage::Store(SettingsWriter& out) {
  for (const IntKey& check : kChecks) out.Int(check.section, check.key, IsChecked(check.id));
  for (const IntKey& number : kNumbers) out.Int(number.section, number.key, GetNumber(number.id));
  out.String("TimeStamp", "Date1", GetText(IDC_DATE1));
  out.String("TimeStamp", "Date2", GetText(IDC_DATE2));
  out.Int("Title", "UseDocName", ListIndex(IDC_USE_DOC_NAME));
  out.Font("Font", "Default", m_font);
  out.Color("Font", "Color", m_textColor);
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
