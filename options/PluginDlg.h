// CPluginDlg: "プラグインの追加・編集", an extension and the plug-in library serving it.
#pragma once

#include "EntryDlg.h"

class CPluginDlg : public CEntryDlg {
 public:
  explicit CPluginDlg(std::vector<std::string> taken);

 protected:
  bool Browse(std::string* path) override;
};
