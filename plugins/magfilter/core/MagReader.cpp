// Window refill and little-endian fields of the MAG reader.
#include "MagReader.h"

void MagReader::Seek(uint64_t pos)
{
    exhausted_ = false;
    if (pos >= windowPos_ && pos - windowPos_ <= static_cast<uint64_t>(end_ - window_)) {
        cur_ = window_ + (pos - windowPos_);
        return;
    }
    windowPos_ = pos;
    window_ = cur_ = end_ = nullptr;
}

uint8_t MagReader::SlowByte()
{
    if (Refetch(1))
        return *cur_++;
    failed_ = true;
    return 0;
}

// Starts a new window at the current position in case it reaches further than the old one.
bool MagReader::Refetch(size_t n)
{
    if (exhausted_)
        return false;
    const uint64_t pos = Tell();
    const uint8_t* data = nullptr;
    const size_t got = source_.Fetch(pos, &data);
    if (got == 0) {
        exhausted_ = true;
        return false;
    }
    windowPos_ = pos;
    window_ = cur_ = data;
    end_ = data + got;
    return got >= n;
}

uint16_t MagReader::U16()
{
    const unsigned lo = Byte();
    return static_cast<uint16_t>(lo | Byte() << 8);
}

uint32_t MagReader::U32()
{
    const uint32_t lo = U16();
    return lo | static_cast<uint32_t>(U16()) << 16;
}
