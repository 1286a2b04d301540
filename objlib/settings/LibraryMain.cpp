// The library's load-time set-up: folders, clipboard formats, default font, resolution.
#include <windows.h>

#include "ClipboardFormats.h"
#include "KVFont.h"
#include "KVProfile.h"

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    KVLocateFolders();
    KVRegisterClipboardFormats();
    KVGetProfileFont("Font", "Default", &g_DefaultFont);
    KVRecordReferenceResolution();
  }
  return TRUE;
}
