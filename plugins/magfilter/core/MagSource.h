// Where the MAG reader gets its bytes: a memory block or any windowed backing store.
#pragma once

#include <cstddef>
#include <cstdint>

class MagSource {
public:
    virtual ~MagSource() = default;
    // Makes the bytes from pos on available in *data and returns how many there are;
    // 0 at the end of the data or when the backing store fails.
    virtual size_t Fetch(uint64_t pos, const uint8_t** data) = 0;
};

class MemorySource : public MagSource {
public:
    MemorySource(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    size_t Fetch(uint64_t pos, const uint8_t** data) override;

private:
    const uint8_t* data_;
    size_t size_;
};
