// CStatusBar: the platform's status bar with a message pane and key-state indicator panes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class CStatusBar {
 public:
  CStatusBar() = default;
  CStatusBar(const CStatusBar&) = delete;
  CStatusBar& operator=(const CStatusBar&) = delete;

  // Creates the bar with the message pane and one pane per indicator string id.
  bool Create(HWND parent, DWORD style, UINT id, const UINT* indicators, int count);
  void SetMessageText(const char* text);
  // Shows each indicator's text while its key state is on.
  void UpdateIndicators();
  bool IsVisible() const { return m_hWnd && (GetWindowLongA(m_hWnd, GWL_STYLE) & WS_VISIBLE); }
  // Height the bar takes from the frame's client area (0 when hidden).
  int Height() const;
  // Follows the frame's new size.
  void Resize();

  HWND m_hWnd = nullptr;

 private:
  void SetPaneWidths();
  void ShowIndicator(size_t pane);
  struct Indicator {
    UINT id;
    std::string text;
    bool shown;
  };
  std::vector<Indicator> m_indicators;
};
