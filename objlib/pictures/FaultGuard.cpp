// The fault guard: while a thread is inside a guarded call, a vectored exception handler
// turns a processor fault into a jump back to the point just before the call. The handler
// only moves the faulting context to a landing function and lets the system continue
// there, so the exception is finished before the jump; the landing function then jumps
// with the compiler's own setjmp/longjmp pair (mingw-w64 has no __try).
#include "FaultGuard.h"

#include <windows.h>

namespace {

// The jump buffer of the innermost guarded call of this thread, or none.
DWORD JumpSlot() {
  static const DWORD slot = TlsAlloc();
  return slot;
}

bool IsProcessorFault(DWORD code) {
  switch (code) {
    case EXCEPTION_ACCESS_VIOLATION:
    case EXCEPTION_ARRAY_BOUNDS_EXCEEDED:
    case EXCEPTION_DATATYPE_MISALIGNMENT:
    case EXCEPTION_ILLEGAL_INSTRUCTION:
    case EXCEPTION_IN_PAGE_ERROR:
    case EXCEPTION_INT_DIVIDE_BY_ZERO:
    case EXCEPTION_INT_OVERFLOW:
    case EXCEPTION_PRIV_INSTRUCTION:
    case EXCEPTION_STACK_OVERFLOW:
      return true;
    default:
      return false;
  }
}

[[noreturn]] void LandAfterFault() {
  __builtin_longjmp(static_cast<void**>(TlsGetValue(JumpSlot())), 1);
}

// Software exceptions (C++ throws, debugger notices) pass on: the plug-in may handle them.
LONG CALLBACK RedirectFault(EXCEPTION_POINTERS* info) {
  if (!IsProcessorFault(info->ExceptionRecord->ExceptionCode)) return EXCEPTION_CONTINUE_SEARCH;
  if (!TlsGetValue(JumpSlot())) return EXCEPTION_CONTINUE_SEARCH;
  CONTEXT* context = info->ContextRecord;
  // The landing function starts as if called: the stack 16-byte aligned before the call's
  // return address (x86_64), or 4 bytes pushed below a 16-byte boundary (i686).
#ifdef _WIN64
  context->Rsp = (context->Rsp & ~DWORD64{15}) - 8;
  context->Rip = reinterpret_cast<DWORD64>(&LandAfterFault);
#else
  context->Esp = (context->Esp & ~DWORD{15}) - 4;
  context->Eip = reinterpret_cast<DWORD>(&LandAfterFault);
#endif
  return EXCEPTION_CONTINUE_EXECUTION;
}

}  // namespace

bool KVRunGuarded(void (*call)(void*), void* context) {
  void* jump[5];
  // Kept in memory: the values must survive the jump back.
  void* volatile outer = TlsGetValue(JumpSlot());
  void* volatile handler = AddVectoredExceptionHandler(1, RedirectFault);
  volatile bool returned = false;
  TlsSetValue(JumpSlot(), jump);
  if (__builtin_setjmp(jump) == 0) {
    call(context);
    returned = true;
  }
  TlsSetValue(JumpSlot(), outer);
  if (handler) RemoveVectoredExceptionHandler(handler);
  return returned;
}
