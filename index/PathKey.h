// The spelling under which the index knows a file: two spellings of one file give one key.
#pragma once

#include <string>

// The full path (relative parts resolved, '/' as '\', a short 8.3 form made long where the
// file exists), with single-byte letters in lower case, in UTF-8. Empty for no path.
std::string PathKey(const std::string& sjisPath);
// One component of a key: the name in UTF-8 with single-byte letters in lower case.
std::string NameKey(const std::string& sjisName);
// The folder of a path (without its last backslash) and its last component; the folder is
// empty and the name the whole path when it has no backslash or slash.
std::string FolderPart(const std::string& path);
std::string NamePart(const std::string& path);
// True when key names a file inside the folder whose key is folderKey.
bool KeyIsInside(const std::string& key, const std::string& folderKey);
