// Starting KVOption.exe and driving its sheet from another process.
#include "SheetDriver.h"

#include <commctrl.h>

const char kSheetTitle[] = "ＫＶＭｅｍｏのオプション設定";

int CountSheets() {
  WindowFilter filter;
  filter.title = kSheetTitle;
  return static_cast<int>(WindowsWhere(filter).size());
}

SheetDriver::SheetDriver() : m_process(ProgramFolder() + "KVOption.exe") {}

HWND SheetDriver::WaitForSheet() {
  if (!m_process.Started()) return nullptr;
  WindowFilter filter;
  filter.pid = m_process.Id();
  filter.title = kSheetTitle;
  WaitUntil([&] {
    const std::vector<HWND> sheets = WindowsWhere(filter);
    if (!sheets.empty()) m_sheet = sheets[0];
    return m_sheet != nullptr;
  });
  return m_sheet;
}

void SheetDriver::ShowPage(int index) { SendTo(m_sheet, PSM_SETCURSEL, index, 0); }

HWND SheetDriver::Page() const {
  return reinterpret_cast<HWND>(SendTo(m_sheet, PSM_GETCURRENTPAGEHWND));
}

void SheetDriver::SetCheck(int id, bool checked) {
  SetChecked(Page(), id, checked);
  Notify(Page(), id, BN_CLICKED);
}

void SheetDriver::Type(int id, const std::string& text) {
  SetControlText(Page(), id, text);
  Notify(Page(), id, EN_CHANGE);
}

bool SheetDriver::Apply() { return SendTo(m_sheet, PSM_APPLY) != 0; }

void SheetDriver::Press(int button) { PostMessageA(m_sheet, PSM_PRESSBUTTON, button, 0); }
