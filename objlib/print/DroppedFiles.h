// The file names of a dropped-file block (CF_HDROP), read without trusting the block.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The names of a block as another program made it: a DROPFILES record, then zero-terminated
// names (narrow or wide, as the record says) up to an empty one. Narrow names are taken as
// they stand, wide ones in the ANSI code page. Nothing is read outside the block's
// GlobalSize: a record or name offset outside it, or a name the block's end cuts off, gives
// no names at all. A wide name the code page cannot spell is left out, since its spelling
// would name another file.
std::vector<std::string> KVReadDroppedFiles(HGLOBAL block);
