// The data folders the settings name, where the memos live.
#pragma once

#include <string>
#include <vector>

// The built-in folder and every folder of the settings' list, macros expanded, Shift-JIS.
std::vector<std::string> AllDataFolders();
// The index's file beside the settings file.
std::string MemoIndexPath();
