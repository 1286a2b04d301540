// The font dialog of the programs, which keeps Japanese faces in the character set that
// can show memo text.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include "BuiltInFont.h"

// The platform font dialog with TrueType faces only and no vertical ones (flags adds to
// that, a hook needs CF_ENABLEHOOK among them). It starts on *font, or on the built-in
// font when *font's face is not offered; a face that has the Japanese character set comes
// back in it whatever script was picked, since memo text is Shift-JIS. True on OK, with
// the choice in *font.
bool ChooseMemoFont(HWND owner, DWORD flags, LPCFHOOKPROC hook, LOGFONTA* font);
