// CLinkDefaultsPage: "プロパティの初期値(2)", the look of new links of four kinds.
#pragma once

#include "OptionPage.h"

class CLinkDefaultsPage : public COptionPage {
 public:
  CLinkDefaultsPage();

 protected:
  void Load() override;
  void Store(SettingsWriter& out) override;
  void UpdateEnabling() override;
  bool OnControl(int id, int code) override;
  bool OnDrawItem(int id, const DRAWITEMSTRUCT& item) override;

 private:
  static const int kGroups = 4;
  COLORREF m_textColor[kGroups] = {};
  COLORREF m_backColor[kGroups] = {};
};
