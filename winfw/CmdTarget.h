// Command routing: a target runs the commands it has handlers for and tells whether they
// are enabled. Frames offer each command to the view, then themselves, then the application.
#pragma once

#include <windows.h>

#include <cstddef>

// The enabled and checked state one target gives a menu item.
struct CCmdUI {
  bool enabled = true;
  int checked = -1;  // -1: leave the check mark alone
};

class CCmdTarget {
 public:
  virtual ~CCmdTarget() = default;
  // Runs the command; false when this target has no handler for it.
  virtual bool OnCommand(UINT id) {
    (void)id;
    return false;
  }
  // Fills the item's state; false when this target has no handler for the command.
  virtual bool OnUpdateCommand(UINT id, CCmdUI* ui) {
    (void)id;
    (void)ui;
    return false;
  }
};

// One line of a command table: the handler and the rule that enables it (none: always).
template <class T>
struct CommandEntry {
  UINT id;
  void (T::*run)();
  bool (T::*enabled)();
};

template <class T, size_t N>
const CommandEntry<T>* FindCommand(const CommandEntry<T> (&table)[N], UINT id) {
  for (const CommandEntry<T>& entry : table)
    if (entry.id == id) return &entry;
  return nullptr;
}

// The OnCommand and OnUpdateCommand of a target whose commands are a table.
template <class T, size_t N>
bool RunCommand(T* target, const CommandEntry<T> (&table)[N], UINT id) {
  const CommandEntry<T>* entry = FindCommand(table, id);
  if (!entry) return false;
  (target->*entry->run)();
  return true;
}

template <class T, size_t N>
bool UpdateCommand(T* target, const CommandEntry<T> (&table)[N], UINT id, CCmdUI* ui) {
  const CommandEntry<T>* entry = FindCommand(table, id);
  if (!entry) return false;
  ui->enabled = !entry->enabled || (target->*entry->enabled)();
  return true;
}
