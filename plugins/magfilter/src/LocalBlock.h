// Owner of a movable local-memory block, freed unless handed to the caller.
#pragma once

#include <windows.h>

#include <cstddef>

class LocalBlock {
public:
    LocalBlock() = default;
    ~LocalBlock()
    {
        Unlock();
        if (handle_)
            LocalFree(handle_);
    }
    LocalBlock(const LocalBlock&) = delete;
    LocalBlock& operator=(const LocalBlock&) = delete;

    bool Allocate(size_t size)
    {
        handle_ = LocalAlloc(LMEM_MOVEABLE, size);
        return handle_ != nullptr;
    }
    void* Lock() { return data_ = LocalLock(handle_); }
    void Unlock()
    {
        if (data_)
            LocalUnlock(handle_);
        data_ = nullptr;
    }
    // Resizes the unlocked block; keeps the old block if that fails.
    void Shrink(size_t size)
    {
        if (HLOCAL smaller = LocalReAlloc(handle_, size, LMEM_MOVEABLE))
            handle_ = smaller;
    }
    HLOCAL Release()
    {
        Unlock();
        HLOCAL h = handle_;
        handle_ = nullptr;
        return h;
    }

private:
    HLOCAL handle_ = nullptr;
    void* data_ = nullptr;
};
