// Blocks of one size for the objects a memo holds by the million: its characters and list
// nodes. The heap's cost per block is most of what loading a long memo takes under Wine.
#pragma once

#include <atomic>
#include <cstddef>

// Blocks come from 64 KiB slabs; a slab whose blocks are all free goes back to the system,
// except one kept for the next allocation. Thread-safe.
class FixedPool {
 public:
  // Blocks are aligned for pointers and at least as large as one.
  explicit FixedPool(std::size_t blockSize);
  FixedPool(const FixedPool&) = delete;
  FixedPool& operator=(const FixedPool&) = delete;

  std::size_t BlockSize() const { return m_blockSize; }
  // Throws std::bad_alloc when no slab can be had.
  void* Allocate();
  void Release(void* block);

 private:
  struct Slab;
  class Lock;
  Slab* NewSlab();
  void Link(Slab* slab);
  void Unlink(Slab* slab);

  std::size_t m_blockSize;
  std::size_t m_blocksPerSlab;
  // A spin lock: held for a few instructions, and half the price of a critical section.
  std::atomic<bool> m_locked;
  Slab* m_open;   // slabs with a free block, most recently freed into first
  Slab* m_spare;  // an empty slab kept back
};
