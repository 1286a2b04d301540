// Path helpers behind KVFile: Shift-JIS aware prefix tests, the folder join and macro expansion.
#pragma once

#include <cstddef>

#include "KVObjApi.h"

// True when text begins with prefix; single-byte letters compare without case, double-byte
// characters exactly (a trail byte may look like a letter).
bool KVStartsWithNoCase(const char* text, const char* prefix);

// True when the prefix is a whole folder of path: it ends in a backslash, or the path
// goes on with a backslash or ends there.
bool KVStartsWithFolder(const char* path, const char* folder);

// The last byte of text that is a backslash of its own, not the trail of a double-byte character.
const char* KVLastBackslash(const char* text);

// dest = folder, a backslash unless the folder ends in one, then rest without one leading
// backslash. False (dest empty) when the result does not fit size bytes with its zero.
bool KVJoinPath(char* dest, size_t size, const char* folder, const char* rest);

// Expands the macro at the start of a stored path into dest (260 bytes). A named folder
// without a folder entry leaves the path as it is. False when the result does not fit.
bool KVExpandMacro(const char* stored, char* dest);

// True when two paths name the same file as Windows resolves them: each made full (relative
// parts, "." and "..", forward slashes), short names made long where the file exists, then
// compared without case as the file system compares (full-width letters too). An empty or
// unresolvable path is the same as nothing.
KVOBJ_API bool KVIsSameFile(const char* pszPathA, const char* pszPathB);
