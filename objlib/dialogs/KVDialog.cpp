// Modal dialogs from the library's own templates, edits limited in bytes, message boxes.
#include "KVDialog.h"

#include <vector>

#include "SjisText.h"

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

std::string WindowText(HWND hwnd) {
  std::vector<char> text(GetWindowTextLengthA(hwnd) + 1, '\0');
  int length = GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()));
  return std::string(text.data(), length > 0 ? length : 0);
}

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
INT_PTR KVDialog::DoModal() {
  return DialogBoxParamA(KVLibraryInstance(), MAKEINTRESOURCEA(m_nTemplateId), GetActiveWindow(),
                         DialogProcedure, reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK KVDialog::DialogProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* dialog = reinterpret_cast<KVDialog*>(lParam);
    dialog->m_hWnd = hwnd;
    SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
    return dialog->OnInitDialog();
  }
  auto* dialog = reinterpret_cast<KVDialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
  return dialog ? dialog->Dispatch(message, wParam, lParam) : FALSE;
}

INT_PTR KVDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DRAWITEM)
    return OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)) ? TRUE : FALSE;
  if (message != WM_COMMAND) return FALSE;
  const int id = LOWORD(wParam);
  const int code = HIWORD(wParam);
  if (code == EN_CHANGE && m_limits.count(id)) EnforceLimit(id);
  if (OnCommand(id, code)) return TRUE;
  if (id == IDOK)
    OnOK();
  else if (id == IDCANCEL)
    OnCancel();
  else
    return FALSE;
  return TRUE;
}

bool KVDialog::OnCommand(int, int) { return false; }
bool KVDialog::OnDrawItem(const DRAWITEMSTRUCT&) { return false; }

void KVDialog::LimitText(int id, size_t maxBytes) {
  m_limits[id] = maxBytes;
  SendDlgItemMessageA(m_hWnd, id, EM_LIMITTEXT, maxBytes, 0);
}

// The edit control may count characters rather than bytes (Wine does), so the limit in
// bytes is kept here: text past it is cut off, never inside a double-byte character.
void KVDialog::EnforceLimit(int id) {
  HWND edit = GetDlgItem(m_hWnd, id);
  std::string text = WindowText(edit);
  const size_t keep = KVCutLength(text.c_str(), m_limits[id]);
  if (keep == text.size()) return;
  SetWindowTextA(edit, text.substr(0, keep).c_str());
  SendMessageA(edit, EM_SETSEL, 0x7FFFFFFF, 0x7FFFFFFF);  // the caret after the text
}

std::string KVDialog::GetItemText(int id) const {
  std::string text = WindowText(GetDlgItem(m_hWnd, id));
  auto limit = m_limits.find(id);
  if (limit != m_limits.end()) text.resize(KVCutLength(text.c_str(), limit->second));
  return text;
}

void KVDialog::ShowStop(UINT stringId) {
  char text[512] = "";
  LoadStringA(KVLibraryInstance(), stringId, text, sizeof text);
  MessageBoxA(m_hWnd, text, ProgramName().c_str(), MB_OK | MB_ICONSTOP);
}
