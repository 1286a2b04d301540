// CObjectDefaultsPage: "プロパティの初期値(1)", the defaults of new text documents and
// images.
#pragma once

#include "OptionPage.h"

class CObjectDefaultsPage : public COptionPage {
 public:
  CObjectDefaultsPage();

 protected:
  void Load() override;
  void Store(SettingsWriter& out) override;
  bool OnControl(int id, int code) override;
  bool OnDrawItem(int id, const DRAWITEMSTRUCT& item) override;

 private:
  COLORREF m_backColor = 0xFFFFFF;  // "FileDefault", "MemoBackColor"
};
