// COptionApp: the options editor's application object: one instance, the folders, the
// property sheet.
#pragma once

#include "WinApp.h"

class COptionApp : public CWinApp {
 public:
  // Runs the whole program; always false, as there is no message loop after the sheet.
  bool InitInstance() override;
};

// The sheet's title, by which a second start finds the first.
extern const char kOptionSheetTitle[];
