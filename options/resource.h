// Resource ids of KVOption.exe: the five pages, the two entry dialogs and the strings.
#pragma once

#include "../winfw/FrameworkIds.h"

// The program's icon (the memo editor's).
#define IDI_PROGRAM 128

// Pages of the sheet, in their order, and the entry dialogs of the two lists.
#define IDD_PAGE_FILE 201
#define IDD_PAGE_GENERAL 202
#define IDD_PAGE_DEFAULTS1 203
#define IDD_PAGE_DEFAULTS2 204
#define IDD_PAGE_PLUGINS 205
#define IDD_FOLDER 210
#define IDD_PLUGIN 211

// File operations page.
#define IDC_USE_CLOSE_MSG 1000
#define IDC_SAVE_WINDOW_INFO 1001
#define IDC_USE_FILE_SAVE_DIALOG 1002
#define IDC_USE_DATA_FOLDER_DIALOG 1003
#define IDC_DATA_FOLDER_TYPE 1004
#define IDC_SUB_FOLDER_FMT 1005
#define IDC_FOLDER_LIST 1006
#define IDC_FOLDER_ADD 1007
#define IDC_FOLDER_EDIT 1008
#define IDC_FOLDER_DELETE 1009
#define IDC_RECOVERY_COPIES 1010
#define IDC_RECOVERY_DELAY 1011

// General page.
#define IDC_USE_TRON_POINTER 1020
#define IDC_IMM_OPEN 1021
#define IDC_WHEEL_TYPE 1022
#define IDC_USE_MENU_BAR 1023
#define IDC_SFN2LFN 1024
#define IDC_AUTO_SCROLL_TIMER 1025
#define IDC_DATE1 1026
#define IDC_DATE2 1027
#define IDC_LINKS_OF_LINE 1028
#define IDC_AUTO_OPEN 1029
#define IDC_AUTO_OPEN_HEIGHT 1030
#define IDC_AUTO_OPEN_WIDTH 1031
#define IDC_USE_DOC_NAME 1032
#define IDC_HAVE_PATH 1033
#define IDC_HAVE_EXT 1034
#define IDC_FONT_SAMPLE 1035
#define IDC_FONT_CHANGE 1036
#define IDC_FONT_COLOR 1037

// Property defaults (1).
#define IDC_MEMO_WRAP 1040
#define IDC_MEMO_BACK_SAMPLE 1041
#define IDC_MEMO_BACK_COLOR 1042
#define IDC_IMAGE_BORDER 1043
#define IDC_IMAGE_STRETCH 1044
#define IDC_IMAGE_KEEP_ASPECT 1045

// Property defaults (2): four groups of the same controls; id = group + control.
#define IDC_LINK_MEMO 1100
#define IDC_LINK_IMAGE 1110
#define IDC_LINK_FILE 1120
#define IDC_LINK_URL 1130
#define LINK_TITLE 0
#define LINK_PATH 1
#define LINK_EXT 2
#define LINK_SAMPLE 3
#define LINK_TEXT_COLOR 4
#define LINK_BACK_COLOR 5
#define LINK_ICON 6
#define LINK_BORDER 7

// Plug-ins page.
#define IDC_PLUGIN_LIST 1060
#define IDC_PLUGIN_ADD 1061
#define IDC_PLUGIN_EDIT 1062
#define IDC_PLUGIN_DELETE 1063

// The folder and plug-in dialogs share their controls.
#define IDC_ENTRY_NAME 1070
#define IDC_ENTRY_PATH 1071
#define IDC_ENTRY_BROWSE 1072

// Message strings.
#define IDS_NO_FOLDER_NAME 1
#define IDS_RESERVED_FOLDER 2
#define IDS_NO_FOLDER_PATH 3
#define IDS_NO_EXTENSION 4
#define IDS_NO_PLUGIN_PATH 5
#define IDS_FOLDER_NAME_PERCENT 6
#define IDS_EXTENSION_PERCENT 7
#define IDS_FOLDER_EXISTS 8
#define IDS_EXTENSION_EXISTS 9
#define IDS_WRITE_FAILED 10
#define IDS_NUMBER_EXPECTED 11
#define IDS_BROWSE_FOLDER_TITLE 12
#define IDS_CREATE_FOLDER 13
#define IDS_NOT_A_FOLDER 14
#define IDS_FOLDER_NOT_CREATED 15
#define IDS_FOLDER_NOT_FULL_PATH 16
#define IDS_RECOVERY_DELAY_RANGE 17
