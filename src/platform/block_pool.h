#pragma once
// Memory for objects of one size that a document makes by the hundred thousand and frees
// all together: the general allocator sorted every such block into its bins and merged it
// with its neighbours again, which took longer than making the object. Freed blocks wait
// for the next object; the process keeps what its largest document needed. Under the
// address sanitizer every block is an allocation of its own, so that misuse is still seen.

#include <cstddef>
#include <memory>
#include <mutex>
#include <vector>

namespace tavra {

class BlockPool {
 public:
  explicit BlockPool(std::size_t blockSize);
  BlockPool(const BlockPool&) = delete;
  BlockPool& operator=(const BlockPool&) = delete;

  std::size_t blockSize() const { return blockSize_; }
  void* allocate();
  void release(void* block) noexcept;

 private:
  struct FreeBlock {
    FreeBlock* next;
  };
  static constexpr std::size_t SlabBytes = 64 * 1024;

  const std::size_t blockSize_;
  std::mutex mutex_;
  FreeBlock* free_ = nullptr;
  std::vector<std::unique_ptr<std::byte[]>> slabs_;
  std::size_t usedInSlab_ = SlabBytes;
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
  // destruction.
  static BlockPool& pool() {
    static BlockPool& blocks = *new BlockPool(sizeof(T));
    return blocks;
  }
};

}  // namespace tavra
