// libFuzzer entry for the MAG decoder core: any bytes must decode without a fault, and
// the same picture must come out whether the source is one block or small windows.
#include "core/MagDecoder.h"
#include "core/MagHeader.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// Keeps each run fast; the sizing of larger pictures is covered by the unit tests.
constexpr uint64_t kMaxBlock = 1 << 18;

class WindowSource : public MagSource {
public:
    WindowSource(const uint8_t* data, size_t size, size_t window) : data_(data), size_(size), window_(window) {}
    size_t Fetch(uint64_t pos, const uint8_t** data) override
    {
        if (pos >= size_)
            return 0;
        *data = data_ + pos;
        return std::min(window_, size_ - static_cast<size_t>(pos));
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t window_;
};

// Decodes into a block prefilled with `fill`; empty when the header is refused.
std::vector<uint8_t> Decode(MagSource& source, uint8_t fill)
{
    MagReader in(source);
    MagPicture pic;
    char text[64];
    MagText collected{text, sizeof text};
    if (ParseMagHeader(in, pic, &collected) != kMagOk)
        return {};
    std::vector<uint8_t> palette(static_cast<size_t>(pic.Colours()) * kMagPaletteEntryBytes);
    if (ReadMagPalette(in, pic, palette.data()) != kMagOk || pic.PixelBlockSize() > kMaxBlock)
        return {};
    std::vector<uint8_t> out(static_cast<size_t>(pic.PixelBlockSize()), fill);
    DecodeMagPixels(in, pic, out.data());
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    MemorySource whole(data, size);
    WindowSource windows(data, size, 13);
    // Different prefills expose any output byte that is read before it is written.
    if (Decode(whole, 0x00) != Decode(windows, 0xFF))
        std::abort();
    return 0;
}
