// Bounds-checked sequential reader over a MagSource: past the end it yields zero bytes
// and keeps a failure mark.
#pragma once

#include "MagSource.h"

#include <cstddef>
#include <cstdint>

class MagReader {
public:
    explicit MagReader(MagSource& source) : source_(source) {}
    MagReader(const MagReader&) = delete;
    MagReader& operator=(const MagReader&) = delete;

    void Seek(uint64_t pos);
    uint64_t Tell() const { return windowPos_ + static_cast<uint64_t>(cur_ - window_); }
    bool Failed() const { return failed_; }

    uint8_t Byte() { return cur_ != end_ ? *cur_++ : SlowByte(); }
    uint16_t U16();
    uint32_t U32();
    // Copies the next two bytes to dst; the hot path of pixel decoding.
    void Pair(uint8_t* dst)
    {
        if (end_ - cur_ >= 2) {
            dst[0] = cur_[0];
            dst[1] = cur_[1];
            cur_ += 2;
        } else {
            dst[0] = Byte();
            dst[1] = Byte();
        }
    }

    // The next n bytes in place, consumed, when one source window can hold them all;
    // otherwise nullptr and nothing is consumed.
    const uint8_t* Take(size_t n)
    {
        if (static_cast<size_t>(end_ - cur_) < n && !Refetch(n))
            return nullptr;
        const uint8_t* p = cur_;
        cur_ += n;
        return p;
    }

private:
    uint8_t SlowByte();
    bool Refetch(size_t n);

    MagSource& source_;
    const uint8_t* window_ = nullptr;
    const uint8_t* cur_ = nullptr;
    const uint8_t* end_ = nullptr;
    uint64_t windowPos_ = 0;
    bool exhausted_ = false;  // the source had nothing more at the current position
    bool failed_ = false;
};
