// Decoding a picture file through the Susie import filter beside the host program.
#pragma once

#include <windows.h>

#include <string>

// The filter's path: the running program's drive and folder, then "Susie\imgfilt.spi";
// empty when it would not fit a path.
std::string FilterPath();

// Decodes the file into the two handles (header with palette, pixels). False, with both
// handles 0, when the filter is missing, fails, or hands over a bitmap that does not hold
// together.
bool DecodeWithFilter(const char* file, HLOCAL* pInfo, HLOCAL* pBits);
