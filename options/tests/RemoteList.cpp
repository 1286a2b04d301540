// Reading and changing another process's list view through its own memory.
#include "RemoteList.h"

#include <commctrl.h>

#include "SheetDriver.h"

namespace {

const size_t kTextOffset = 256;
const size_t kTextSize = 1024;

}  // namespace

RemoteList::RemoteList(HANDLE process, HWND list) : m_process(process), m_list(list) {
  m_remote = static_cast<char*>(VirtualAllocEx(process, nullptr, kTextOffset + kTextSize,
                                               MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
}

RemoteList::~RemoteList() {
  if (m_remote) VirtualFreeEx(m_process, m_remote, 0, MEM_RELEASE);
}

std::vector<ListRow> RemoteList::Rows() {
  std::vector<ListRow> rows;
  int count = static_cast<int>(SendTo(m_list, LVM_GETITEMCOUNT));
  for (int row = 0; row < count; ++row) {
    LRESULT state = SendTo(m_list, LVM_GETITEMSTATE, row, LVIS_STATEIMAGEMASK);
    rows.push_back({Text(row, 0), Text(row, 1), ((state & LVIS_STATEIMAGEMASK) >> 12) == 2});
  }
  return rows;
}

int RemoteList::Selected() const {
  return static_cast<int>(SendTo(m_list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void RemoteList::Select(int row) {
  if (row < 0) {
    SetState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    return;
  }
  SetState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void RemoteList::SetChecked(int row, bool checked) {
  SetState(row, INDEXTOSTATEIMAGEMASK(checked ? 2 : 1), LVIS_STATEIMAGEMASK);
}

std::string RemoteList::Text(int row, int column) {
  LVITEMA item = {};
  item.iSubItem = column;
  item.pszText = m_remote + kTextOffset;
  item.cchTextMax = kTextSize;
  WriteProcessMemory(m_process, m_remote, &item, sizeof item, nullptr);
  SendTo(m_list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(m_remote));
  char text[kTextSize] = "";
  ReadProcessMemory(m_process, m_remote + kTextOffset, text, sizeof text - 1, nullptr);
  return text;
}

void RemoteList::SetState(int row, UINT state, UINT mask) {
  LVITEMA item = {};
  item.state = state;
  item.stateMask = mask;
  WriteProcessMemory(m_process, m_remote, &item, sizeof item, nullptr);
  SendTo(m_list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(m_remote));
}
