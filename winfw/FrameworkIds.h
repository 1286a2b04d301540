// The ids the framework gives a meaning to; the programs' resource scripts include this too,
// so it holds #defines only.
#pragma once

// The application's title string.
#define IDS_APP_TITLE 57344
// The command that closes the main window.
#define ID_APP_EXIT 57665

// Status bar indicators: their strings name the pane, the key state shows in it.
#define ID_INDICATOR_CAPS 0xE701
#define ID_INDICATOR_NUM 0xE702
#define ID_INDICATOR_SCRL 0xE703
#define ID_INDICATOR_KANA 0xE706
