// The start of a memo process: OLE, clipboard formats, folders, cursors, the command line,
// the hand-over to a window that already shows the file, and the main frame.
#include "MemoApp.h"

#include <direct.h>
#include <ole2.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <thread>

#include "CommandLine.h"
#include "Cursors.h"
#include "Dialog.h"
#include "FileMessages.h"
#include "KVProfile.h"
#include "KVWaitCursor.h"
#include "MainFrame.h"
#include "MemoGlobals.h"
#include "MemoWindows.h"
#include "RecoveryCopy.h"
#include "RecoveryOffer.h"
#include "IndexWorker.h"
#include "SearchCommands.h"
#include "StartupHandOffs.h"
#include "SjisText.h"
#include "WindowCascade.h"
#include "resource.h"

namespace {

// The shell's first icon in a process sets up its image lists, tens of milliseconds under
// Wine; asked on a thread of its own from the start, it is ready when the first paint draws
// a link.
void PrepareShellIconsAside() {
  std::thread([] {
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return;
    char program[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, program, sizeof program);
    SHFILEINFOA info = {};
    if (SHGetFileInfoA(program, FILE_ATTRIBUTE_NORMAL, &info, sizeof info,
                       SHGFI_ICON | SHGFI_SMALLICON))
      DestroyIcon(info.hIcon);
    CoUninitialize();
  }).detach();
}

}  // namespace

// The folders as the library computes them; unlike the library the program creates them.
void CMemoApp::ComputeFolders() {
  const KVFolders& folders = KVGetFolders();
  _mkdir(folders.app);
  _mkdir(folders.config);
  _mkdir(folders.data);
  KVCopyCut(g_szUserDataDir, kPathSize, folders.data);
  KVCopyCut(g_szProgramDir, kPathSize, folders.program);
}

// A path that cannot be made whole is refused with its reason, and the window opens as a
// new memo: cut or left relative, it would name another file.
void CMemoApp::TakeStartupPath(const std::string& token) {
  g_szFilePath[0] = '\0';
  if (token.empty() || StartupPath(token, g_szFilePath)) return;
  ShowFileSystemError(IDS_CANNOT_READ, token.c_str(), GetLastError());
}

bool CMemoApp::InitInstance() {
  PrepareShellIconsAside();
  if (FAILED(OleInitialize(nullptr))) return false;
  g_cfKaveloDataBus = RegisterClipboardFormatA("CF_KAVELO_DATA_BUS");
  g_cfKaveloExtendFile = RegisterClipboardFormatA("CF_KAVELO_EXTEND_FILE");
  g_cfUniformResourceLocator = RegisterClipboardFormatA("UniformResourceLocator");
  ComputeFolders();
  LoadCursorTable(KVGetProfileInt(kUseTronPointer) != 0);
  m_hcurWait = g_hcurWait;
  // The library's long operations show the program's wait cursor, counted with its own.
  KVSetWaitCursorHandler([](int nCode) { AfxGetApp()->DoWaitCursor(nCode); });
  TakeStartupPath(LastCommandLineToken(m_lpCmdLine));
  g_szDocName[0] = '\0';
  if (g_szFilePath[0] && KVGetProfileInt(kShortToLongNames)) ConvertToLongPath(g_szFilePath);
  if (g_szFilePath[0] && ActivateWindowShowing(g_szFilePath)) return false;

  const bool startedEmpty = !g_szFilePath[0];
  auto* frame = new CMainFrame;
  m_pMainWnd = frame;
  if (!frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW,
                        KVGetProfileInt(kUseMenuBar) != 0)) {
    // A window that was made and then failed has deleted its frame, and let go of it here.
    if (m_pMainWnd) delete frame;
    m_pMainWnd = nullptr;
    return false;
  }
  // A memo that brought its own placement keeps it; any other window cascades.
  if (!g_szFilePath[0] || frame->m_wndView.m_doc.m_wndpl.length == 0)
    PlaceBelowOpener(frame->m_hWnd);
  AnnounceAsOpener(frame->m_hWnd);
  frame->UpdateTitle();
  frame->ShowWindow(SW_SHOW);
  UpdateWindow(frame->m_hWnd);
  frame->m_wndView.FinishStart();
  frame->m_bPlacementChanged = false;
  RecoveryCopy::Instance().Watch(&frame->m_wndView);
  TakeStartupHandOffs(frame);
  OfferRecoveryCopies(frame, startedEmpty);
  return true;
}

// The window is gone: saved, or closed without saving as the user chose.
int CMemoApp::ExitInstance(int exitCode) {
  RecoveryCopy::Instance().Stop();
  // A save's update of the index is let finish; a long search is not waited for.
  IndexWorker::Instance().Finish(3000);
  OleUninitialize();
  return exitCode;
}

const CommandEntry<CMemoApp> CMemoApp::kCommands[] = {
    {ID_APP_ABOUT, &CMemoApp::OnAppAbout, nullptr},
};

bool CMemoApp::OnCommand(UINT id) {
  return RunCommand(this, kCommands, id) || SearchCommands::Instance().OnCommand(id) ||
         CWinApp::OnCommand(id);
}

bool CMemoApp::OnUpdateCommand(UINT id, CCmdUI* ui) {
  return UpdateCommand(this, kCommands, id, ui) ||
         SearchCommands::Instance().OnUpdateCommand(id, ui) || CWinApp::OnUpdateCommand(id, ui);
}

void CMemoApp::OnAppAbout() {
  CDialog about(IDD_ABOUTBOX);
  about.DoModal(m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr);
}
