// Every section and key of the settings file Kavelo.ini with its default, and the attribute
// bits stored in it. Header-only: the library, the memo editor and the options editor (which
// links nothing of the library) read and write the same file.
#pragma once

// A key read as a number (integers, colours, attribute words), with its default.
struct IntSetting {
  const char* section;
  const char* key;
  int fallback;
};

// A key read as text, with its default.
struct StringSetting {
  const char* section;
  const char* key;
  const char* fallback;
};

// A font is stored in two keys named after it: name + "Info" and name + "Fase" (see
// SettingsCodec.h). Missing, it reads as the built-in memo font.
struct FontSetting {
  const char* section;
  const char* name;
};

// Attribute bits of a link.
constexpr unsigned kLinkAttrBorder = 0x00000001;
constexpr unsigned kLinkAttrNoClose = 0x01000000;
constexpr unsigned kLinkAttrNoOpen = 0x02000000;
constexpr unsigned kLinkAttrDocName = 0x04000000;  // with FileName: the memo's document name
constexpr unsigned kLinkAttrHideExt = 0x08000000;
constexpr unsigned kLinkAttrHidePath = 0x10000000;
constexpr unsigned kLinkAttrFileName = 0x20000000;
constexpr unsigned kLinkAttrIcon = 0x40000000;
constexpr unsigned kLinkAttrOpen = 0x80000000;

// Attribute bits of a picture (bitmap object or image link).
constexpr unsigned kImageAttrBorder = 0x00000001;
constexpr unsigned kImageAttrKeepAspect = 0x40000000;
constexpr unsigned kImageAttrStretch = 0x80000000;

// Attribute bit of a text box: lines wrap at the set width.
constexpr unsigned kTextAttrWrap = 0x40000000;

constexpr int kDefaultBackColor = 0xFFFFFF;

// Section "Option" (also spelt "OPTION"; section names ignore case).
constexpr IntSetting kUseTronPointer{"Option", "UseTronPointer", 0};
constexpr IntSetting kImmOpen{"Option", "IMMOpen", 1};
constexpr IntSetting kWheelType{"Option", "WheelType", 1};
constexpr IntSetting kUseMenuBar{"Option", "UseMenuBar", 1};
constexpr IntSetting kShortToLongNames{"Option", "SFN2LFN", 0};
constexpr IntSetting kAutoScrollTimer{"Option", "AutoScrollTimer", 100};
constexpr IntSetting kLinksOfLine{"Option", "LinksOfLine", 5};
constexpr IntSetting kViewStatusBar{"Option", "ViewStatusBar", 1};
// Off unless asked for: moving a window alone is no change to ask about; the next save
// stores the placement all the same.
constexpr IntSetting kSaveWindowInfo{"Option", "SaveWindowInfo", 0};
// The next four are switches: any value but 0 picks the second choice.
constexpr IntSetting kUseCloseMsg{"Option", "UseCloseMsg", 1};
constexpr IntSetting kUseFileSaveDialog{"Option", "UseFileSaveDialog", 1};
constexpr IntSetting kUseDataFolderDialog{"Option", "UseDataFolderDialog", 1};
// 0 none, 1 year-month-day, 2 year-month, 3 SubFolderFmt; anything else counts as 0.
constexpr IntSetting kDataFolderType{"Option", "DataFolderType", 0};
constexpr StringSetting kSubFolderFormat{"Option", "SubFolderFmt", ""};
// Recovery copies of unsaved changes: on (any value but 0) or off, and the seconds of quiet
// after an edit before a copy is written (1 to 60; anything else counts as 3).
constexpr IntSetting kRecoveryCopies{"Option", "RecoveryCopies", 1};
constexpr IntSetting kRecoveryDelay{"Option", "RecoveryDelay", 3};
constexpr int kRecoveryDelayMin = 1;
constexpr int kRecoveryDelayMax = 60;

// The built-in data folder's name; it is never in the folder list and has no path key.
constexpr char kBuiltInDataFolder[] = "USER";
// A missing key means the built-in data folder.
constexpr StringSetting kDefaultDataFolder{"Option", "DefaultDataFolder", kBuiltInDataFolder};
// Name lists (SettingsCodec.h): the data folders, each with its path under kDataFolderSection,
// and the extensions with a viewer plug-in, each with its library under kPluginSection.
constexpr StringSetting kFolderList{"Option", "FolderList", "%"};
constexpr StringSetting kPluginList{"Option", "PluginList", "%"};

// Key: a name of kFolderList. Value: that data folder's path.
constexpr char kDataFolderSection[] = "DataFolder";
inline StringSetting DataFolderPathSetting(const char* name) {
  return {kDataFolderSection, name, ""};
}

// Key: a file extension without its dot. Value: the viewer plug-in library for it.
constexpr char kPluginSection[] = "Plugin";
inline StringSetting PluginLibrarySetting(const char* extension) {
  return {kPluginSection, extension, ""};
}
// The viewer that ships beside the programs serves this extension while its key is absent;
// an empty value means no viewer.
constexpr char kShippedViewerExtension[] = "mag";
constexpr char kShippedViewerLibrary[] = "ImagePane.dll";

