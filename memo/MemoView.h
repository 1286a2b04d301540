// CMemoView: the memo frame's client window. It holds the memo's text document and turns
// painting, keys, the input method and scrolling into document operations; the mouse and
// drops go to its MemoMouse.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <functional>
#include <map>

#include "BackBuffer.h"
#include "CmdTarget.h"
#include "FileStamp.h"
#include "InPlaceEdit.h"
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
  // Repaints what an edit changed: the whole view, or only the memo edited in place.
  void InvalidateEdit();
  void Refresh();
  // Repaints the lines the last edit of the memo being edited changed, or everything below
  // them that moved, within that memo's area.
  void InvalidateChangedLines();
  // Every link to the saved file (none: every link) reads its file again; a drag in
  // progress ends first, and a drag out through OLE puts the reading off until it is over.
  void ReloadLinks(LINK* link);
  // Writes the memo with the frame's placement; announces the save when notify is true.
  int SaveDocument(KVFile* file, bool notify);
  // Loads g_szFilePath when the frame is created.
  void LoadStartupFile(HWND frame);
  // What the first paint does not need, done after it and before any message is taken: the
  // drop target and the input method's opening state.
  void FinishStart();
  // The caret goes until the view has the focus again.
  void HideCaretUntilFocus();
  // A scroll bar's request; the mouse also scrolls line by line while a drag is outside.
  void OnScroll(int bar, UINT request, UINT position);
  bool OnCommand(UINT id) override;
  bool OnUpdateCommand(UINT id, CCmdUI* ui) override;

  // The document that keys, commands and the caret act on: the window's memo, or the memo
  // opened in place that is being edited.
  KVDocText& Active() { return m_inPlace.Active(); }
  POINT ToActive(POINT window) const { return m_inPlace.ToActive(window); }
  CRect ToWindow(CRect rect) const { return m_inPlace.ToWindow(rect); }
  // A press at the point enters or leaves memos opened in place so the active one holds it.
  void FollowPoint(POINT window);
  // The memos opened in place that were read or written here, with their files' stamps.
  void NoteInPlaceSaved(const KVDocText* memo);
  const FileStamp* InPlaceStamp(const KVDocText* memo) const;

  KVDocText m_doc;
  // The memo's file as it was when last read or written here.
  FileStamp m_diskStamp;
  // Shows a text in the status bar: lasting (it replaces the idle text) or until the next.
  std::function<void(const char* text, bool lasting)> m_showStatus;

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
  bool CanUndo() { return Active().CanUndo(); }
  bool CanRedo() { return Active().CanRedo(); }
  bool IsSelected() { return Active().IsSelected(); }
  bool CanPaste() { return Active().CanPaste(); }
  bool CanMakePathLink();
  bool IsLinkSelected() { return Active().IsLinkSelected(); }
  bool IsObjSelected() { return Active().IsObjSelected(); }
  bool HasFile();
  void OnEditUndo();
  void OnEditRedo();
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
  // Entering and leaving memos opened in place (MemoViewInPlace.cpp).
  bool CanEditInPlace();
  void OnLinkEditInPlace();
  LIST* SelectedLinkNode();
  void LeaveInPlace(int depth);
  // After entering or leaving: stamps, status text, caret and paint.
  void AfterLevelChange();
  // The status bar names the file being edited in place.
  void ShowEditingStatus();
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
  InPlaceEdit m_inPlace{m_doc};
  std::map<const KVDocText*, FileStamp> m_inPlaceStamps;
  MemoMouse m_mouse;
  BackBuffer m_backBuffer;
  CMemoDropTarget m_dropTarget;
  // The find/replace dialog opened last and the request record it reports through.
  HWND m_hFindDialog = nullptr;
  FINDREPLACEA m_findRequest = {};
  char m_szFindWhat[256] = "";
  char m_szReplaceWith[256] = "";
};
