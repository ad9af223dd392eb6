#pragma once
// Memory for objects of one size that a document makes by the hundred thousand and frees
// all together: the general allocator sorted every such block into its bins and merged it
// with its neighbours again, which took longer than making the object. Freed blocks wait
// for the next object; the process keeps what its largest document needed. Under the
// address sanitizer every new block is an allocation of its own, so that an overrun or a
// leak is still seen, and a freed block stays poisoned until it is given out again.

#include <algorithm>
#include <cstddef>
#include <memory>
#include <mutex>
#include <vector>

namespace tavra {

inline constexpr std::size_t kBlockPoolSlabBytes = 64 * 1024;

// What a block of `size` bytes takes in a pool: room for the link of the free list,
// rounded up to the strictest alignment.
constexpr std::size_t pooledBlockSize(std::size_t size) {
  constexpr std::size_t alignment = alignof(std::max_align_t);
  return (std::max(size, sizeof(void*)) + alignment - 1) / alignment * alignment;
}

// The work of a pool whose block size BlockPool has checked.
class BlockPoolBase {
 public:
  BlockPoolBase(const BlockPoolBase&) = delete;
  BlockPoolBase& operator=(const BlockPoolBase&) = delete;

  void* allocate();
  void release(void* block) noexcept;

 protected:
  explicit BlockPoolBase(std::size_t blockSize) : blockSize_(blockSize) {}
  ~BlockPoolBase();

 private:
  struct FreeBlock {
    FreeBlock* next;
  };

  const std::size_t blockSize_;
  std::mutex mutex_;
  FreeBlock* free_ = nullptr;
  std::vector<std::unique_ptr<std::byte[]>> slabs_;
  std::size_t usedInSlab_ = kBlockPoolSlabBytes;
};

// Blocks of `Size` bytes, carved from slabs of 64 KiB: a size that a slab cannot hold
// does not compile.
template <std::size_t Size>
  requires(pooledBlockSize(Size) <= kBlockPoolSlabBytes)
class BlockPool : public BlockPoolBase {
 public:
  static constexpr std::size_t blockSize = pooledBlockSize(Size);
  BlockPool() : BlockPoolBase(blockSize) {}
};

// A base that gives class T its blocks from a pool of its size; a derived class of another
// size is allocated as usual.
template <class T>
class PooledAllocation {
 public:
  static void* operator new(std::size_t size) { return size == sizeof(T) ? pool().allocate() : ::operator new(size); }
  static void operator delete(void* object, std::size_t size) noexcept {
    if (size == sizeof(T))
      pool().release(object);
    else
      ::operator delete(object);
  }

 private:
  // Never destroyed: objects held by others of static lifetime may outlive any order of
  // destruction. (Its type is named inside: T is not complete where it derives from this.)
  static auto& pool() {
    static BlockPool<sizeof(T)>& blocks = *new BlockPool<sizeof(T)>;
    return blocks;
  }
};

}  // namespace tavra
