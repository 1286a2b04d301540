// The wait cursor of the library's long operations. A program may take it over (its own
// cursor, its own count of nested waits); otherwise the system's wait cursor shows.
#pragma once

#include <windows.h>

#include "KVObjApi.h"

// Called with +1 when a wait begins and -1 when it ends; none restores the default.
typedef void (*KVWaitCursorHandler)(int nCode);
KVOBJ_API void KVSetWaitCursorHandler(KVWaitCursorHandler handler);

// Shows the wait cursor for the object's lifetime.
class KVWaitCursor {
 public:
  KVWaitCursor();
  ~KVWaitCursor();
  KVWaitCursor(const KVWaitCursor&) = delete;
  KVWaitCursor& operator=(const KVWaitCursor&) = delete;

 private:
  HCURSOR m_previous;
};
