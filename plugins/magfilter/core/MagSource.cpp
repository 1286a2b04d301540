// Memory-block source for the MAG reader.
#include "MagSource.h"

size_t MemorySource::Fetch(uint64_t pos, const uint8_t** data)
{
    if (pos >= size_)
        return 0;
    *data = data_ + pos;
    return size_ - static_cast<size_t>(pos);
}
