// The question put for each recovery copy at start: 復元, 破棄 or 後で.
#pragma once

#include <string>

#include "Dialog.h"

enum class RecoveryChoice { kRestore, kDiscard, kLater };

class CRecoveryDlg : public CDialog {
 public:
  explicit CRecoveryDlg(const std::string& text);
  // Closing the dialog any other way counts as 後で: nothing is lost.
  RecoveryChoice Ask(HWND owner);

 protected:
  BOOL OnInitDialog() override;
  bool OnCommand(int id, int code) override;

 private:
  std::string m_text;
};

// The dialog's text: the memo (its path, or the new-memo words), the time of the copy, and
// a warning when the memo file was written after it.
std::string RecoveryOfferText(const std::string& memoPath, const FILETIME& copyWritten);
