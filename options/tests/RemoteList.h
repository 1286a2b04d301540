// RemoteList: a list view of another process, read and changed through memory allocated in
// that process (the list's item messages carry pointers, which no message copies across).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct ListRow {
  std::string name;
  std::string path;
  bool checked;
};

class RemoteList {
 public:
  RemoteList(HANDLE process, HWND list);
  RemoteList(const RemoteList&) = delete;
  RemoteList& operator=(const RemoteList&) = delete;
  ~RemoteList();

  std::vector<ListRow> Rows();
  int Selected() const;
  // Selects the row, or clears the selection with -1, as a click would.
  void Select(int row);
  void SetChecked(int row, bool checked);

 private:
  std::string Text(int row, int column);
  void SetState(int row, UINT state, UINT mask);

  HANDLE m_process;
  HWND m_list;
  char* m_remote = nullptr;  // an LVITEMA followed by its text buffer, in the list's process
};
