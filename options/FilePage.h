// CFilePage: "ファイル操作", how memos are saved and the list of named data folders.
#pragma once

#include "EntryList.h"
#include "OptionPage.h"

class CFilePage : public COptionPage {
 public:
  CFilePage();

 protected:
  void Load() override;
  void Store(SettingsWriter& out) override;
  bool Validate() override;
  void UpdateEnabling() override;
  bool OnControl(int id, int code) override;
  bool OnNotify(NMHDR* header, LRESULT* result) override;

 private:
  void LoadFolders();
  void StoreFolders(SettingsWriter& out);
  void OnItemChanged(const NMLISTVIEW& change);
  void OnAdd();
  void OnEdit();
  void OnDelete();

  CEntryList m_folders;  // row 0 is the built-in folder "USER"
  bool m_bUnchecking = false;
};
