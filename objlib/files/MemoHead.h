// The title in the document head that a memo file begins with, read from an open file.
#pragma once

#include <windows.h>

// Reads the document head from the file's current position (its start) and copies the
// title, at most 259 bytes, into pszDst. KV_ERR_READ_WRITE when the file does not begin
// with a sound document head.
int KVReadDocHeadTitle(HANDLE file, char* pszDst);
