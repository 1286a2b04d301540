// CFolderDlg: "データフォルダの追加・編集", a data folder's name and the path of a folder
// that exists (or that it creates when asked).
#pragma once

#include "EntryDlg.h"

class CFolderDlg : public CEntryDlg {
 public:
  explicit CFolderDlg(std::vector<std::string> taken);

 protected:
  UINT RefuseName(const std::string& name) const override;
  bool Browse(std::string* path) override;
  bool AcceptPath(const std::string& path) override;
};
