// CFrameWnd: a top-level frame with menu bar, accelerators, status bar and one view; it
// routes commands (view, frame, application) and enables menu items before they show.
#pragma once

#include "CmdTarget.h"
#include "StatusBar.h"
#include "Window.h"

class CFrameWnd : public CWnd, public CCmdTarget {
 public:
  // Loads title, menu (unless withMenu is false), accelerators and icon of resource id and
  // creates the window with the class PreCreateWindow names.
  bool LoadFrame(UINT id, DWORD style, bool withMenu);
  // Called by the message loop when its queue runs empty.
  void OnIdle() { m_wndStatusBar.UpdateIndicators(); }
  // Shows or hides the status bar and lays the frame out again.
  void ShowControlBar(bool show);
  void RecalcLayout();

  HACCEL m_hAccel = nullptr;
  CStatusBar m_wndStatusBar;

 protected:
  // The class name, registered by the frame (icon id, no cursor, no brush).
  virtual const char* FrameClassName() const = 0;
  // The view, first to be offered every command; none while there is none.
  virtual CWnd* GetActiveView() = 0;
  virtual CCmdTarget* GetActiveViewTarget() = 0;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  // The window is gone: the main frame ends the message loop, and every frame, made with
  // new, deletes itself and with it its view and document.
  void PostNcDestroy() override;
  bool RouteCommand(UINT id);
  bool RouteUpdate(UINT id, CCmdUI* ui);
  void OnInitMenuPopup(HMENU menu);
  void OnMenuSelect(UINT id, UINT flags, HMENU menu);
  // The idle text of the message pane.
  char m_szIdleText[320] = "";  // room for a path and a few words around it
};
