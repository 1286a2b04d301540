// The search dialog over its resource template (Search.rc).
#include "SearchDlg.h"

#include "Dialog.h"
#include "LineMatch.h"
#include "TextCodec.h"
#include "resource.h"

namespace {

// The words are sent to a memo window in its environment: kept well inside its limits.
const size_t kMaxWordsBytes = 255;

class SearchDlg : public CDialog {
 public:
  SearchDlg(bool memoHasFolder, SearchDlgResult* result)
      : CDialog(IDD_SEARCH), m_memoHasFolder(memoHasFolder), m_result(result) {}

 private:
  BOOL OnInitDialog() override {
    LimitText(IDC_SEARCH_WORDS, kMaxWordsBytes);
    SetText(IDC_SEARCH_WORDS, m_result->words);
    SetCheck(IDC_SEARCH_MATCH_CASE, m_result->matchCase);
    const bool thisFolder = m_memoHasFolder && m_result->thisFolder;
    SetCheck(IDC_SEARCH_ALL_FOLDERS, !thisFolder);
    SetCheck(IDC_SEARCH_THIS_FOLDER, thisFolder);
    Enable(IDC_SEARCH_THIS_FOLDER, m_memoHasFolder);
    return TRUE;
  }
  void OnOK() override {
    m_result->words = GetText(IDC_SEARCH_WORDS);
    m_result->matchCase = IsChecked(IDC_SEARCH_MATCH_CASE);
    m_result->thisFolder = IsChecked(IDC_SEARCH_THIS_FOLDER);
    CDialog::OnOK();
  }

  bool m_memoHasFolder;
  SearchDlgResult* m_result;
};

}  // namespace

bool AskSearchWords(HWND owner, bool memoHasFolder, SearchDlgResult* result) {
  SearchDlg dialog(memoHasFolder, result);
  // Spaces alone search nothing.
  return dialog.DoModal(owner) == IDOK && !QueryWords(Utf8FromSjis(result->words)).empty();
}
