// The recovery question: a template of our own with three buttons.
#include "RecoveryDlg.h"

#include <cstdio>
#include <vector>

#include "FileStamp.h"
#include "MemoStrings.h"
#include "resource.h"

CRecoveryDlg::CRecoveryDlg(const std::string& text) : CDialog(IDD_RECOVERY), m_text(text) {}

RecoveryChoice CRecoveryDlg::Ask(HWND owner) {
  switch (DoModal(owner)) {
    case IDC_RECOVERY_RESTORE: return RecoveryChoice::kRestore;
    case IDC_RECOVERY_DISCARD: return RecoveryChoice::kDiscard;
    default: return RecoveryChoice::kLater;
  }
}

BOOL CRecoveryDlg::OnInitDialog() {
  SetDlgItemText(IDC_RECOVERY_TEXT, m_text.c_str());
  return TRUE;
}

bool CRecoveryDlg::OnCommand(int id, int code) {
  if (code != BN_CLICKED ||
      (id != IDC_RECOVERY_RESTORE && id != IDC_RECOVERY_DISCARD && id != IDC_RECOVERY_LATER))
    return false;
  EndDialog(m_hWnd, id);
  return true;
}

std::string RecoveryOfferText(const std::string& memoPath, const FILETIME& copyWritten) {
  SYSTEMTIME utc = {}, local = {};
  char when[64] = "";
  if (FileTimeToSystemTime(&copyWritten, &utc) &&
      SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local))
    std::snprintf(when, sizeof when, "%04u/%02u/%02u %02u:%02u:%02u", local.wYear, local.wMonth,
                  local.wDay, local.wHour, local.wMinute, local.wSecond);
  const std::string memo = memoPath.empty() ? LoadText(IDS_RECOVERY_NEW_MEMO) : memoPath;
  const std::string format = LoadText(IDS_RECOVERY_OFFER);
  std::vector<char> text(format.size() + memo.size() + sizeof when + 1);
  std::snprintf(text.data(), text.size(), format.c_str(), memo.c_str(), when);
  std::string offer = text.data();
  const FileStamp file = FileStamp::Of(memoPath.c_str());
  if (!memoPath.empty() && file.exists && CompareFileTime(&file.written, &copyWritten) > 0)
    offer += LoadText(IDS_RECOVERY_FILE_NEWER);
  return offer;
}
