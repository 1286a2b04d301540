// The memo view's link and file commands: links made from paths, selections and files,
// links opened, closed, run and expanded, and memos opened or printed.
#include <windows.h>
#include <commdlg.h>
#include <mbstring.h>

#include <cstdlib>

#include "Dialog.h"
#include "FileDialogs.h"
#include "KVFile.h"
#include "KVObjLink.h"
#include "MemoGlobals.h"
#include "MemoStrings.h"
#include "MemoView.h"
#include "NewFileName.h"
#include "resource.h"

bool CMemoView::CanMakePathLink() {
  return Active().IsSelected() && !Active().IsLinkSelected() && !Active().IsObjSelected();
}

void CMemoView::OnPathToLink() {
  if (!CanMakePathLink()) return;
  if (Active().PathToLink() < 0)
    AfxMessageBox(IDS_SELECTION_TOO_LONG, MB_ICONHAND);
  else
    Refresh();
}

// The selection goes into a new file named after its first line (cut before the first
// character a file name cannot hold) and is replaced by a link to it.
void CMemoView::MakeLinkedFile(char* backPath) {
  char name[kPathSize] = "";
  Active().GetTopOfSelectedLine(name, sizeof name, nullptr);
  name[_mbscspn(reinterpret_cast<unsigned char*>(name),
                reinterpret_cast<const unsigned char*>("\\/:*\"<>"))] = '\0';
  if (!GetNewFileName(GetParent(m_hWnd), name)) return;
  KVFile file;
  file.Attach(name);
  if (Active().MakeLink(&file, backPath) == 1) Refresh();
}

void CMemoView::OnMakeLink() { MakeLinkedFile(nullptr); }

// The new file links back to the memo the selection is in.
void CMemoView::OnMakeMutualLink() {
  char* backPath = m_inPlace.Depth() ? Active().m_szPath : g_szFilePath;
  if (backPath[0]) MakeLinkedFile(backPath);
}

void CMemoView::OnExtendLink() {
  if (Active().IsLinkSelected() && Active().ExtendLink() == 1) Refresh();
}

void CMemoView::OnObjProperty() {
  if (Active().IsObjSelected() && Active().DoChildProperty() != 0) Refresh();
}

void CMemoView::InsertLinkTo(const char* path) {
  KVFile file;
  file.Attach(path);
  Active().Insert(new KVObjLink(nullptr, file));
  UpdateScrollBars();
  ShowCaretAt();
  Invalidate();
}

void CMemoView::OnSelfLink() {
  const char* self = m_inPlace.Depth() ? Active().m_szPath : g_szFilePath;
  if (self[0]) InsertLinkTo(self);
}

void CMemoView::OnInsertLink() {
  char path[kPathSize] = "";
  if (AskOpenFileName(GetParent(m_hWnd), IDS_FILTER_ALL, nullptr,
                      OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, path))
    InsertLinkTo(path);
}

void CMemoView::OnLinkOpen() {
  if (Active().IsLinkSelected() && Active().OpenLink() != 0) Refresh();
}

void CMemoView::OnLinkClose() {
  if (Active().IsLinkSelected() && Active().CloseLink() != 0) Refresh();
}

void CMemoView::OnLinkExec() {
  if (Active().IsLinkSelected()) Active().ExecLink();
}

// Another memo opens in a process of its own, through the shell's association of ".kvm".
void CMemoView::OnFileOpen() {
  char path[kPathSize] = "";
  if (!AskOpenFileName(GetParent(m_hWnd), IDS_FILTER_MEMO, "kvm",
                       OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST, path))
    return;
  KVFile file;
  if (file.Attach(path) >= 0) file.ExecFile();
}

void CMemoView::OnFilePrint() {
  char jobName[kPathSize] = "";
  lstrcpynA(jobName, LoadText(IDS_UNTITLED).c_str(), sizeof jobName);
  if (HasFile()) {
    char name[_MAX_FNAME], ext[_MAX_EXT];
    _splitpath(g_szFilePath, nullptr, nullptr, name, ext);
    lstrcpynA(jobName, name, sizeof jobName);
    lstrcatA(jobName, ext);
  }
  m_doc.DoPrint(jobName);
}

void CMemoView::OnHelp() {
  KVFile file;
  if (file.Attach("%bin%help\\help.kvm") >= 0) file.ExecFile();
}
