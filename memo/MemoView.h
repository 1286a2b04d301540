// CMemoView: the memo frame's client window. It holds the memo's text document and turns
// painting, keys, the input method and scrolling into document operations.
#pragma once

#include "CmdTarget.h"
#include "KVDocText.h"
#include "Window.h"

class KVFile;
struct LINK;

class CMemoView : public CWnd, public CCmdTarget {
 public:
  static const char kClassName[];
  // The document stands this far right of the view's left edge.
  static const int kLeftMargin = 8;

  CMemoView();
  bool CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style,
                const RECT& rect, HWND parent, HMENU id);

  void UpdateScrollBars();
  // Puts the caret on a node's character rectangle (none: the document's caret).
  void ShowCaretAt(LIST* node = nullptr);
  void ScrollToObject(LIST* node);
  void Refresh();
  // Every link to the saved file (none: every link) reads its file again.
  void ReloadLinks(LINK* link);
  // Writes the memo with the frame's placement; announces the save when notify is true.
  int SaveDocument(KVFile* file, bool notify);
  // Loads g_szFilePath when the frame is created.
  void LoadStartupFile(HWND frame);
  bool OnCommand(UINT id) override;
  bool OnUpdateCommand(UINT id, CCmdUI* ui) override;

  UINT_PTR m_nClickTimer;
  UINT_PTR m_nScrollTimer;
  int m_nMouseState;
  POINT m_ptPress;
  UINT m_nPressFlags;
  int m_nDragMode;
  POINT m_ptDragStart;
  LIST* m_pDragTarget;
  RECT m_rcDrag;
  bool m_bDragOut;
  POINT m_ptCaret;
  int m_nCaretHeight;
  KVDocText m_doc;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  int OnCreate(LPARAM lParam);
  void OnPaint();
  void OnSize(int cx, int cy);
  void OnSetFocus();
  void OnKillFocus();
  bool OnKeyDown(UINT key);
  bool OnSysKeyDown(UINT key);
  void OnChar(UINT code);
  void OnImeStartComposition();
  void OnImeComposition(LPARAM lParam);
  void PlaceComposition(int extraY);
  void DeleteKey(bool forward);
  void MoveCaret(int code);
  void OnScroll(int bar, UINT request, UINT position);
  void OnMouseWheel(UINT keys, short delta, POINT screen);
  void OnViewRefresh() { ReloadLinks(nullptr); }
  // Loads a file into the document; false after showing why it failed.
  bool LoadFile(const char* path);

  static const CommandEntry<CMemoView> kCommands[];
  UINT m_nLeadByte = 0;  // first byte of a double-byte character typed in two messages
};
