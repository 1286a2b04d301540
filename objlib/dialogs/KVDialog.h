// KVDialog: a modal dialog of the library, made from a template in KVObj.dll itself. The
// library has no application object: a dialog is owned by the window that is active when it
// opens, and its message boxes are titled with the program's name.
#pragma once

#include <windows.h>

#include "DialogBinding.h"

// The library's own module, where its dialog templates and strings are.
HINSTANCE KVLibraryInstance();

class KVDialog : public DialogBinding {
 public:
  explicit KVDialog(UINT templateId) : m_nTemplateId(templateId) {}

  // Runs the dialog; IDOK, IDCANCEL, or -1 when it could not be created.
  INT_PTR DoModal();

 protected:
  // A message box with a string of the library, the stop icon, the program's name.
  void ShowStop(UINT stringId);

 private:
  UINT m_nTemplateId;
};
