// Resource ids of KVMemo.exe: menus, accelerators, strings, dialogs, icon and cursors.
// Command ids are the values the menus, the accelerators and other programs rely on.
#pragma once

#include "../winfw/FrameworkIds.h"

// Menu bar, accelerator table, icon and frame title.
#define IDR_MAINFRAME 128
// Context menu: its first pop-up is the one the view tracks.
#define IDR_CONTEXTMENU 2019

// Dialogs and their controls.
#define IDD_ABOUTBOX 100
#define IDD_DATAFOLDER 130
#define IDC_FOLDER_NAME 1000
#define IDC_FOLDER_PATH 1001

// Message strings.
#define IDS_FILE_NOT_FOUND 1
#define IDS_CANNOT_READ 2
#define IDS_CANNOT_WRITE 3
#define IDS_SELECTION_TOO_LONG 5
#define IDS_FIND_WRAP_END 10
#define IDS_FIND_WRAP_START 11
#define IDS_SAVE_CHANGES 12
#define IDS_REASON_NOT_MEMO 20
#define IDS_REASON_DAMAGED 21
#define IDS_REASON_NEWER 22
#define IDS_REASON_LEFT_OVER 23
#define IDS_REASON_UNKNOWN 24
#define IDS_CHANGED_ON_DISK 25
#define IDS_OVERWRITE_QUESTION 26
#define IDS_PARTIAL_SHOWN 27
#define IDS_REASON_FOLDER 28
#define IDS_UNTITLED 29
#define IDS_NEW_FILE 30
#define IDS_REPLACED_COUNT 31
#define IDS_REPLACE_ALL_TITLE 32
#define IDS_SAVED_TO 36
#define IDS_EDITING_IN_PLACE 50
#define IDS_INPLACE_SAME_FILE 51
// File dialog filters, '|' standing for each zero byte (LoadFileFilter).
#define IDS_FILTER_MEMO 33
#define IDS_FILTER_TEXT 34
#define IDS_FILTER_ALL 35
#define IDS_IDLE_MESSAGE 57345

// Status bar panes.
#define ID_STATUS_BAR 0xE801
#define ID_VIEW_PANE 0xE900

// Commands.
#define ID_FILE_NEW 57600
#define ID_FILE_OPEN 57601
#define ID_FILE_SAVE 57603
#define ID_FILE_SAVE_AS 57604
#define ID_FILE_SAVE_TEXT 32771
#define ID_FILE_PRINT 57607
#define ID_FILE_PROPERTY 32786
#define ID_FILE_CLOSE_ALL 32787
#define ID_EDIT_UNDO 57643
#define ID_EDIT_REDO 57644
#define ID_EDIT_CUT 57635
#define ID_EDIT_COPY 57634
#define ID_EDIT_COPY_TEXT 32790
#define ID_EDIT_PASTE 57637
#define ID_EDIT_SELECT_ALL 57642
#define ID_EDIT_CLEAR 57632
#define ID_EDIT_FIND 57636
#define ID_EDIT_REPLACE 57641
#define ID_EDIT_PATH_TO_LINK 32794
#define ID_EDIT_MAKE_LINK 32776
#define ID_EDIT_MAKE_MUTUAL_LINK 32797
#define ID_EDIT_EXTEND_LINK 32777
#define ID_EDIT_OBJ_PROPERTY 32793
#define ID_INSERT_SELF_LINK 32798
#define ID_INSERT_LINK 32772
#define ID_INSERT_DATE 32779
#define ID_INSERT_TIME 32780
#define ID_LINK_OPEN 32781
#define ID_LINK_CLOSE 32782
#define ID_LINK_EXEC 32791
#define ID_LINK_EDIT_IN_PLACE 32820
#define ID_CHAR_COLOR 32783
#define ID_CHAR_FONT 32795
#define ID_VIEW_STATUS_BAR 59393
#define ID_VIEW_REFRESH 32789
#define ID_HELP 57670
#define ID_APP_ABOUT 57664

// Hand-shaped pointers of our own ("UseTronPointer"); 2003, 2004, 2013 and 2014 have no role.
#define IDC_POINTER_WAIT 2001
#define IDC_POINTER_CAPTION_PRESSED 2002
#define IDC_POINTER_2003 2003
#define IDC_POINTER_2004 2004
#define IDC_POINTER_SIZE_WE_PRESSED 2005
#define IDC_POINTER_SIZE_WE 2006
#define IDC_POINTER_2007 2007
#define IDC_POINTER_TEXT_DRAG 2008
#define IDC_POINTER_CAPTION 2009
#define IDC_POINTER_SIZE_DIAG_PRESSED 2010
#define IDC_POINTER_SIZE_DIAG 2011
#define IDC_POINTER_ARROW 2012
#define IDC_POINTER_2013 2013
#define IDC_POINTER_2014 2014
#define IDC_POINTER_SIZE_NS_PRESSED 2015
#define IDC_POINTER_SIZE_NS 2016

// Offering recovery copies at start.
#define IDD_RECOVERY 131
#define IDC_RECOVERY_TEXT 1010
#define IDC_RECOVERY_RESTORE 1011
#define IDC_RECOVERY_DISCARD 1012
#define IDC_RECOVERY_LATER 1013
#define IDS_RECOVERY_OFFER 40
#define IDS_RECOVERY_NEW_MEMO 41
#define IDS_RECOVERY_DAMAGED 42
#define IDS_RECOVERY_FILE_NEWER 43
