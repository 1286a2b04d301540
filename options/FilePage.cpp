// The file operations page: save behaviour, subfolders and the data folder list.
#include "FilePage.h"

#include "FolderDlg.h"
#include "Messages.h"
#include "SettingsCodec.h"
#include "Settings.h"
#include "resource.h"

namespace {

const char* const kCloseMsgItems[] = {"自動的に保存する", "保存確認メッセージを表示する"};
const char* const kFileSaveItems[] = {"ファイル名を自動生成しデータフォルダへ保存する",
                                      "ファイル保存ダイアログを使用して指定する"};
const char* const kDataFolderItems[] = {"デフォルトデータフォルダへ保存する",
                                        "データフォルダ選択ダイアログを使用して毎回指定する"};
const char* const kFolderTypeItems[] = {
    "使用しない（データフォルダの直下に保存する）", "年月日単位でサブフォルダを自動生成する",
    "年月単位でサブフォルダを自動生成する", "任意指定の書式でサブフォルダを自動生成する"};

// The memo editor takes any non-zero value of these switches as the second item, and an
// unknown subfolder type as none; the lists show what the editor will do.
UINT Switch(const IntSetting& setting) { return Settings::GetInt(setting) != 0 ? 1 : 0; }

// A delay out of range is shown as the editor takes it.
UINT RecoveryDelay() {
  const int seconds = static_cast<int>(Settings::GetInt(kRecoveryDelay));
  return static_cast<UINT>(seconds < kRecoveryDelayMin || seconds > kRecoveryDelayMax
                               ? kRecoveryDelay.fallback
                               : seconds);
}

UINT FolderType() {
  UINT type = Settings::GetInt(kDataFolderType);
  return type < 4 ? type : 0;
}

}  // namespace

CFilePage::CFilePage() : COptionPage(IDD_PAGE_FILE) {}

void CFilePage::Load() {
  FillList(IDC_USE_CLOSE_MSG, kCloseMsgItems, 2, Switch(kUseCloseMsg));
  SetCheck(IDC_SAVE_WINDOW_INFO, Settings::GetInt(kSaveWindowInfo) != 0);
  FillList(IDC_USE_FILE_SAVE_DIALOG, kFileSaveItems, 2, Switch(kUseFileSaveDialog));
  FillList(IDC_USE_DATA_FOLDER_DIALOG, kDataFolderItems, 2, Switch(kUseDataFolderDialog));
  FillList(IDC_DATA_FOLDER_TYPE, kFolderTypeItems, 4, FolderType());
  LimitText(IDC_SUB_FOLDER_FMT, 100);
  SetText(IDC_SUB_FOLDER_FMT, Settings::GetString(kSubFolderFormat));
  SetCheck(IDC_RECOVERY_COPIES, Settings::GetInt(kRecoveryCopies) != 0);
  LimitText(IDC_RECOVERY_DELAY, 2);
  SetNumber(IDC_RECOVERY_DELAY, RecoveryDelay());
  LoadFolders();
}

void CFilePage::LoadFolders() {
  m_folders.Attach(GetDlgItem(IDC_FOLDER_LIST), "フォルダ名", "フォルダパス", true);
  std::string defaultName = Settings::GetString(kDefaultDataFolder);
  bool checked = lstrcmpiA(defaultName.c_str(), kBuiltInDataFolder) == 0;
  m_folders.SetChecked(m_folders.Append(kBuiltInDataFolder, Settings::Folders().data), checked);
  for (const std::string& name : SplitNameList(Settings::GetString(kFolderList))) {
    int row = m_folders.Append(name, Settings::GetString(DataFolderPathSetting(name.c_str())));
    // A list that names the default twice still gets one check.
    bool isDefault = !checked && lstrcmpiA(name.c_str(), defaultName.c_str()) == 0;
    m_folders.SetChecked(row, isDefault);
    checked = checked || isDefault;
  }
}

