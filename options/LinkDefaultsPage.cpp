// The second property defaults page: four groups of the same controls, one per link kind.
#include "LinkDefaultsPage.h"

#include "ColorPicker.h"
#include "Sample.h"
#include "SettingCodec.h"
#include "Settings.h"
#include "resource.h"

namespace {

const char* const kMemoTitles[] = {"見出し", "ファイル名", "文書名"};
const char* const kFileTitles[] = {"見出し", "ファイル名"};
const char* const kUrlTitles[] = {"見出し", "ＵＲＬ"};

// One group: its control ids start at base; keys in section "LINK".
struct LinkGroup {
  int base;
  const char* attrKey;
  const char* textKey;
  const char* backKey;
  UINT defaultAttr;
  const char* const* titles;
  int titleCount;
};

const LinkGroup kLinkGroups[] = {
    {IDC_LINK_MEMO, "MemoAttr", "MemoTextColor", "MemoBackColor", 0x78000001, kMemoTitles, 3},
    {IDC_LINK_IMAGE, "ImageAttr", "ImageTextColor", "ImageBackColor", 0x70000001, kFileTitles, 2},
    {IDC_LINK_FILE, "FileAttr", "FileTextColor", "FileBackColor", 0x70000001, kFileTitles, 2},
    {IDC_LINK_URL, "UrlAttr", "UrlTextColor", "UrlBackColor", 0x60000001, kUrlTitles, 2},
};

const int kGroupStep = IDC_LINK_IMAGE - IDC_LINK_MEMO;

}  // namespace

CLinkDefaultsPage::CLinkDefaultsPage() : COptionPage(IDD_PAGE_DEFAULTS2) {}

void CLinkDefaultsPage::Load() {
  for (int i = 0; i < kGroups; ++i) {
    const LinkGroup& group = kLinkGroups[i];
    LinkAttrView view = DecodeLinkAttr(Settings::GetInt("LINK", group.attrKey, group.defaultAttr),
                                       group.titleCount == 3);
    FillList(group.base + LINK_TITLE, group.titles, group.titleCount, view.title);
    SetCheck(group.base + LINK_PATH, view.showPath);
    SetCheck(group.base + LINK_EXT, view.showExt);
    SetCheck(group.base + LINK_ICON, view.icon);
    SetCheck(group.base + LINK_BORDER, view.border);
    m_textColor[i] = Settings::GetInt("LINK", group.textKey, 0);
    m_backColor[i] = Settings::GetInt("LINK", group.backKey, 0xFFFFFF);
  }
}

void CLinkDefaultsPage::Store(SettingsWriter& out) {
  for (int i = 0; i < kGroups; ++i) {
    const LinkGroup& group = kLinkGroups[i];
    LinkAttrView view = {ListIndex(group.base + LINK_TITLE), IsChecked(group.base + LINK_PATH),
                         IsChecked(group.base + LINK_EXT), IsChecked(group.base + LINK_ICON),
                         IsChecked(group.base + LINK_BORDER)};
    out.Int("LINK", group.attrKey, static_cast<int>(EncodeLinkAttr(view)));
    out.Color("LINK", group.textKey, m_textColor[i]);
    out.Color("LINK", group.backKey, m_backColor[i]);
  }
}

// Path and extension only matter while a link is titled by its file name (or URL).
void CLinkDefaultsPage::UpdateEnabling() {
  for (const LinkGroup& group : kLinkGroups) {
    bool byFileName = ListIndex(group.base + LINK_TITLE) == 1;
    Enable(group.base + LINK_PATH, byFileName);
    Enable(group.base + LINK_EXT, byFileName);
  }
}

bool CLinkDefaultsPage::OnControl(int id, int code) {
  int group = (id - IDC_LINK_MEMO) / kGroupStep;
  int control = (id - IDC_LINK_MEMO) % kGroupStep;
  if (code != BN_CLICKED || id < IDC_LINK_MEMO || group >= kGroups ||
      (control != LINK_TEXT_COLOR && control != LINK_BACK_COLOR))
    return false;
  COLORREF* color = control == LINK_TEXT_COLOR ? &m_textColor[group] : &m_backColor[group];
  if (PickDefaultColor(m_hWnd, color)) {
    InvalidateRect(GetDlgItem(kLinkGroups[group].base + LINK_SAMPLE), nullptr, TRUE);
    SetModified();
  }
  return true;
}

bool CLinkDefaultsPage::OnDrawItem(int id, const DRAWITEMSTRUCT& item) {
  for (int i = 0; i < kGroups; ++i) {
    if (id != kLinkGroups[i].base + LINK_SAMPLE) continue;
    DrawSample(item, "色見本", m_textColor[i], m_backColor[i], nullptr);
    return true;
  }
  return false;
}
