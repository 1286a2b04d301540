// Helpers shared by the MAG core tests: chunked sources, hand-built files, decoding.
#pragma once

#include "MagEncoder.h"
#include "core/MagHeader.h"
#include "core/MagSource.h"

#include <cstdint>
#include <vector>

// Hands out at most `chunk` bytes per fetch, like a file read through a small buffer.
class ChunkSource : public MagSource {
public:
    ChunkSource(const std::vector<uint8_t>& data, size_t chunk) : data_(data), chunk_(chunk) {}
    size_t Fetch(uint64_t pos, const uint8_t** data) override;

private:
    const std::vector<uint8_t>& data_;
    size_t chunk_;
};

struct DecodedMag {
    MagResult result = kMagOk;
    MagPicture pic;
    std::vector<uint8_t> palette;  // 4-byte entries
    std::vector<uint8_t> block;  // bottom-up rows plus 4 spare bytes
};

// Header, palette and pixels through the core, as GetPicture does; chunk 0 means one window.
DecodedMag DecodeWithCore(const std::vector<uint8_t>& file, size_t chunk = 0);

// The picture line `line` (top first) of a decoded block, first of its pair when doubled.
std::vector<uint8_t> DecodedLine(const DecodedMag& d, uint32_t line, bool secondOfPair = false);

constexpr size_t kHandBuiltHeaderBase = 9;  // signature and 0x1A, no text
// A MAG file whose streams are given directly, for exact control of the flags.
std::vector<uint8_t> HandBuiltMag(uint8_t screenMode, uint16_t x0, uint16_t y0, uint16_t x1,
                                  uint16_t y1, const std::vector<uint8_t>& flagA,
                                  const std::vector<uint8_t>& flagB,
                                  const std::vector<uint8_t>& pixels);
