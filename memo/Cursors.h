// The cursor table: one handle per role, the program's hand-shaped pointers with
// "UseTronPointer", the system's otherwise.
#pragma once

#include <windows.h>

extern HCURSOR g_hcurWait;
extern HCURSOR g_hcurCaptionPressed;
extern HCURSOR g_hcurCaption;
extern HCURSOR g_hcurSizeNESWPressed;
extern HCURSOR g_hcurSizeNWSEPressed;
extern HCURSOR g_hcurSizeWEPressed;
extern HCURSOR g_hcurSizeNSPressed;
extern HCURSOR g_hcurTextDrag;
extern HCURSOR g_hcurArrow;
extern HCURSOR g_hcurSizeNESW;
extern HCURSOR g_hcurSizeNWSE;
extern HCURSOR g_hcurSizeWE;
extern HCURSOR g_hcurSizeNS;

void LoadCursorTable(bool useProgramCursors);
