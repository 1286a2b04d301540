// Helpers shared by the MAG core tests.
#include "MagTestSupport.h"

#include "core/MagDecoder.h"

#include <algorithm>

size_t ChunkSource::Fetch(uint64_t pos, const uint8_t** data)
{
    if (pos >= data_.size())
        return 0;
    *data = data_.data() + pos;
    return std::min(chunk_, data_.size() - static_cast<size_t>(pos));
}

DecodedMag DecodeWithCore(const std::vector<uint8_t>& file, size_t chunk)
{
    ChunkSource source(file, chunk ? chunk : file.size() + 1);
    MagReader in(source);
    DecodedMag d;
    d.result = ParseMagHeader(in, d.pic);
    if (d.result != kMagOk)
        return d;
    d.palette.resize(static_cast<size_t>(d.pic.Colours()) * kMagPaletteEntryBytes);
    d.result = ReadMagPalette(in, d.pic, d.palette.data());
    if (d.result != kMagOk)
        return d;
    d.block.assign(d.pic.PixelBlockSize(), 0xEE);
    DecodeMagPixels(in, d.pic, d.block.data());
    return d;
}

std::vector<uint8_t> DecodedLine(const DecodedMag& d, uint32_t line, bool secondOfPair)
{
    const size_t factor = d.pic.doubled ? 2 : 1;
    const size_t row = (size_t{static_cast<uint32_t>(d.pic.lines)} - 1 - line) * factor +
                       (secondOfPair ? 1 : 0);
    const auto begin = d.block.begin() + static_cast<ptrdiff_t>(row * d.pic.stride);
    return std::vector<uint8_t>(begin, begin + d.pic.stride);
}

std::vector<uint8_t> HandBuiltMag(uint8_t screenMode, uint16_t x0, uint16_t y0, uint16_t x1,
                                  uint16_t y1, const std::vector<uint8_t>& flagA,
                                  const std::vector<uint8_t>& flagB,
                                  const std::vector<uint8_t>& pixels)
{
    MagImage image;
    image.screenMode = screenMode;
    image.x0 = x0;
    image.y0 = y0;
    image.x1 = x1;
    image.y1 = y1;
    image.rgb.assign(3 * (size_t{1} << image.BitsPerPixel()), 0);
    return AssembleMag(image, MagStreams{flagA, flagB, pixels}).bytes;
}
