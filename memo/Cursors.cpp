// Loads the cursor of every role once at start.
#include "Cursors.h"

#include "resource.h"

HCURSOR g_hcurWait;
HCURSOR g_hcurCaptionPressed;
HCURSOR g_hcurCaption;
HCURSOR g_hcurSizeNESWPressed;
HCURSOR g_hcurSizeNWSEPressed;
HCURSOR g_hcurSizeWEPressed;
HCURSOR g_hcurSizeNSPressed;
HCURSOR g_hcurTextDrag;
HCURSOR g_hcurArrow;
HCURSOR g_hcurSizeNESW;
HCURSOR g_hcurSizeNWSE;
HCURSOR g_hcurSizeWE;
HCURSOR g_hcurSizeNS;

namespace {

struct CursorRole {
  HCURSOR* handle;
  int programCursor;
  const char* systemCursor;
};

const CursorRole kRoles[] = {
    {&g_hcurWait, IDC_POINTER_WAIT, IDC_WAIT},
    {&g_hcurCaptionPressed, IDC_POINTER_CAPTION_PRESSED, IDC_ARROW},
    {&g_hcurCaption, IDC_POINTER_CAPTION, IDC_ARROW},
    {&g_hcurSizeNESWPressed, IDC_POINTER_SIZE_DIAG_PRESSED, IDC_SIZENESW},
    {&g_hcurSizeNWSEPressed, IDC_POINTER_SIZE_DIAG_PRESSED, IDC_SIZENWSE},
    {&g_hcurSizeWEPressed, IDC_POINTER_SIZE_WE_PRESSED, IDC_SIZEWE},
    {&g_hcurSizeNSPressed, IDC_POINTER_SIZE_NS_PRESSED, IDC_SIZENS},
    {&g_hcurTextDrag, IDC_POINTER_TEXT_DRAG, IDC_ARROW},
    {&g_hcurArrow, IDC_POINTER_ARROW, IDC_ARROW},
    {&g_hcurSizeNESW, IDC_POINTER_SIZE_DIAG, IDC_SIZENESW},
    {&g_hcurSizeNWSE, IDC_POINTER_SIZE_DIAG, IDC_SIZENWSE},
    {&g_hcurSizeWE, IDC_POINTER_SIZE_WE, IDC_SIZEWE},
    {&g_hcurSizeNS, IDC_POINTER_SIZE_NS, IDC_SIZENS},
};

}  // namespace

void LoadCursorTable(bool useProgramCursors) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  for (const CursorRole& role : kRoles) {
    *role.handle = useProgramCursors ? LoadCursorA(instance, MAKEINTRESOURCEA(role.programCursor))
                                     : LoadCursorA(nullptr, role.systemCursor);
  }
}
