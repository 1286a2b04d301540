// MemoMouse: the memo view's mouse. It tells clicks, double clicks and drags of the left
// button apart, runs the drags (selecting, resizing by a handle, dragging out through OLE),
// answers drops and opens the context menu; the view only hands it the messages.
#pragma once

#include <windows.h>

#include "KVObject.h"
#include "MemoDropTarget.h"
#include "WindowTimer.h"

class CMemoView;
struct LIST;

class MemoMouse {
 public:
  explicit MemoMouse(CMemoView& view);
  MemoMouse(const MemoMouse&) = delete;
  MemoMouse& operator=(const MemoMouse&) = delete;

  void OnLButtonDown(UINT flags, POINT p);
  void OnLButtonUp(POINT p);
  void OnMouseMove(POINT p);
  void OnTimer(UINT_PTR id);
  void OnRButtonDown(UINT flags, POINT p);
  // From the keyboard: the menu opens at the caret.
  void OnContextMenu();
  void OnDragOver(DROPINFO* info);
  void OnDrop(const DROPINFO& info);

 private:
  // The left button. The window class has no double-click style: a press starts the click
  // timer, and a click takes effect only when that runs out or the pointer leaves the
  // click area; a second press before then makes the release a double click.
  enum class State {
    kIdle,
    kPressed,       // down once; held past the timer or moved away it becomes a drag
    kClicked,       // released once, waiting for a second press
    kPressedAgain,  // down a second time; its release is the double click
    kDragging,      // a drag of DragKind (kNone when the press hit nothing)
  };
  enum class DragKind { kNone, kSelectText, kResize };

  // WhereIs zones 2-9: the handles of an object.
  static bool IsHandle(int zone) { return zone >= HIT_LEFT && zone <= HIT_BOTTOM_RIGHT; }
  static HCURSOR HandleCursor(HitZone handle, bool pressed);
  bool IsInsideClickArea(POINT p) const;
  // A window point in the coordinates of the document being edited.
  CPoint At(POINT window) const;
  void SingleClick(POINT p);
  void DoubleClick(POINT p);
  void HoverCursor(POINT p);
  void OpenContextMenu(POINT p);

  // Drags (MemoMouseDrag.cpp).
  void BeginDrag(POINT p);
  void BeginResize(HitZone handle, LIST* node);
  void DragMove(POINT p);
  void EndDrag(POINT p);
  void AutoScrollStep();
  void DragOut();

  CMemoView& m_view;
  State m_state = State::kIdle;
  POINT m_ptPress = {};
  UINT m_nPressFlags = 0;
  WindowTimer m_clickTimer;
  WindowTimer m_scrollTimer;
  DragKind m_drag = DragKind::kNone;
  HitZone m_handle = HIT_NONE;  // the handle a resize moves
  POINT m_ptDragStart = {};
  LIST* m_pDragTarget = nullptr;  // a text drag's anchor, or the object resized
  RECT m_rcDrag = {};             // the rubber band of a resize
  bool m_bDragOut = false;        // only inside the OLE drag loop
};
