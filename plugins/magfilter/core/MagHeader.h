// The MAG header: signature, free text, geometry, stream offsets and palette.
#pragma once

#include "MagReader.h"
#include "MagResult.h"

#include <cstddef>
#include <cstdint>

struct MagPicture {
    uint8_t screenMode = 0;
    int32_t left = 0;  // x0 aligned down to a flag unit
    int32_t top = 0;
    int32_t width = 0;  // pixels, a whole number of flag units
    int32_t lines = 0;  // picture lines, before 200-line doubling
    int bitsPerPixel = 4;
    bool doubled = false;  // 200-line mode: every line is output twice
    uint32_t stride = 0;  // bytes per output row
    uint32_t units = 0;  // 4-byte flag units per line
    uint64_t flagAPos = 0;  // absolute positions in the source
    uint64_t flagBPos = 0;
    uint64_t pixelPos = 0;

    int Colours() const { return 1 << bitsPerPixel; }
    uint32_t RowsOut() const { return static_cast<uint32_t>(lines) * (doubled ? 2 : 1); }
    // Output block: the rows plus 4 spare bytes, as 64 bits so absurd headers cannot wrap.
    uint64_t PixelBlockSize() const { return uint64_t{stride} * RowsOut() + 4; }
    bool WithinDecodeLimit() const;
};

// The most output pixels (rows doubled in 200-line mode) this filter decodes: 8192 x 8192,
// a 64 MiB block at 256 colours. MAG pictures come from screens of 640 x 400 to 1024 x 1024;
// a header asking for more is damaged or hostile, and would have the host wait for the
// allocation and decoding of a block of up to 2 GiB.
constexpr uint64_t kMagMaxPixels = uint64_t{1} << 26;

// Optional collector for the free text that follows the signature.
struct MagText {
    char* buffer;
    size_t capacity;  // bytes that may be stored; text beyond it is skipped
    size_t length = 0;
};

constexpr size_t kMagPaletteEntryBytes = 4;  // blue, green, red, 0

// Reads from the current position (the start of the MAG data) through the header fields,
// leaving the reader at the palette. Returns kMagOk, kMagNotMag or kMagReadError.
MagResult ParseMagHeader(MagReader& in, MagPicture& pic, MagText* text = nullptr);

// Reads the palette that follows the header into pic.Colours() 4-byte entries.
MagResult ReadMagPalette(MagReader& in, const MagPicture& pic, uint8_t* quads);
