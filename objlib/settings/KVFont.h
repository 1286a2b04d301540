// The library-wide default font, font comparison, device-scaled fonts, and dates
// with Japanese weekday names.
#pragma once

#include <windows.h>

#include <ctime>

#include "Geometry.h"
#include "KVObjApi.h"

extern KVOBJ_API LOGFONT g_DefaultFont;
// The memo view's window; viewer plug-ins get it as their parent.
extern KVOBJ_API HWND g_hwndView;

KVOBJ_API bool KVIsFontEqual(const LOGFONT* a, const LOGFONT* b);
KVOBJ_API HFONT KVGetFont(HDC hdc, const LOGFONT* pFont);
KVOBJ_API CSize KVGetFontSize(HDC hdc, const LOGFONT* pFont);
KVOBJ_API size_t KVStrftime(char* buffer, size_t size, const char* format, const struct tm* time);

// Resolution of the desktop when the library was loaded: all geometry and fonts refer to it.
struct KVResolution {
  int x;
  int y;
};
KVOBJ_API KVResolution KVGetReferenceResolution();
void KVRecordReferenceResolution();

// The font as it must be created for a device: width and height scaled from the reference
// resolution to the device's (multiply first); unchanged without a device.
LOGFONT KVScaleFont(HDC hdc, const LOGFONT& font);
// v reference pixels in device pixels; unchanged without a device.
int KVDevPixelX(int v, HDC hdc);
int KVDevPixelY(int v, HDC hdc);
