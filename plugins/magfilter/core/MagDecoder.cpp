// MAG decoding in place: each unit's flag byte is kept in the first of its 4 output bytes
// until the pixel pass overwrites it, so no working memory beyond the output is needed.
#include "MagDecoder.h"

#include <algorithm>
#include <cstring>

namespace {

struct CopyPosition {
    int dx;  // bytes, to the left
    int dy;  // lines, upward
};

constexpr CopyPosition kCopy[16] = {
    {0, 0},  {-2, 0}, {-4, 0}, {-8, 0}, {0, 1},  {-2, 1}, {0, 2},  {-2, 2},
    {-4, 2}, {0, 4},  {-2, 4}, {-4, 4}, {0, 8},  {-2, 8}, {-4, 8}, {0, 16},
};
constexpr int kMaxCopyDx = 8;
constexpr int kMaxCopyDy = 16;

// Pixel data of one line straight from the reader's window, which holds all of it.
struct WindowFeed {
    const uint8_t* next;
    void Pair(uint8_t* dst)
    {
        std::memcpy(dst, next, 2);
        next += 2;
    }
};

// Pixel data through the reader, which yields zeros past the end of the data.
struct ReaderFeed {
    MagReader& in;
    void Pair(uint8_t* dst) { in.Pair(dst); }
};

class Decoder {
public:
    Decoder(MagReader& in, const MagPicture& pic, uint8_t* out)
        : in_(in), out_(out), lines_(static_cast<uint32_t>(pic.lines)), units_(pic.units), stride_(pic.stride),
          step_(size_t{pic.stride} * (pic.doubled ? 2 : 1)), doubled_(pic.doubled)
    {
        for (int k = 0; k < 16; ++k)
            offset_[k] = static_cast<ptrdiff_t>(kCopy[k].dy) * static_cast<ptrdiff_t>(step_) + kCopy[k].dx;
    }

    void ReadFlagA(uint64_t pos);
    void ReadFlagB(uint64_t pos);
    void CombineFlags();
    void DecodePixels(uint64_t pos);

private:
    // Output rows are bottom-up: the picture's first line is the last row (pair).
    uint8_t* Row(uint32_t line) const { return out_ + size_t{lines_ - 1 - line} * step_; }
    void CopyChecked(int nibble, uint32_t line, uint32_t x, uint8_t* dst) const;
    // Bytes of new pixel data the flags of a line ask for.
    size_t NewDataBytes(const uint8_t* row) const;
    template <typename Feed>
    void DecodeLine(uint32_t line, uint8_t* row, Feed& feed) const;
    template <bool kInterior, typename Feed>
    void DecodeUnit(uint32_t line, uint32_t x, uint8_t* unit, Feed& feed) const;

    MagReader& in_;
    uint8_t* out_;
    uint32_t lines_;
    uint32_t units_;
    uint32_t stride_;
    size_t step_;
    bool doubled_;
    ptrdiff_t offset_[16];
};

void Decoder::ReadFlagA(uint64_t pos)
{
    in_.Seek(pos);
    unsigned bits = 0, mask = 0;
    for (uint32_t y = 0; y < lines_; ++y) {
        uint8_t* row = Row(y);
        for (uint32_t u = 0; u < units_; ++u) {
            if (mask == 0) {
                bits = in_.Byte();
                mask = 0x80;
            }
            row[size_t{u} * 4] = (bits & mask) ? 1 : 0;
            mask >>= 1;
        }
    }
}

void Decoder::ReadFlagB(uint64_t pos)
{
    in_.Seek(pos);
    for (uint32_t y = 0; y < lines_; ++y) {
        uint8_t* row = Row(y);
        for (uint32_t u = 0; u < units_; ++u) {
            uint8_t& flag = row[size_t{u} * 4];
            flag = flag ? in_.Byte() : 0;
        }
    }
}

void Decoder::CombineFlags()
{
    for (uint32_t y = 1; y < lines_; ++y) {
        uint8_t* row = Row(y);
        const uint8_t* above = Row(y - 1);
        for (size_t i = 0; i < size_t{units_} * 4; i += 4)
            row[i] ^= above[i];
    }
}

// A copy source left of a line's first byte continues at the end of the line above, as
// the picture is one linear sequence to MAG encoders; a source before the picture is 0.
void Decoder::CopyChecked(int nibble, uint32_t line, uint32_t x, uint8_t* dst) const
{
    const int64_t linear = (int64_t{line} - kCopy[nibble].dy) * stride_ + x + kCopy[nibble].dx;
    if (linear < 0) {
        dst[0] = dst[1] = 0;
        return;
    }
    const uint8_t* src = Row(static_cast<uint32_t>(linear / stride_)) + linear % stride_;
    dst[0] = src[0];
    dst[1] = src[1];
}

template <bool kInterior, typename Feed>
void Decoder::DecodeUnit(uint32_t line, uint32_t x, uint8_t* unit, Feed& feed) const
{
    const uint8_t flag = unit[0];
    const int nibbles[2] = {flag >> 4, flag & 15};
    for (int half = 0; half < 2; ++half) {
        uint8_t* dst = unit + 2 * half;
        const int k = nibbles[half];
        if (k == 0)
            feed.Pair(dst);
        else if (kInterior)
            std::memcpy(dst, dst + offset_[k], 2);
        else
            CopyChecked(k, line, x + 2 * half, dst);
    }
    if (doubled_)
        std::memcpy(unit + stride_, unit, 4);
}

template <typename Feed>
void Decoder::DecodeLine(uint32_t line, uint8_t* row, Feed& feed) const
{
    // Near the top and the left edge a copy source may lie outside the picture.
    const uint32_t edge = line >= kMaxCopyDy ? std::min<uint32_t>(kMaxCopyDx, stride_) : stride_;
    uint32_t x = 0;
    for (; x < edge; x += 4)
        DecodeUnit<false>(line, x, row + x, feed);
    for (; x < stride_; x += 4)
        DecodeUnit<true>(line, x, row + x, feed);
}

size_t Decoder::NewDataBytes(const uint8_t* row) const
{
    size_t pairs = 0;
    for (uint32_t x = 0; x < stride_; x += 4)
        pairs += size_t{(row[x] & 0xF0) == 0} + size_t{(row[x] & 0x0F) == 0};
    return 2 * pairs;
}

void Decoder::DecodePixels(uint64_t pos)
{
    in_.Seek(pos);
    for (uint32_t y = 0; y < lines_; ++y) {
        uint8_t* row = Row(y);
        if (const uint8_t* data = in_.Take(NewDataBytes(row))) {
            WindowFeed feed{data};
            DecodeLine(y, row, feed);
        } else {
            ReaderFeed feed{in_};
            DecodeLine(y, row, feed);
        }
    }
}

}  // namespace

void DecodeMagPixels(MagReader& in, const MagPicture& pic, uint8_t* out, MagProgress progress,
                     void* context)
{
    Decoder decoder(in, pic, out);
    decoder.ReadFlagA(pic.flagAPos);
    if (progress)
        progress(1, context);
    decoder.ReadFlagB(pic.flagBPos);
    if (progress)
        progress(2, context);
    decoder.CombineFlags();
    if (progress)
        progress(3, context);
    decoder.DecodePixels(pic.pixelPos);
    std::memset(out + pic.PixelBlockSize() - 4, 0, 4);
}
