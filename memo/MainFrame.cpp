// The memo frame: creation, layout, answers to memo windows, cursors over the borders.
#include "MainFrame.h"

#include "Cursors.h"
#include "KVFile.h"
#include "KVProfile.h"
#include "MemoGlobals.h"
#include "MemoWindows.h"
#include "SjisText.h"
#include "resource.h"

namespace {

const UINT kStatusBarStyle = WS_CHILD | WS_VISIBLE | 0x0200;  // CBRS_BOTTOM
const UINT kIndicators[] = {ID_INDICATOR_KANA, ID_INDICATOR_CAPS, ID_INDICATOR_NUM,
                            ID_INDICATOR_SCRL};

}  // namespace

const CommandEntry<CMainFrame> CMainFrame::kCommands[] = {
    {ID_FILE_SAVE, &CMainFrame::OnFileSaveCommand, nullptr},
    {ID_FILE_SAVE_AS, &CMainFrame::OnFileSaveAsCommand, nullptr},
    {ID_VIEW_STATUS_BAR, &CMainFrame::OnViewStatusBar, nullptr},
    {ID_FILE_CLOSE_ALL, &CMainFrame::OnCloseAll, nullptr},
    {ID_FILE_NEW, &CMainFrame::OnFileNew, nullptr},
    {ID_FILE_SAVE_TEXT, &CMainFrame::OnFileSaveText, nullptr},
    {ID_FILE_PROPERTY, &CMainFrame::OnFileProperty, nullptr},
};

CMainFrame::CMainFrame() : m_bPlacementChanged(false) {}

bool CMainFrame::OnCommand(UINT id) { return RunCommand(this, kCommands, id); }

bool CMainFrame::OnUpdateCommand(UINT id, CCmdUI* ui) {
  if (id == ID_VIEW_STATUS_BAR) ui->checked = IsStatusBarShown();
  return UpdateCommand(this, kCommands, id, ui);
}

int CMainFrame::OnCreate() {
  if (!m_wndView.CreateEx(0, CMemoView::kClassName, "",
                          WS_CHILD | WS_VISIBLE | WS_BORDER | WS_HSCROLL | WS_VSCROLL,
                          CRect(), m_hWnd, reinterpret_cast<HMENU>(ID_VIEW_PANE)))
    return -1;
  if (!m_wndStatusBar.Create(m_hWnd, kStatusBarStyle, ID_STATUS_BAR, kIndicators, 4)) return -1;
  m_wndStatusBar.SetMessageText(m_szIdleText);
  if (!KVGetProfileInt(kViewStatusBar)) ShowControlBar(false);
  m_wndView.m_showStatus = [this](const char* text, bool lasting) { ShowStatus(text, lasting); };
  TakeInPlaceEdits();
  RecalcLayout();
  if (g_szFilePath[0]) m_wndView.LoadStartupFile(m_hWnd);
  return 0;
}

void CMainFrame::OnViewStatusBar() {
  ShowControlBar(!m_wndStatusBar.IsVisible());
  KVWriteProfileInt(kViewStatusBar, m_wndStatusBar.IsVisible() ? 1 : 0);
}

void CMainFrame::OnCloseAll() { CloseAllMemoWindows(m_hWnd); }

void CMainFrame::OnNotifyClose(LPARAM lParam) {
  if (lParam != 0 || m_bAnnouncing) return;
  LINK link;
  if (ReadSavedLink(&link)) m_wndView.ReloadLinks(&link);
}

void CMainFrame::ShowStatus(const char* text, bool lasting) {
  if (!lasting) {
    m_wndStatusBar.SetMessageText(text);
    return;
  }
  if (text)
    KVCopyCut(m_szIdleText, sizeof m_szIdleText, text);
  else
    LoadStringA(GetModuleHandleA(nullptr), IDS_IDLE_MESSAGE, m_szIdleText, sizeof m_szIdleText);
  m_wndStatusBar.SetMessageText(m_szIdleText);
}

bool CMainFrame::OnSetCursor(UINT hitTest, UINT mouseMessage) {
  bool pressed = mouseMessage == WM_LBUTTONDOWN;
  HCURSOR cursor = g_hcurArrow;
  if (mouseMessage != 0) {
    switch (hitTest) {
      case HTCLIENT: return false;
      case HTCAPTION: cursor = pressed ? g_hcurCaptionPressed : g_hcurCaption; break;
      case HTLEFT:
      case HTRIGHT: cursor = pressed ? g_hcurSizeWEPressed : g_hcurSizeWE; break;
      case HTTOP:
      case HTBOTTOM: cursor = pressed ? g_hcurSizeNSPressed : g_hcurSizeNS; break;
      case HTTOPLEFT:
      case HTBOTTOMRIGHT: cursor = pressed ? g_hcurSizeNWSEPressed : g_hcurSizeNWSE; break;
      case HTTOPRIGHT:
      case HTBOTTOMLEFT: cursor = pressed ? g_hcurSizeNESWPressed : g_hcurSizeNESW; break;
      default: break;
    }
  }
  SetCursor(cursor);
  return true;
}

LRESULT CMainFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NOTIFYCLOSE: OnNotifyClose(lParam); return 0;
    case WM_QUERYLINK: AnswerQueryLink(g_szFilePath); return 0;
    case WM_CREATE: return OnCreate();
    case WM_CLOSE: OnClose(); return 0;
    case WM_SETCURSOR:
      if (OnSetCursor(LOWORD(lParam), HIWORD(lParam))) return TRUE;
      break;
    case WM_MOVE:
      m_bPlacementChanged = true;
      break;
    case WM_SIZE:
      CFrameWnd::WindowProc(message, wParam, lParam);
      m_bPlacementChanged = true;
      return 0;
  }
  return CFrameWnd::WindowProc(message, wParam, lParam);
}
