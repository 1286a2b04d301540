// CPluginPage: "プラグイン", the viewer plug-in registered for each file extension.
#pragma once

#include "EntryList.h"
#include "OptionPage.h"

class CPluginPage : public COptionPage {
 public:
  CPluginPage();

 protected:
  void Load() override;
  void Store(SettingsWriter& out) override;
  void UpdateEnabling() override;
  bool OnControl(int id, int code) override;

 private:
  void OnAdd();
  void OnEdit();
  void OnDelete();

  CEntryList m_plugins;
};
