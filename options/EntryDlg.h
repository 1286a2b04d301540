// CEntryDlg: the dialog that adds or edits one row of a named-path list: a name (read-only
// when editing), a path with a "..." browse button, and the checks that refuse bad rows.
#pragma once

#include <string>
#include <vector>

#include "Dialog.h"

// The messages of one kind of list, as string ids.
struct EntryMessages {
  UINT emptyName;
  UINT percentInName;
  UINT takenName;
  UINT emptyPath;
};

class CEntryDlg : public CDialog {
 public:
  // taken: the names already in the list (a new row may not repeat one, case ignored).
  CEntryDlg(UINT templateId, int nameLimit, const EntryMessages& messages,
            std::vector<std::string> taken);

  // In: the row to edit (editing when the name is not empty). Out after OK: the row.
  std::string m_strName;
  std::string m_strPath;

 protected:
  // The refusal of a new name beyond the shared ones: a string id, or 0.
  virtual UINT RefuseName(const std::string& name) const {
    (void)name;
    return 0;
  }
  // Asks for a path with the platform's chooser; false when the user cancelled.
  virtual bool Browse(std::string* path) = 0;
  // The last say on a path that passed the shared checks; false keeps the dialog open
  // (the override has told the user why).
  virtual bool AcceptPath(const std::string& path) {
    (void)path;
    return true;
  }

 private:
  BOOL OnInitDialog() override;
  bool OnCommand(int id, int code) override;
  void OnOK() override;
  UINT Refusal() const;
  std::string FieldText(int id) const;

  int m_nNameLimit;
  EntryMessages m_messages;
  std::vector<std::string> m_taken;
  bool m_bEditing = false;
};