// Section "Title": what the memo window's caption shows.
constexpr IntSetting kTitleUseDocName{"Title", "UseDocName", 1};
// A file's folder is left out unless asked for: the caption names the memo, not its place.
constexpr IntSetting kTitleHavePath{"Title", "HavePath", 0};
constexpr IntSetting kTitleHaveExt{"Title", "HaveExt", 1};

// Section "TimeStamp": strftime formats of the inserted date and time.
constexpr StringSetting kDateStampFormat{"TimeStamp", "Date1", "%Y年%m月%d日"};
constexpr StringSetting kTimeStampFormat{"TimeStamp", "Date2", "%H時%M分"};

// Section "Font": new text.
constexpr IntSetting kTextColor{"Font", "Color", 0};
constexpr FontSetting kDefaultFont{"Font", "Default"};

// New objects' attribute bits and backgrounds.
constexpr IntSetting kTextBoxAttr{"TEXTBOX", "MemoAttr", 0};
constexpr IntSetting kTextBoxBackColor{"TEXTBOX", "MemoBackColor", kDefaultBackColor};
constexpr IntSetting kImportedTextAttr{"TEXTBOX", "TextAttr", 0};
constexpr IntSetting kImportedTextBackColor{"TEXTBOX", "TextBackColor", kDefaultBackColor};
constexpr IntSetting kNewMemoAttr{"FileDefault", "MemoAttr", 0};
constexpr IntSetting kNewMemoBackColor{"FileDefault", "MemoBackColor", kDefaultBackColor};
constexpr IntSetting kFigureBoxAttr{"FIGBOX", "Attr", 0};
constexpr IntSetting kFigureBoxBackColor{"FIGBOX", "BackColor", kDefaultBackColor};
constexpr IntSetting kImageAttr{"IMAGE", "Attr", kImageAttrBorder};

// Section "LINK": a link made empty, and one set of keys per kind of target.
constexpr int kFileLinkAttr =
    kLinkAttrIcon | kLinkAttrFileName | kLinkAttrHidePath | kLinkAttrBorder;
constexpr IntSetting kLinkAttr{"LINK", "Attr", kFileLinkAttr};
constexpr IntSetting kLinkBackColor{"LINK", "BackColor", kDefaultBackColor};
constexpr IntSetting kLinkTextColor{"LINK", "TextColor", 0};

struct LinkKindSettings {
  IntSetting attr;
  IntSetting textColor;
  IntSetting backColor;
};
constexpr LinkKindSettings kMemoLinkSettings{{"LINK", "MemoAttr", kFileLinkAttr | kLinkAttrHideExt},
                                             {"LINK", "MemoTextColor", 0},
                                             {"LINK", "MemoBackColor", kDefaultBackColor}};
constexpr LinkKindSettings kImageLinkSettings{{"LINK", "ImageAttr", kFileLinkAttr},
                                              {"LINK", "ImageTextColor", 0},
                                              {"LINK", "ImageBackColor", kDefaultBackColor}};
constexpr LinkKindSettings kFileLinkSettings{{"LINK", "FileAttr", kFileLinkAttr},
                                             {"LINK", "FileTextColor", 0},
                                             {"LINK", "FileBackColor", kDefaultBackColor}};
constexpr LinkKindSettings kUrlLinkSettings{
    {"LINK", "UrlAttr", kLinkAttrIcon | kLinkAttrFileName | kLinkAttrBorder},
    {"LINK", "UrlTextColor", 0},
    {"LINK", "UrlBackColor", kDefaultBackColor}};

// An image link opens in place at this size (pixels) when it is made.
constexpr IntSetting kImageLinkAutoOpen{"LINK", "AutoOpen", 1};
constexpr IntSetting kImageLinkOpenWidth{"LINK", "AutoOpenWidth", 120};
constexpr IntSetting kImageLinkOpenHeight{"LINK", "AutoOpenHeight", 120};

// Section "PAGE": a new page record; paper in tenths, margins in hundredths of a millimetre.
constexpr IntSetting kPageOrientation{"PAGE", "Orientation", 1};
constexpr IntSetting kPagePaperSize{"PAGE", "Size", 9};
constexpr IntSetting kPageLength{"PAGE", "Length", 2970};
constexpr IntSetting kPageWidth{"PAGE", "Width", 2100};
constexpr IntSetting kPageLeft{"PAGE", "Left", 2000};
constexpr IntSetting kPageTop{"PAGE", "Top", 2000};
constexpr IntSetting kPageRight{"PAGE", "Right", 2000};
constexpr IntSetting kPageBottom{"PAGE", "Bottom", 2000};

// Section "CustomColors": the colour picker's sixteen custom colours.
constexpr int kCustomColorCount = 16;
inline IntSetting CustomColorSetting(int index) {
  static const char* const kKeys[kCustomColorCount] = {
      "Color_0", "Color_1", "Color_2",  "Color_3",  "Color_4",  "Color_5",  "Color_6",  "Color_7",
      "Color_8", "Color_9", "Color_10", "Color_11", "Color_12", "Color_13", "Color_14", "Color_15"};
  return {"CustomColors", kKeys[index], kDefaultBackColor};
}

// Not the settings file: each data folder's DataFolder.ini keeps the number of the last
// memo named there; -1 before the first.
constexpr char kFileCounterName[] = "DataFolder.ini";
constexpr IntSetting kLastFileId{"FileSystem", "LastFID", -1};
