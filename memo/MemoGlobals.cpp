// The process-wide state of the memo editor.
#include "MemoGlobals.h"

char g_szFilePath[kPathSize];
char g_szDocName[128];
char g_szProgramDir[kPathSize];
char g_szUserDataDir[kPathSize];

UINT g_cfKaveloDataBus;
UINT g_cfKaveloExtendFile;
UINT g_cfUniformResourceLocator;
const UINT g_uFindReplaceMsg = RegisterWindowMessageA("commdlg_FindReplace");
