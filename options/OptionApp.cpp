// The start of the options editor: hand-over to a running one, folders, then the sheet.
#include "OptionApp.h"

#include <commctrl.h>
#include <ole2.h>

#include "FilePage.h"
#include "GeneralPage.h"
#include "LinkDefaultsPage.h"
#include "ObjectDefaultsPage.h"
#include "PluginPage.h"
#include "PropertySheet.h"
#include "Settings.h"
#include "resource.h"

const char kOptionSheetTitle[] = "ＫＶＭｅｍｏのオプション設定";

namespace {

// Brings a running editor to the front (its open dialog, if any); false when none runs.
bool ActivateRunning() {
  HWND sheet = FindWindowA(nullptr, kOptionSheetTitle);
  if (!sheet) return false;
  if (IsIconic(sheet)) ShowWindow(sheet, SW_RESTORE);
  SetForegroundWindow(GetLastActivePopup(sheet));
  return true;
}

void RunSheet() {
  CFilePage file;
  CGeneralPage general;
  CObjectDefaultsPage objectDefaults;
  CLinkDefaultsPage linkDefaults;
  CPluginPage plugins;
  CPropertySheet sheet(kOptionSheetTitle, IDI_PROGRAM);
  sheet.AddPage(&file);
  sheet.AddPage(&general);
  sheet.AddPage(&objectDefaults);
  sheet.AddPage(&linkDefaults);
  sheet.AddPage(&plugins);
  sheet.DoModal(nullptr);
}

}  // namespace

bool COptionApp::InitInstance() {
  if (ActivateRunning()) return false;
  Settings::Locate();
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  // The system folder browser is a shell object.
  HRESULT ole = OleInitialize(nullptr);
  RunSheet();
  if (SUCCEEDED(ole)) OleUninitialize();
  return false;
}
