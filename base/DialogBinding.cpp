// The dialog procedure shared by every dialog and property page, and the control helpers.
#include "DialogBinding.h"

#include <prsht.h>

#include <new>
#include <vector>

#include "SjisBytes.h"

namespace {

std::string WindowText(HWND hwnd) {
  std::vector<char> text(GetWindowTextLengthA(hwnd) + 1, '\0');
  int length = GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()));
  return std::string(text.data(), length > 0 ? length : 0);
}

}  // namespace

INT_PTR DialogBinding::RunModal(HINSTANCE module, UINT templateId, HWND owner) {
  m_bModal = true;
  return DialogBoxParamA(module, MAKEINTRESOURCEA(templateId), owner, ModalProcedure,
                         reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK DialogBinding::ModalProcedure(HWND hwnd, UINT message, WPARAM wParam,
                                               LPARAM lParam) {
  DialogBinding* dialog = message == WM_INITDIALOG ? reinterpret_cast<DialogBinding*>(lParam) : nullptr;
  return Route(dialog, hwnd, message, wParam, lParam);
}

INT_PTR CALLBACK DialogBinding::PageProcedure(HWND hwnd, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
  DialogBinding* page = nullptr;
  // The sheet hands over its copy of the description, which carries the object.
  if (message == WM_INITDIALOG)
    page = reinterpret_cast<DialogBinding*>(reinterpret_cast<PROPSHEETPAGEA*>(lParam)->lParam);
  return Route(page, hwnd, message, wParam, lParam);
}

// Binds on WM_INITDIALOG (the object comes with it) and finds the object on every later message.
INT_PTR DialogBinding::Route(DialogBinding* dialog, HWND hwnd, UINT message, WPARAM wParam,
                             LPARAM lParam) {
  if (dialog) {
    dialog->m_hWnd = hwnd;
    SetWindowLongPtrA(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(dialog));
  } else {
    dialog = reinterpret_cast<DialogBinding*>(GetWindowLongPtrA(hwnd, DWLP_USER));
  }
  if (!dialog) return FALSE;
  INT_PTR result = FALSE;
  // No exception may leave a dialog procedure: the system's frames cannot unwind it.
  try {
    result = dialog->Dispatch(message, wParam, lParam);
  } catch (const std::bad_alloc&) {
    result = FALSE;
  }
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, DWLP_USER, 0);
    dialog->m_hWnd = nullptr;
  }
  return result;
}

INT_PTR DialogBinding::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      return OnInitDialog();
    case WM_COMMAND:
      return Command(LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
    case WM_DRAWITEM:
      return OnDrawItem(static_cast<int>(wParam), *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))
                 ? TRUE
                 : FALSE;
    default:
      return FALSE;
  }
}

bool DialogBinding::Command(int id, int code) {
  if (code == EN_CHANGE && m_limits.count(id)) EnforceLimit(id);
  if (OnCommand(id, code)) return true;
  if (!m_bModal) return false;
  if (id == IDOK)
    OnOK();
  else if (id == IDCANCEL)
    OnCancel();
  else
    return false;
  return true;
}

bool DialogBinding::OnCommand(int, int) { return false; }
bool DialogBinding::OnDrawItem(int, const DRAWITEMSTRUCT&) { return false; }

void DialogBinding::LimitText(int id, size_t maxBytes) {
  m_limits[id] = maxBytes;
  SendDlgItemMessageA(m_hWnd, id, EM_LIMITTEXT, maxBytes, 0);
}

void DialogBinding::EnforceLimit(int id) {
  HWND edit = GetDlgItem(id);
  std::string text = WindowText(edit);
  const size_t keep = SjisCutLength(text.data(), text.size(), m_limits[id]);
  if (keep == text.size()) return;
  SetWindowTextA(edit, text.substr(0, keep).c_str());
  SendMessageA(edit, EM_SETSEL, 0x7FFFFFFF, 0x7FFFFFFF);  // the caret after the text
}

std::string DialogBinding::GetText(int id) const {
  std::string text = WindowText(GetDlgItem(id));
  auto limit = m_limits.find(id);
  if (limit != m_limits.end()) text.resize(SjisCutLength(text.data(), text.size(), limit->second));
  return text;
}
