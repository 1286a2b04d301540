// Which document a memo file is: a figure memo holds a figure box where a text memo holds
// its text box. Links open a memo in place as the document its content calls for.
#pragma once

#include "KVObjApi.h"

// True when the file's content, behind its document head and page segments, begins with a
// figure box head. A file that cannot be read, or is cut short, is no figure memo.
KVOBJ_API bool KVIsFigureMemo(const char* pszPath);
