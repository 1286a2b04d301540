// The application object, its message loop and the program's entry point.
#include "WinApp.h"

#include <algorithm>

#include "FrameWnd.h"
#include "FrameworkIds.h"

namespace {

CWinApp* g_app = nullptr;

// The arguments behind the program name in the process's command line.
const char* ArgumentsOf(const char* commandLine) {
  const char* p = commandLine;
  if (*p == '"') {
    ++p;
    while (*p && *p != '"') ++p;
    if (*p) ++p;
  } else {
    while (*p && *p != ' ' && *p != '\t') ++p;
  }
  while (*p == ' ' || *p == '\t') ++p;
  return p;
}

}  // namespace

CWinApp::CWinApp()
    : m_hInstance(GetModuleHandleA(nullptr)), m_lpCmdLine(""), m_pMainWnd(nullptr),
      m_szAppName(), m_hcurWait(LoadCursorA(nullptr, IDC_WAIT)) {
  g_app = this;
}

CWinApp::~CWinApp() { g_app = nullptr; }

CWinApp* AfxGetApp() { return g_app; }

const char* AfxGetAppName() { return g_app ? g_app->m_szAppName : ""; }

void CWinApp::DoWaitCursor(int nCode) {
  m_nWaitCursorCount += nCode;
  if (m_nWaitCursorCount <= 0) {
    m_nWaitCursorCount = 0;
    SetCursor(m_hcurRestore);
    return;
  }
  HCURSOR replaced = SetCursor(m_hcurWait);
  if (nCode > 0 && m_nWaitCursorCount == 1) m_hcurRestore = replaced;
}

bool CWinApp::OnCommand(UINT id) {
  if (id != ID_APP_EXIT || !m_pMainWnd) return false;
  PostMessageA(m_pMainWnd->m_hWnd, WM_CLOSE, 0, 0);
  return true;
}

bool CWinApp::OnUpdateCommand(UINT id, CCmdUI*) { return id == ID_APP_EXIT; }

void CWinApp::AddModeless(HWND dialog) { m_modeless.push_back(dialog); }

void CWinApp::RemoveModeless(HWND dialog) {
  m_modeless.erase(std::remove(m_modeless.begin(), m_modeless.end(), dialog), m_modeless.end());
}

bool CWinApp::PreTranslate(MSG* msg) {
  // Accelerators first, so that Ctrl+H or Ctrl+M never reach the view as characters.
  if (m_pMainWnd && m_pMainWnd->m_hAccel && m_pMainWnd->m_hWnd &&
      (msg->hwnd == m_pMainWnd->m_hWnd || IsChild(m_pMainWnd->m_hWnd, msg->hwnd)) &&
      TranslateAcceleratorA(m_pMainWnd->m_hWnd, m_pMainWnd->m_hAccel, msg))
    return true;
  for (HWND dialog : m_modeless)
    if (IsDialogMessageA(dialog, msg)) return true;
  return false;
}

int CWinApp::Run() {
  MSG msg;
  for (;;) {
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) && m_pMainWnd) m_pMainWnd->OnIdle();
    BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) break;
    if (PreTranslate(&msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  CWinApp* app = AfxGetApp();
  if (!app) return 1;
  app->m_hInstance = instance;
  app->m_lpCmdLine = ArgumentsOf(GetCommandLineA());
  LoadStringA(instance, IDS_APP_TITLE, app->m_szAppName, sizeof app->m_szAppName);
  if (!app->InitInstance()) return 0;
  return app->ExitInstance(app->Run());
}
