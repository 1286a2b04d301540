// Modal dialogs from the library's own templates, and their message boxes.
#include "KVDialog.h"

#include <string>

HINSTANCE KVLibraryInstance() {
  static const HINSTANCE instance = [] {
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&KVLibraryInstance), &module);
    return module;
  }();
  return instance;
}

namespace {

// The program's name, as the message boxes of a program without a title string show it.
std::string ProgramName() {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  char name[_MAX_FNAME] = "";
  _splitpath(path, nullptr, nullptr, name, nullptr);
  return name;
}

}  // namespace

// Like a dialog made without a parent, the dialog is owned by the window that is active.
INT_PTR KVDialog::DoModal() { return RunModal(KVLibraryInstance(), m_nTemplateId, GetActiveWindow()); }

void KVDialog::ShowStop(UINT stringId) {
  char text[512] = "";
  LoadStringA(KVLibraryInstance(), stringId, text, sizeof text);
  MessageBoxA(m_hWnd, text, ProgramName().c_str(), MB_OK | MB_ICONSTOP);
}
