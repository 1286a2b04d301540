// Result codes shared by the MAG decoder core and the Susie entry points.
#pragma once

enum MagResult : int {
    kMagOk = 0,
    kMagNotImplemented = -1,
    kMagNotMag = 2,
    kMagNoMemory = 4,
    kMagLockFailed = 5,
    kMagReadError = 6,
};
