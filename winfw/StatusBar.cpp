// The status bar: panes sized to their texts, indicators following the keyboard state.
#include "StatusBar.h"

#include <commctrl.h>

#include "FrameworkIds.h"
#include "ScopedGdi.h"

namespace {

// The virtual key whose toggle state an indicator shows.
int KeyOfIndicator(UINT id) {
  switch (id) {
    case ID_INDICATOR_CAPS: return VK_CAPITAL;
    case ID_INDICATOR_NUM: return VK_NUMLOCK;
    case ID_INDICATOR_SCRL: return VK_SCROLL;
    case ID_INDICATOR_KANA: return VK_KANA;
    default: return 0;
  }
}

}  // namespace

bool CStatusBar::Create(HWND parent, DWORD style, UINT id, const UINT* indicators, int count) {
  m_hWnd = CreateWindowExA(0, STATUSCLASSNAMEA, "", style, 0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                           GetModuleHandleA(nullptr), nullptr);
  if (!m_hWnd) return false;
  HINSTANCE instance = GetModuleHandleA(nullptr);
  for (int i = 0; i < count; ++i) {
    char text[64] = "";
    LoadStringA(instance, indicators[i], text, sizeof text);
    m_indicators.push_back({indicators[i], text, false});
  }
  SetPaneWidths();
  return true;
}

void CStatusBar::SetPaneWidths() {
  ScopedClientDC dc(m_hWnd);
  ScopedSelect font(dc, reinterpret_cast<HFONT>(SendMessageA(m_hWnd, WM_GETFONT, 0, 0)));
  RECT client;
  GetClientRect(m_hWnd, &client);
  std::vector<int> rights(m_indicators.size() + 1);
  int right = client.right - GetSystemMetrics(SM_CXVSCROLL);
  for (size_t i = m_indicators.size(); i > 0; --i) {
    SIZE size = {};
    const std::string& text = m_indicators[i - 1].text;
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    rights[i] = right;
    right -= size.cx + 12;
  }
  rights[0] = right;
  SendMessageA(m_hWnd, SB_SETPARTS, rights.size(), reinterpret_cast<LPARAM>(rights.data()));
  for (size_t i = 0; i < m_indicators.size(); ++i) ShowIndicator(i);
}

void CStatusBar::ShowIndicator(size_t pane) {
  const Indicator& indicator = m_indicators[pane];
  SendMessageA(m_hWnd, SB_SETTEXTA, pane + 1,
               reinterpret_cast<LPARAM>(indicator.shown ? indicator.text.c_str() : ""));
}

void CStatusBar::SetMessageText(const char* text) {
  if (m_hWnd) SendMessageA(m_hWnd, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text));
}

void CStatusBar::UpdateIndicators() {
  if (!m_hWnd) return;
  for (size_t i = 0; i < m_indicators.size(); ++i) {
    Indicator& indicator = m_indicators[i];
    bool on = (GetKeyState(KeyOfIndicator(indicator.id)) & 1) != 0;
    if (on == indicator.shown) continue;
    indicator.shown = on;
    ShowIndicator(i);
  }
}

int CStatusBar::Height() const {
  if (!IsVisible()) return 0;
  RECT rect;
  GetWindowRect(m_hWnd, &rect);
  return rect.bottom - rect.top;
}

void CStatusBar::Resize() {
  if (!m_hWnd) return;
  SendMessageA(m_hWnd, WM_SIZE, 0, 0);  // the control places itself along the bottom
  SetPaneWidths();
}
