// The library's load-time set-up: folders, clipboard formats, default font, resolution,
// and the picture properties dialog that bitmaps run.
#include <windows.h>

#include "CImagePropDlg.h"
#include "ClipboardFormats.h"
#include "KVFont.h"
#include "KVObjBmap.h"
#include "KVProfile.h"

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    KVLocateFolders();
    KVRegisterClipboardFormats();
    KVGetProfileFont(kDefaultFont, &g_DefaultFont);
    KVRecordReferenceResolution();
    KVSetImagePropertiesDialog(KVRunImagePropDlg);
  }
  return TRUE;
}
