// The wait cursor, through the program's handler when it installed one.
#include "KVWaitCursor.h"

namespace {

KVWaitCursorHandler g_waitCursorHandler = nullptr;

}  // namespace

void KVSetWaitCursorHandler(KVWaitCursorHandler handler) { g_waitCursorHandler = handler; }

KVWaitCursor::KVWaitCursor() : m_previous(nullptr) {
  if (g_waitCursorHandler)
    g_waitCursorHandler(1);
  else
    m_previous = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
}

KVWaitCursor::~KVWaitCursor() {
  if (g_waitCursorHandler)
    g_waitCursorHandler(-1);
  else
    SetCursor(m_previous);
}
