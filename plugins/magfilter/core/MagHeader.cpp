// Parsing of the MAG header and palette.
#include "MagHeader.h"

#include <cstring>

namespace {

constexpr uint8_t kTextEnd = 0x1A;
constexpr uint8_t kScreen256 = 0x80;
constexpr uint8_t kScreen200Lines = 0x01;

bool ReadMatches(MagReader& in, const char* expected)
{
    uint8_t got[4];
    for (uint8_t& b : got)
        b = in.Byte();
    return std::memcmp(got, expected, sizeof got) == 0;
}

// Skips (or collects) the free text up to 0x1A, then everything through the 0x00 that
// starts the header. Both scans end at the end of the data with the reader failed.
void SkipToHeader(MagReader& in, MagText* text)
{
    for (uint8_t b = in.Byte(); b != kTextEnd && !in.Failed(); b = in.Byte()) {
        if (text && text->length < text->capacity)
            text->buffer[text->length++] = static_cast<char>(b);
    }
    while (in.Byte() != 0 && !in.Failed()) {
    }
}

}  // namespace

MagResult ParseMagHeader(MagReader& in, MagPicture& pic, MagText* text)
{
    const bool maki = ReadMatches(in, "MAKI");
    if (in.Failed())
        return kMagReadError;
    if (!maki)
        return kMagNotMag;
    const bool version = ReadMatches(in, "02  ");
    if (in.Failed())
        return kMagReadError;
    if (!version)
        return kMagNotMag;

    SkipToHeader(in, text);
    if (in.Failed())
        return kMagReadError;
    const uint64_t base = in.Tell() - 1;
    in.U16();  // machine code and machine flags
    pic.screenMode = in.Byte();
    const int32_t x0 = in.U16(), y0 = in.U16(), x1 = in.U16(), y1 = in.U16();
    pic.flagAPos = base + in.U32();
    pic.flagBPos = base + in.U32();
    in.U32();  // flag B size: the stream is read as far as the flags need it
    pic.pixelPos = base + in.U32();
    in.U32();  // pixel data size, likewise
    if (in.Failed())
        return kMagReadError;

    pic.bitsPerPixel = (pic.screenMode & kScreen256) ? 8 : 4;
    pic.doubled = (pic.screenMode & kScreen200Lines) != 0;
    const int32_t align = pic.bitsPerPixel == 8 ? 4 : 8;
    pic.left = x0 / align * align;
    pic.top = y0;
    pic.width = x1 / align * align + align - pic.left;
    pic.lines = y1 - y0 + 1;
    // An inverted rectangle describes no picture at all.
    if (pic.width <= 0 || pic.lines <= 0)
        return kMagNotMag;
    pic.stride = static_cast<uint32_t>(pic.width) * static_cast<uint32_t>(pic.bitsPerPixel) / 8;
    pic.units = pic.stride / 4;
    return kMagOk;
}

bool MagPicture::WithinDecodeLimit() const
{
    return uint64_t(static_cast<uint32_t>(width)) * RowsOut() <= kMagMaxPixels;
}

MagResult ReadMagPalette(MagReader& in, const MagPicture& pic, uint8_t* quads)
{
    for (int i = 0; i < pic.Colours(); ++i, quads += kMagPaletteEntryBytes) {
        const uint8_t green = in.Byte(), red = in.Byte(), blue = in.Byte();
        quads[0] = blue;
        quads[1] = green;
        quads[2] = red;
        quads[3] = 0;
    }
    return in.Failed() ? kMagReadError : kMagOk;
}
