// The viewer plug-in interface: the entry points a plug-in library exports by name and the
// library calls to draw a linked file inside an open link. Plug-ins include this header.
//
// Instance values are pointer-sized (INT_PTR), so a plug-in can hand back the address of
// its own record: 32 bits on i686, where every argument is a 32-bit __stdcall value as
// classic hosts expect, and 64 bits on x86_64. RECT is passed by value: on i686 that is
// four 32-bit values, on x86_64 the platform's convention for a 16-byte structure.
#pragma once

#include <windows.h>

using KVViewerInstance = INT_PTR;

extern "C" {
// "Create": view window, area in the link's coordinates, path (valid until "Destroy").
// 0 refuses the file.
typedef KVViewerInstance(WINAPI* KVViewerCreate)(HWND view, RECT area, const char* path);
// "OnPaint": draws inside area, given in the target DC's coordinates.
typedef int(WINAPI* KVViewerPaint)(HWND view, KVViewerInstance instance, HDC hdc, RECT area);
// "OnNotPaint" (the link left the visible part: drop what is kept for drawing) and
// "Destroy" (the last call before the library is unloaded).
typedef int(WINAPI* KVViewerNotice)(HWND view, KVViewerInstance instance);
// "OnMove", "OnHScroll", "OnVScroll": optional, never called by the library.
typedef int(WINAPI* KVViewerMove)(HWND view, KVViewerInstance instance, int a, int b, int c, int d);
typedef int(WINAPI* KVViewerScroll)(HWND view, KVViewerInstance instance, int code, int pos);
}
