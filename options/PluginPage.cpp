// The plug-ins page: the list of extensions and libraries, and its registration keys.
#include "PluginPage.h"

#include <cstring>

#include "PluginDlg.h"
#include "SettingsCodec.h"
#include "Settings.h"
#include "resource.h"

CPluginPage::CPluginPage() : COptionPage(IDD_PAGE_PLUGINS) {}

void CPluginPage::Load() {
  m_plugins.Attach(GetDlgItem(IDC_PLUGIN_LIST), "拡張子", "プラグインのパス名", false);
  for (const std::string& extension : SplitNameList(Settings::GetString(kPluginList)))
    m_plugins.Append(extension, Settings::GetString(PluginLibrarySetting(extension.c_str())));
}

// The registrations of the stored list go first, so a deleted row leaves no key; but a
// deleted row of the shipped viewer's extension leaves an empty value, as its absent key
// would bring the shipped viewer back.
void CPluginPage::Store(SettingsWriter& out) {
  for (const std::string& extension : SplitNameList(Settings::GetString(kPluginList))) {
    if (_stricmp(extension.c_str(), kShippedViewerExtension) == 0)
      out.String(PluginLibrarySetting(extension.c_str()), "");
    else
      out.Delete(PluginLibrarySetting(extension.c_str()));
  }
  if (m_plugins.Count() == 0) {
    out.Delete(kPluginList);
    return;
  }
  std::vector<std::string> extensions = m_plugins.Names();
  for (int row = 0; row < m_plugins.Count(); ++row)
    out.String(PluginLibrarySetting(extensions[row].c_str()), m_plugins.Path(row));
  out.String(kPluginList, JoinNameList(extensions));
}

void CPluginPage::UpdateEnabling() {
  bool any = m_plugins.Count() > 0;
  Enable(IDC_PLUGIN_EDIT, any);
  Enable(IDC_PLUGIN_DELETE, any);
}

bool CPluginPage::OnControl(int id, int code) {
  if (code != BN_CLICKED) return false;
  switch (id) {
    case IDC_PLUGIN_ADD:
      OnAdd();
      return true;
    case IDC_PLUGIN_EDIT:
      OnEdit();
      return true;
    case IDC_PLUGIN_DELETE:
      OnDelete();
      return true;
    default:
      return false;
  }
}

void CPluginPage::OnAdd() {
  CPluginDlg dialog(m_plugins.Names());
  if (!m_plugins.AddWith(dialog, m_hWnd)) return;
  SetModified();
  UpdateEnabling();
}

// With no row selected, edit and delete change nothing.
void CPluginPage::OnEdit() {
  int row = m_plugins.Selected();
  CPluginDlg dialog(m_plugins.Names());
  if (row >= 0 && m_plugins.EditWith(row, dialog, m_hWnd)) SetModified();
}

void CPluginPage::OnDelete() {
  int row = m_plugins.Selected();
  if (row < 0) return;
  m_plugins.Delete(row);
  SetModified();
  UpdateEnabling();
}
