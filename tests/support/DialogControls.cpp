// Working a dialog's controls as a person's input would, in this process or another.
#include "DialogControls.h"

namespace {

BOOL CALLBACK JoinStatics(HWND hwnd, LPARAM param) {
  char className[16] = "";
  GetClassNameA(hwnd, className, sizeof className);
  if (_stricmp(className, "Static") != 0) return TRUE;
  std::string text = TextOf(hwnd);
  // An icon's static holds its resource ordinal (0xFF and the number), no text.
  if (text.empty() || text[0] == '\xFF') return TRUE;
  auto* joined = reinterpret_cast<std::string*>(param);
  if (!joined->empty()) *joined += "|";
  *joined += text;
  return TRUE;
}

}  // namespace

LRESULT SendTo(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, kWaitMs, &result);
  return static_cast<LRESULT>(result);
}

void Notify(HWND dialog, int id, int code) {
  SendTo(dialog, WM_COMMAND, MAKEWPARAM(id, code),
         reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// WM_GETTEXT reaches a control of another process: the system copies the text across.
std::string TextOf(HWND window) {
  char text[1024] = "";
  SendTo(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

std::string ControlText(HWND dialog, int id) { return TextOf(GetDlgItem(dialog, id)); }

std::string MessageText(HWND box) { return ControlText(box, 0xFFFF); }

std::string DialogText(HWND dialog) {
  std::string joined;
  EnumChildWindows(dialog, JoinStatics, reinterpret_cast<LPARAM>(&joined));
  return joined;
}

void SetControlText(HWND dialog, int id, const std::string& sjisText) {
  SendTo(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(sjisText.c_str()));
}

void ReplaceText(HWND dialog, int id, const std::string& sjisText) {
  HWND edit = GetDlgItem(dialog, id);
  SendTo(edit, EM_SETSEL, 0, -1);
  SendTo(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(sjisText.c_str()));
}

bool Checked(HWND dialog, int id) {
  return SendTo(GetDlgItem(dialog, id), BM_GETCHECK) == BST_CHECKED;
}

void SetChecked(HWND dialog, int id, bool checked) {
  SendTo(GetDlgItem(dialog, id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED);
}

bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }

int Chosen(HWND dialog, int id) {
  return static_cast<int>(SendTo(GetDlgItem(dialog, id), CB_GETCURSEL));
}

int ChoiceCount(HWND dialog, int id) {
  return static_cast<int>(SendTo(GetDlgItem(dialog, id), CB_GETCOUNT));
}

void Choose(HWND dialog, int id, int index) {
  SendTo(GetDlgItem(dialog, id), CB_SETCURSEL, index);
  Notify(dialog, id, CBN_SELCHANGE);
}

bool ChooseComboItem(HWND dialog, int id, const char* text) {
  LRESULT index =
      SendTo(GetDlgItem(dialog, id), CB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>(text));
  if (index == CB_ERR) return false;
  Choose(dialog, id, static_cast<int>(index));
  return true;
}

void PressButton(HWND dialog, int id) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

bool PressAndWait(HWND dialog, int id, DWORD timeoutMs) {
  PressButton(dialog, id);
  return WaitUntil([dialog] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }, timeoutMs);
}

void AnswerFileDialog(HWND dialog, const std::string& path) {
  // The name box: an edit (edt1) in one layout of the dialog, a combo box (cmb13) in another.
  const int nameBox = GetDlgItem(dialog, 1148) ? 1148 : 1152;
  SetControlText(dialog, nameBox, path);
  PressButton(dialog, IDOK);
}
