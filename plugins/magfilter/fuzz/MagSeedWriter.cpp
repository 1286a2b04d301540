// Writes the fuzzer's starting corpus: small encoder pictures of every kind into a folder.
#include "MagEncoder.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace {

struct Seed {
    const char* name;
    uint8_t screenMode;
    uint16_t x0, y0, x1, y1;
    CopyPolicy policy;
};

constexpr Seed kSeeds[] = {
    {"16c_copies", 0x00, 0, 0, 31, 23, CopyPolicy::First},
    {"16c_every_nibble", 0x00, 3, 0, 44, 40, CopyPolicy::Rotate},
    {"16c_no_copies", 0x00, 0, 0, 15, 7, CopyPolicy::None},
    {"16c_200_lines", 0x01, 8, 2, 63, 37, CopyPolicy::Rotate},
    {"256c_copies", 0x80, 0, 0, 23, 19, CopyPolicy::First},
    {"256c_every_nibble", 0x80, 2, 1, 29, 40, CopyPolicy::Rotate},
    {"256c_one_unit", 0x80, 1, 0, 3, 20, CopyPolicy::Rotate},
    {"256c_200_lines", 0x81, 0, 0, 15, 35, CopyPolicy::First},
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    unsigned seed = 1;
    for (const Seed& s : kSeeds) {
        const MagImage image = MakeTestImage(s.screenMode, s.x0, s.y0, s.x1, s.y1, seed++);
        const std::vector<uint8_t> bytes = EncodeMag(image, s.policy).bytes;
        std::ofstream(std::string(argv[1]) + "/" + s.name + ".mag", std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    return 0;
}
