// A small MAG encoder for tests, seeds and benchmarks: pixel rows in, a MAG file out.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct MagImage {
    uint8_t screenMode = 0;  // 0x80: 256 colours, 0x01: 200-line mode
    uint16_t x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    std::string text;  // free text after the signature
    std::string beforeHeader;  // bytes between 0x1A and the header's 0x00 (none may be 0)
    std::vector<uint8_t> rgb;  // palette as red, green, blue triples
    std::vector<uint8_t> pixels;  // rows of Stride() bytes, top line first

    int BitsPerPixel() const { return (screenMode & 0x80) ? 8 : 4; }
    uint32_t Stride() const;
    uint32_t Lines() const { return uint32_t{y1} - y0 + 1; }
};

enum class CopyPolicy {
    None,  // every unit is new data
    First,  // the lowest matching copy nibble
    Rotate,  // the first match from a preference that rotates per unit, using every nibble
};

struct MagEncoded {
    std::vector<uint8_t> bytes;
    size_t headerBase = 0;  // position of the header's 0x00
    size_t flagAPos = 0, flagBPos = 0, pixelPos = 0;  // absolute positions
    size_t nibbleUse[16] = {};
};

struct MagStreams {
    std::vector<uint8_t> flagA, flagB, pixels;
};

MagEncoded EncodeMag(const MagImage& image, CopyPolicy policy);

// Signature, text, header and palette of image (its pixels unused), then the streams.
MagEncoded AssembleMag(const MagImage& image, const MagStreams& streams);

// Patterned picture of the given size in pixels with random noise in some regions, so
// that the encoder finds both copies and new data; deterministic for a seed.
MagImage MakeTestImage(uint8_t screenMode, uint16_t x0, uint16_t y0, uint16_t x1, uint16_t y1,
                       unsigned seed);
