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
    if (!exhausted_) {
        const uint64_t pos = Tell();
        const uint8_t* data = nullptr;
        const size_t n = source_.Fetch(pos, &data);
        if (n > 0) {
            windowPos_ = pos;
            window_ = cur_ = data;
            end_ = data + n;
            return *cur_++;
        }
        exhausted_ = true;
    }
    failed_ = true;
    return 0;
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
