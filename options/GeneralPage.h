// CGeneralPage: "一般", pointers, input, menus, dates, dropped links, image links, the
// window caption and the default font with its sample.
#pragma once

#include "OptionPage.h"

class CGeneralPage : public COptionPage {
 public:
  CGeneralPage();

 protected:
  void Load() override;
  bool Validate() override;
  void Store(SettingsWriter& out) override;
  void UpdateEnabling() override;
  bool OnControl(int id, int code) override;
  bool OnDrawItem(int id, const DRAWITEMSTRUCT& item) override;

 private:
  void OnChangeFont();
  void OnChangeColor();

  LOGFONTA m_font = {};      // the default font ("Font", "Default")
  COLORREF m_textColor = 0;  // "Font", "Color"
};
