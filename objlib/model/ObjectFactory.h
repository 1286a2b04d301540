// Which class an object code calls for, when reading a stream and when copying.
#pragma once

#include "KVObject.h"

// An empty object of the class for a segment code (characters are made elsewhere).
KVObject* KVNewObjectForCode(unsigned code);
// A copy of an object made with the copy constructor of the class its code calls for.
KVObject* KVCopyObject(const KVObject& source);
