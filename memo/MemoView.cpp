// The memo view: creation, double-buffered painting, size, caret, refreshing, load and save.
#include "MemoView.h"

#include <windows.h>
#include <imm.h>

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "Cursors.h"
#include "Dialog.h"
#include "KVFile.h"
#include "KVFont.h"
#include "KVPaintPass.h"
#include "KVProfile.h"
#include "MemoGlobals.h"
#include "MemoWindows.h"
#include "RecoveryCopy.h"
#include "resource.h"

const char CMemoView::kClassName[] = "KVMemoView";

CMemoView::CMemoView() : m_mouse(*this) {
  m_doc.x = kLeftMargin;
  m_doc.y = 0;
}

bool CMemoView::CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style,
                         const RECT& rect, HWND parent, HMENU id) {
  if (!RegisterClass(className, CS_HREDRAW | CS_VREDRAW, g_hcurArrow, nullptr)) return false;
  return CWnd::CreateEx(exStyle | WS_EX_CLIENTEDGE, className, title, style & ~WS_BORDER, rect,
                        parent, id);
}

int CMemoView::OnCreate(LPARAM) {
  g_hwndView = m_hWnd;
  return 0;
}

void CMemoView::FinishStart() {
  m_dropTarget.Register(m_hWnd);
  if (KVGetProfileInt(kImmOpen)) {
    HIMC context = ImmGetContext(m_hWnd);
    if (context) {
      ImmSetOpenStatus(context, TRUE);
      ImmReleaseContext(m_hWnd, context);
    }
  }
}

// Only the part asked for is drawn and copied; the back buffer is kept for the next paint.
void CMemoView::OnPaint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(m_hWnd, &paint);
  CRect client = ClientRect();
  CRect area;
  HDC buffer = m_backBuffer.Prepare(dc, client.Width(), client.Height());
  if (buffer && IntersectRect(&area, &paint.rcPaint, &client)) {
    HBRUSH background = CreateSolidBrush(m_doc.m_crBackColor);
    FillRect(buffer, &area, background);
    DeleteObject(background);
    SetBkMode(buffer, TRANSPARENT);
    CDC memoryDC(buffer);
    {
      KVPaintPass pass(&memoryDC, 0, g_DefaultFont);  // the default font, selected and released
      m_doc.Draw(pass.Info(), CPoint(0, 0), area, true);
    }
    m_mouse.HideRubberBand();
    BitBlt(dc, area.left, area.top, area.Width(), area.Height(), buffer, area.left, area.top,
           SRCCOPY);
    m_mouse.ShowRubberBand();
  }
  EndPaint(m_hWnd, &paint);
}

void CMemoView::InvalidateChangedLines() {
  KVDocText& doc = Active();
  int top = 0;
  int bottom = 0;
  doc.Box()->GetChangedBand(&top, &bottom);
  const CRect area = m_inPlace.Depth() ? m_inPlace.ActiveArea() : ClientRect();
  const int shift = m_inPlace.ToWindow(CRect(0, doc.y - doc.m_nScrollY, 0, 0)).top;
  RECT band = {area.left, std::max<int>(area.top, top + shift), area.right, area.bottom};
  if (bottom != INT_MAX) band.bottom = std::min<int>(area.bottom, bottom + shift);
  if (band.top < band.bottom) InvalidateRect(m_hWnd, &band, FALSE);
}

void CMemoView::OnSize(int cx, int cy) {
  m_doc.SetSize(CSize(cx - kLeftMargin, cy));
  Refresh();
}

void CMemoView::OnSetFocus() {
  m_nCaretHeight = 0;
  ShowCaretAt();
}

void CMemoView::OnKillFocus() { HideCaretUntilFocus(); }

void CMemoView::HideCaretUntilFocus() {
  HideCaret(m_hWnd);
  m_ptCaret = {-1, -1};
  m_nCaretHeight = 0;
}

void CMemoView::UpdateScrollBars() {
  SCROLLINFO info = {};
  m_doc.GetScrollInfo(SB_VERT, &info);
  SetScrollInfo(m_hWnd, SB_VERT, &info, TRUE);
  info = {};
  m_doc.GetScrollInfo(SB_HORZ, &info);
  SetScrollInfo(m_hWnd, SB_HORZ, &info, TRUE);
}

void CMemoView::ShowCaretAt(LIST* node) {
  if (GetFocus() != m_hWnd) return;  // the caret exists only while the view has the focus
  CRect rect = m_inPlace.ToWindow(Active().GetCharRect(node));
  int height = rect.Height();
  if (height != m_nCaretHeight) {
    m_nCaretHeight = height;
    CreateCaret(m_hWnd, nullptr, GetSystemMetrics(SM_CXBORDER), height);
    ShowCaret(m_hWnd);
  }
  if (rect.left != m_ptCaret.x || rect.top != m_ptCaret.y) {
    m_ptCaret = {rect.left, rect.top};
    SetCaretPos(rect.left, rect.top);
  }
}

void CMemoView::ScrollToObject(LIST* node) {
  if (!Active().Scroll(m_inPlace.ActiveView(ClientRect()), node)) return;
  if (!m_inPlace.Depth()) UpdateScrollBars();
  ShowCaretAt();
  InvalidateEdit();
}

void CMemoView::Refresh() {
  UpdateScrollBars();
  ShowCaretAt();
  Invalidate();
}

// A memo edited in place that the reload may read again is left first.
void CMemoView::ReloadLinks(LINK* link) {
  if (!m_mouse.ReleaseNodes()) return;
  if (m_inPlace.Depth()) {
    m_inPlace.LeaveReloadable();
    ShowEditingStatus();
  }
  m_doc.ReloadLinkFile(link);
  m_doc.Layout(nullptr);
  Refresh();
}

int CMemoView::SaveDocument(KVFile* file, bool notify) {
  WINDOWPLACEMENT placement = {};
  placement.length = sizeof placement;
  GetWindowPlacement(GetParent(m_hWnd), &placement);
  int result = m_doc.Save(&placement, file);
  if (result < 0) return result;
  char path[MAX_PATH] = "";
  file->GetPathName(path);
  m_diskStamp = FileStamp::Of(path);
  RecoveryCopy::Instance().Discard();
  if (notify) NotifyFileSaved(file);
  return 0;
}
