// CEntryList: a report list of named paths (data folders, plug-ins) with the two columns
// the pages show, optionally with a check box per row.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class CEntryDlg;

class CEntryList {
 public:
  void Attach(HWND list, const char* nameColumn, const char* pathColumn, bool checkBoxes);
  int Count() const;
  // The selected row, or -1.
  int Selected() const;
  int Append(const std::string& name, const std::string& path);
  void SetPath(int row, const std::string& path);
  void Delete(int row);
  std::string Name(int row) const { return Text(row, 0); }
  std::string Path(int row) const { return Text(row, 1); }
  std::vector<std::string> Names() const;
  // Runs the dialog for a new row and appends it; false when cancelled.
  bool AddWith(CEntryDlg& dialog, HWND owner);
  // Runs the dialog on the row and takes its new path; false when cancelled.
  bool EditWith(int row, CEntryDlg& dialog, HWND owner);
  bool IsChecked(int row) const;
  void SetChecked(int row, bool checked);

 private:
  std::string Text(int row, int column) const;
  HWND m_hList = nullptr;
};
