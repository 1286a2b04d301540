// Adding and editing a row of a named-path list, and the refusals of bad rows.
#include "EntryDlg.h"

#include <utility>

#include "Messages.h"
#include "resource.h"

namespace {

const int kPathLimit = 260;

// The settings file drops blanks around names and values, so blanks count as nothing.
std::string Trimmed(const std::string& text) {
  size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

CEntryDlg::CEntryDlg(UINT templateId, int nameLimit, const EntryMessages& messages,
                     std::vector<std::string> taken)
    : CDialog(templateId),
      m_nNameLimit(nameLimit),
      m_messages(messages),
      m_taken(std::move(taken)) {}

BOOL CEntryDlg::OnInitDialog() {
  m_bEditing = !m_strName.empty();
  SendMessageA(GetDlgItem(IDC_ENTRY_NAME), EM_LIMITTEXT, m_nNameLimit, 0);
  SendMessageA(GetDlgItem(IDC_ENTRY_PATH), EM_LIMITTEXT, kPathLimit, 0);
  SetDlgItemText(IDC_ENTRY_NAME, m_strName.c_str());
  SetDlgItemText(IDC_ENTRY_PATH, m_strPath.c_str());
  // A row is renamed by deleting it and adding another.
  SendMessageA(GetDlgItem(IDC_ENTRY_NAME), EM_SETREADONLY, m_bEditing, 0);
  return TRUE;
}

bool CEntryDlg::OnCommand(int id, int code) {
  if (id != IDC_ENTRY_BROWSE || code != BN_CLICKED) return false;
  std::string path = FieldText(IDC_ENTRY_PATH);
  if (Browse(&path)) SetDlgItemText(IDC_ENTRY_PATH, path.c_str());
  return true;
}

void CEntryDlg::OnOK() {
  if (UINT refusal = Refusal()) {
    ShowMessage(m_hWnd, refusal);
    return;
  }
  std::string path = Trimmed(FieldText(IDC_ENTRY_PATH));
  if (!AcceptPath(path)) return;
  m_strName = Trimmed(FieldText(IDC_ENTRY_NAME));
  m_strPath = path;
  CDialog::OnOK();
}

UINT CEntryDlg::Refusal() const {
  std::string name = Trimmed(FieldText(IDC_ENTRY_NAME));
  if (!m_bEditing) {
    if (name.empty()) return m_messages.emptyName;
    if (UINT refusal = RefuseName(name)) return refusal;
    // "%" ends a name in the stored list.
    if (name.find('%') != std::string::npos) return m_messages.percentInName;
    for (const std::string& taken : m_taken)
      if (lstrcmpiA(taken.c_str(), name.c_str()) == 0) return m_messages.takenName;
  }
  if (Trimmed(FieldText(IDC_ENTRY_PATH)).empty()) return m_messages.emptyPath;
  return 0;
}

std::string CEntryDlg::FieldText(int id) const {
  char text[1024] = "";
  GetDlgItemTextA(m_hWnd, id, text, sizeof text);
  return text;
}
