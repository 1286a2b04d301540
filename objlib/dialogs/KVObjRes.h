// Resource ids of KVObj.dll: the property dialogs, their controls and the library's strings.
#pragma once

// Dialogs.
#define IDD_LINK_PROPERTIES 2017
#define IDD_IMAGE_PROPERTIES 2018
#define IDD_FILE_PROPERTIES 2020

// Strings.
#define IDS_NO_FILE_NAME 4

// Controls of the link properties dialog.
#define IDC_LINK_BROWSE_FILE 3
#define IDC_LINK_BROWSE_HEADING 4
#define IDC_LINK_TEXT_COLOR 5
#define IDC_LINK_BACK_COLOR 6
#define IDC_LINK_CAPTION_MODE 1001
#define IDC_LINK_SHOW_PATH 1003
#define IDC_LINK_SHOW_EXT 1004
#define IDC_LINK_SAMPLE 1007
#define IDC_LINK_HEADING 2000
#define IDC_LINK_FILE_NAME 2001
#define IDC_LINK_BORDER 2002
#define IDC_LINK_STRETCH 2003
#define IDC_LINK_ICON 2004
#define IDC_LINK_DOC_NAME 2006

// Controls of the image properties dialog.
#define IDC_IMAGE_BORDER 2001
#define IDC_IMAGE_STRETCH 2003

// Controls of the file properties dialog.
#define IDC_FILE_BACK_COLOR 6
#define IDC_FILE_PATH 2001
#define IDC_FILE_WRAP 2005
#define IDC_FILE_TITLE 2006
#define IDC_FILE_SWATCH 2009
