// Decoding of a MAG picture's flag and pixel streams into bottom-up DIB rows.
#pragma once

#include "MagHeader.h"
#include "MagReader.h"

#include <cstdint>

// Called after flag A (1), flag B (2) and the combination of the flag rows (3).
using MagProgress = void (*)(int step, void* context);

// Fills out, which holds pic.PixelBlockSize() bytes, with the picture's rows, bottom-up
// and doubled in 200-line mode. Data missing from the streams decodes as zero.
void DecodeMagPixels(MagReader& in, const MagPicture& pic, uint8_t* out,
                     MagProgress progress = nullptr, void* context = nullptr);
