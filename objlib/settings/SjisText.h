// Shift-JIS byte-string helpers: bounded copies that never split a double-byte character.
#pragma once

#include <cstddef>

#include "KVObjApi.h"
#include "SjisBytes.h"

inline bool KVIsLeadByte(unsigned char b) { return SjisIsLeadByte(b); }

// Length of the longest prefix of text (at most maxBytes) that ends on a character boundary.
KVOBJ_API size_t KVCutLength(const char* text, size_t maxBytes);

// Copies text into dest (capacity size, zero-terminated), cutting at a character boundary.
// Returns false when the text had to be cut.
KVOBJ_API bool KVCopyCut(char* dest, size_t size, const char* text);

// dest = first + second when it fits in size bytes with its zero; else dest = "" and false.
KVOBJ_API bool KVJoin(char* dest, size_t size, const char* first, const char* second);
