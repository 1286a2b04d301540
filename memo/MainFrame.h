// CMainFrame: the one top-level window of a memo process: view, status bar, title, the
// close and save logic, and the answers to other memo windows.
#pragma once

#include "FrameWnd.h"
#include "MemoView.h"
#include "MemoWindows.h"

class KVFile;

class CMainFrame : public CFrameWnd {
 public:
  CMainFrame();

  // The title from the "Title" settings, the document name and the file path.
  void UpdateTitle();
  int OnFileSave();
  int OnFileSaveAs();
  bool OnCommand(UINT id) override;
  bool OnUpdateCommand(UINT id, CCmdUI* ui) override;

  bool m_bPlacementChanged;
  // While this window announces its own saves it does not reload its links for them.
  bool m_bAnnouncing = false;
  CMemoView m_wndView;

 protected:
  const char* FrameClassName() const override { return "KVMemoFrame"; }
  CWnd* GetActiveView() override { return m_wndView.m_hWnd ? &m_wndView : nullptr; }
  CCmdTarget* GetActiveViewTarget() override { return m_wndView.m_hWnd ? &m_wndView : nullptr; }
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  int OnCreate();
  void OnClose();
  bool OnSetCursor(UINT hitTest, UINT mouseMessage);
  void OnNotifyClose(LPARAM lParam);
  void OnViewStatusBar();
  void OnCloseAll();
  void OnFileNew() { StartNewMemo(); }
  void OnFileSaveText();
  void OnFileProperty();
  void OnFileSaveCommand() { OnFileSave(); }
  void OnFileSaveAsCommand() { OnFileSaveAs(); }
  bool IsStatusBarShown() { return m_wndStatusBar.IsVisible(); }
  static const CommandEntry<CMainFrame> kCommands[];
  // Saves through the view; shows the file and the reason on failure.
  int SaveTo(KVFile* file, const char* path, bool notify);
  // False when the file changed on disk since the stamp and the user does not overwrite it.
  static bool MayOverwrite(const FileStamp& stamp, const char* path);
  // Writes every memo edited in place that has unsaved changes to its own file.
  int SaveInPlaceMemos();
  int SaveInPlaceMemo(KVDocText* memo);
  // A link lets go of a memo with unsaved edits: they are written to its file.
  static void OnInPlaceMemoLetGo(KVObjDoc* memo);
  // From creation on, such edits are written; before the window goes, those still held by
  // the undo history are written, or (discard) forgotten.
  void TakeInPlaceEdits();
  void LetGoOfInPlaceMemos(bool discard);
  void ShowStatus(const char* text, bool lasting);
  // The status bar names the file an automatic name was saved to.
  void ShowSavedTo(const char* path);
};
