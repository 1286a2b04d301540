// CMemoView: the memo frame's client window. It holds the memo's text document and turns
// painting, keys, the input method and scrolling into document operations; the mouse and
// drops go to its MemoMouse.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include "BackBuffer.h"
#include "CmdTarget.h"
#include "FileStamp.h"
#include "KVDocText.h"
#include "MemoDropTarget.h"
#include "MemoMouse.h"
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
  // Repaints what the last edit changed: its lines, or everything below them that moved.
  void InvalidateEdit();
  // Every link to the saved file (none: every link) reads its file again.
  void ReloadLinks(LINK* link);
  // Writes the memo with the frame's placement; announces the save when notify is true.
  int SaveDocument(KVFile* file, bool notify);
  // Loads g_szFilePath when the frame is created.
  void LoadStartupFile(HWND frame);
  // The caret goes until the view has the focus again.
  void HideCaretUntilFocus();
  // A scroll bar's request; the mouse also scrolls line by line while a drag is outside.
  void OnScroll(int bar, UINT request, UINT position);
  bool OnCommand(UINT id) override;
  bool OnUpdateCommand(UINT id, CCmdUI* ui) override;

  KVDocText m_doc;
  // The memo's file as it was when last read or written here.
  FileStamp m_diskStamp;

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
  void OnMouseWheel(UINT keys, short delta, POINT screen);
  enum class LoadOutcome { kFailed, kPartial, kWhole };
  // Loads a file into the document; a failure or a memo read only in part is shown with
  // the file and the reason.
  LoadOutcome LoadFile(const char* path);
  // The reason a memo file was not read to its end; 0 when it was.
  static UINT DamageReason(int result, const KVLoadReport& report);

  // Commands and their enabling rules (MemoViewEdit.cpp, MemoViewLinks.cpp, MemoViewFind.cpp).
  bool CanUndo() { return m_doc.CanUndo(); }
  bool IsSelected() { return m_doc.IsSelected(); }
  bool CanPaste() { return m_doc.CanPaste(); }
  bool CanMakePathLink();
  bool IsLinkSelected() { return m_doc.IsLinkSelected(); }
  bool IsObjSelected() { return m_doc.IsObjSelected(); }
  bool HasFile();
  void OnEditUndo();
  void OnEditCut();
  void OnEditCopy();
  void OnEditCopyText();
  void OnEditPaste();
  void OnEditSelectAll();
  void OnEditClear();
  void OnInsertDate();
  void OnInsertTime();
  void InsertTimeStamp(const StringSetting& formatSetting);
  void OnCharColor();
  void OnCharFont();
  void OnViewRefresh() { ReloadLinks(nullptr); }
  void OnPathToLink();
  void OnMakeLink();
  void OnMakeMutualLink();
  void MakeLinkedFile(char* backPath);
  void OnExtendLink();
  void OnObjProperty();
  void OnSelfLink();
  void OnInsertLink();
  void InsertLinkTo(const char* path);
  void OnLinkOpen();
  void OnLinkClose();
  void OnLinkExec();
  void OnFileOpen();
  void OnFilePrint();
  void OnHelp();
  void OnEditFind() { OpenFindDialog(false); }
  void OnEditReplace() { OpenFindDialog(true); }
  void OpenFindDialog(bool replace);
  // A one-line selection that fits becomes the text to find.
  void TakeSelectionAsFindText();
  // Moves the dialog off the selected match when it covers it.
  void MoveFindDialogOffMatch();
  // Scrolls to the match and puts the caret on it, in sight of the find dialog.
  void ShowMatch();
  void OnFindReplace(FINDREPLACEA* request);
  void FindNext(bool down, bool matchCase);
  void ReplaceNext(bool down, bool matchCase);
  void ReplaceAll(bool matchCase);

  static const CommandEntry<CMemoView> kCommands[];
  POINT m_ptCaret = {-1, -1};
  int m_nCaretHeight = 0;
  UINT m_nLeadByte = 0;  // first byte of a double-byte character typed in two messages
  MemoMouse m_mouse;
  BackBuffer m_backBuffer;
  CMemoDropTarget m_dropTarget;
  // The find/replace dialog opened last and the request record it reports through.
  HWND m_hFindDialog = nullptr;
  FINDREPLACEA m_findRequest = {};
  char m_szFindWhat[256] = "";
  char m_szReplaceWith[256] = "";
};
