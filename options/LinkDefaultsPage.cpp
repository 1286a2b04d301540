// The second property defaults page: four groups of the same controls, one per link kind.
#include "LinkDefaultsPage.h"

#include "ColorPicker.h"
#include "Sample.h"
#include "AttrViews.h"
#include "Settings.h"
#include "resource.h"

namespace {

const char* const kMemoTitles[] = {"見出し", "ファイル名", "文書名"};
const char* const kFileTitles[] = {"見出し", "ファイル名"};
const char* const kUrlTitles[] = {"見出し", "ＵＲＬ"};

// One group: its control ids start at base.
struct LinkGroup {
  int base;
  const LinkKindSettings& settings;
  const char* const* titles;
  int titleCount;
};

const LinkGroup kLinkGroups[] = {
    {IDC_LINK_MEMO, kMemoLinkSettings, kMemoTitles, 3},
    {IDC_LINK_IMAGE, kImageLinkSettings, kFileTitles, 2},
    {IDC_LINK_FILE, kFileLinkSettings, kFileTitles, 2},
    {IDC_LINK_URL, kUrlLinkSettings, kUrlTitles, 2},
};

const int kGroupStep = IDC_LINK_IMAGE - IDC_LINK_MEMO;

}  // namespace

CLinkDefaultsPage::CLinkDefaultsPage() : COptionPage(IDD_PAGE_DEFAULTS2) {}

void CLinkDefaultsPage::Load() {
  for (int i = 0; i < kGroups; ++i) {
    const LinkGroup& group = kLinkGroups[i];
    LinkAttrView view =
        DecodeLinkAttr(Settings::GetInt(group.settings.attr), group.titleCount == 3);
    FillList(group.base + LINK_TITLE, group.titles, group.titleCount, view.title);
    SetCheck(group.base + LINK_PATH, view.showPath);
    SetCheck(group.base + LINK_EXT, view.showExt);
    SetCheck(group.base + LINK_ICON, view.icon);
    SetCheck(group.base + LINK_BORDER, view.border);
    m_textColor[i] = Settings::GetInt(group.settings.textColor);
    m_backColor[i] = Settings::GetInt(group.settings.backColor);
  }
}

void CLinkDefaultsPage::Store(SettingsWriter& out) {
  for (int i = 0; i < kGroups; ++i) {
    const LinkGroup& group = kLinkGroups[i];
    LinkAttrView view = {ListIndex(group.base + LINK_TITLE), IsChecked(group.base + LINK_PATH),
                         IsChecked(group.base + LINK_EXT), IsChecked(group.base + LINK_ICON),
                         IsChecked(group.base + LINK_BORDER)};
    out.Int(group.settings.attr, static_cast<int>(EncodeLinkAttr(view)));
    out.Color(group.settings.textColor, m_textColor[i]);
    out.Color(group.settings.backColor, m_backColor[i]);
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
