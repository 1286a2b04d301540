// Process-wide state of a memo window: its file, its title name, folders and the
// registered clipboard formats and messages.
#pragma once

#include <windows.h>

const int kPathSize = 260;

// The memo's file; empty for a new memo that was never saved.
extern char g_szFilePath[kPathSize];
// The document name the title shows.
extern char g_szDocName[128];
// Folder of KVMemo.exe, ending in a backslash.
extern char g_szProgramDir[kPathSize];
// The per-user data folder, %USERPROFILE%\Kavelo\Data.
extern char g_szUserDataDir[kPathSize];

extern UINT g_cfKaveloDataBus;
extern UINT g_cfKaveloExtendFile;
extern UINT g_cfUniformResourceLocator;
// "commdlg_FindReplace", registered before the application starts.
extern const UINT g_uFindReplaceMsg;