void CFilePage::Store(SettingsWriter& out) {
  out.Int(kUseCloseMsg, ListIndex(IDC_USE_CLOSE_MSG));
  out.Int(kSaveWindowInfo, IsChecked(IDC_SAVE_WINDOW_INFO));
  out.Int(kUseFileSaveDialog, ListIndex(IDC_USE_FILE_SAVE_DIALOG));
  out.Int(kUseDataFolderDialog, ListIndex(IDC_USE_DATA_FOLDER_DIALOG));
  out.Int(kDataFolderType, ListIndex(IDC_DATA_FOLDER_TYPE));
  out.String(kSubFolderFormat, GetText(IDC_SUB_FOLDER_FMT));
  out.Int(kRecoveryCopies, IsChecked(IDC_RECOVERY_COPIES));
  out.Int(kRecoveryDelay, GetNumber(IDC_RECOVERY_DELAY));
  StoreFolders(out);
}

// The folders of the stored list lose their paths first, so a deleted row leaves no key.
void CFilePage::StoreFolders(SettingsWriter& out) {
  for (const std::string& name : SplitNameList(Settings::GetString(kFolderList)))
    out.Delete(DataFolderPathSetting(name.c_str()));
  std::vector<std::string> names;
  std::string defaultName;
  for (int row = 1; row < m_folders.Count(); ++row) {
    names.push_back(m_folders.Name(row));
    out.String(DataFolderPathSetting(names.back().c_str()), m_folders.Path(row));
    if (m_folders.IsChecked(row)) defaultName = names.back();
  }
  out.String(kFolderList, JoinNameList(names));
  // No key means the built-in folder: row 0 checked, or no row at all.
  if (defaultName.empty())
    out.Delete(kDefaultDataFolder);
  else
    out.String(kDefaultDataFolder, defaultName);
}

bool CFilePage::Validate() {
  if (!HasNumber(IDC_RECOVERY_DELAY)) return false;
  const int seconds = GetNumber(IDC_RECOVERY_DELAY);
  if (seconds >= kRecoveryDelayMin && seconds <= kRecoveryDelayMax) return true;
  ShowMessage(GetSheet(), IDS_RECOVERY_DELAY_RANGE);
  SetFocus(GetDlgItem(IDC_RECOVERY_DELAY));
  return false;
}

void CFilePage::UpdateEnabling() {
  Enable(IDC_RECOVERY_DELAY, IsChecked(IDC_RECOVERY_COPIES));
  bool ownFolder = m_folders.Selected() > 0;
  Enable(IDC_FOLDER_EDIT, ownFolder);
  Enable(IDC_FOLDER_DELETE, ownFolder);
}

bool CFilePage::OnControl(int id, int code) {
  if (code != BN_CLICKED) return false;
  switch (id) {
    case IDC_RECOVERY_COPIES:
      UpdateEnabling();
      return true;
    case IDC_FOLDER_ADD:
      OnAdd();
      return true;
    case IDC_FOLDER_EDIT:
      OnEdit();
      return true;
    case IDC_FOLDER_DELETE:
      OnDelete();
      return true;
    default:
      return false;
  }
}

bool CFilePage::OnNotify(NMHDR* header, LRESULT* result) {
  if (header->idFrom != IDC_FOLDER_LIST || header->code != LVN_ITEMCHANGED) return false;
  OnItemChanged(*reinterpret_cast<NMLISTVIEW*>(header));
  *result = 0;
  return true;
}

// Checking a row unchecks all others: at most one folder is the default.
void CFilePage::OnItemChanged(const NMLISTVIEW& change) {
  if (Loading() || !(change.uChanged & LVIF_STATE)) return;
  if ((change.uNewState ^ change.uOldState) & LVIS_SELECTED) UpdateEnabling();
  if (m_bUnchecking || !((change.uNewState ^ change.uOldState) & LVIS_STATEIMAGEMASK)) return;
  SetModified();
  if (!m_folders.IsChecked(change.iItem)) return;
  m_bUnchecking = true;
  for (int row = 0; row < m_folders.Count(); ++row)
    if (row != change.iItem) m_folders.SetChecked(row, false);
  m_bUnchecking = false;
}

void CFilePage::OnAdd() {
  CFolderDlg dialog(m_folders.Names());
  if (m_folders.AddWith(dialog, m_hWnd)) SetModified();
}

void CFilePage::OnEdit() {
  int row = m_folders.Selected();
  CFolderDlg dialog(m_folders.Names());
  if (row > 0 && m_folders.EditWith(row, dialog, m_hWnd)) SetModified();
}

void CFilePage::OnDelete() {
  int row = m_folders.Selected();
  if (row <= 0) return;
  m_folders.Delete(row);
  SetModified();
  UpdateEnabling();
}
