// Buffered reads of the MAG file.
#include "Win32FileSource.h"

#include <cstdint>

size_t Win32FileSource::Fetch(uint64_t pos, const uint8_t** data)
{
    const uint64_t at = offset_ + pos;
    if (at < pos || at > static_cast<uint64_t>(INT64_MAX))
        return 0;
    LARGE_INTEGER distance;
    distance.QuadPart = static_cast<LONGLONG>(at);
    DWORD got = 0;
    if (!SetFilePointerEx(file_, distance, nullptr, FILE_BEGIN) ||
        !ReadFile(file_, buffer_, kBufferSize, &got, nullptr))
        return 0;
    *data = buffer_;
    return got;
}
