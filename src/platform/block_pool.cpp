#include "platform/block_pool.h"

#include <cstdio>
#include <cstdlib>
#include <new>

#if defined(__SANITIZE_ADDRESS__)
#define TAVRA_BLOCK_POOL_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TAVRA_BLOCK_POOL_ASAN 1
#endif
#endif

#ifdef TAVRA_BLOCK_POOL_ASAN
#include <sanitizer/asan_interface.h>
#endif

namespace tavra {

namespace {

// A free block is poisoned past its link: the leak checker follows no pointer kept in
// poisoned memory, and the free blocks are reachable through the links alone.
#ifdef TAVRA_BLOCK_POOL_ASAN
constexpr bool kSanitized = true;
static_assert(pooledBlockSize(1) > sizeof(void*), "every free block has bytes past its link to poison");
std::byte* pastLink(void* block) { return static_cast<std::byte*>(block) + sizeof(void*); }
void poison(void* block, std::size_t size) { ASAN_POISON_MEMORY_REGION(pastLink(block), size - sizeof(void*)); }
void unpoison(void* block, std::size_t size) { ASAN_UNPOISON_MEMORY_REGION(pastLink(block), size - sizeof(void*)); }
bool poisoned(void* block) { return __asan_address_is_poisoned(pastLink(block)) != 0; }
#else
constexpr bool kSanitized = false;
void poison(void*, std::size_t) {}
void unpoison(void*, std::size_t) {}
bool poisoned(void*) { return false; }
#endif

}  // namespace

BlockPoolBase::~BlockPoolBase() {
  if (!kSanitized) return;
  while (FreeBlock* block = free_) {
    unpoison(block, blockSize_);
    free_ = block->next;
    ::operator delete(block);
  }
}

void* BlockPoolBase::allocate() {
  std::lock_guard lock(mutex_);
  if (free_) {
    FreeBlock* block = free_;
    unpoison(block, blockSize_);
    free_ = block->next;
    return block;
  }
  if (kSanitized) return ::operator new(blockSize_);
  if (usedInSlab_ + blockSize_ > kBlockPoolSlabBytes) {
    slabs_.push_back(std::make_unique_for_overwrite<std::byte[]>(kBlockPoolSlabBytes));
    usedInSlab_ = 0;
  }
  void* block = slabs_.back().get() + usedInSlab_;
  usedInSlab_ += blockSize_;
  return block;
}

void BlockPoolBase::release(void* block) noexcept {
  if (!block) return;
  std::lock_guard lock(mutex_);
  // Poisoned means on the free list already: a second release would give it out twice.
  if (poisoned(block)) {
    std::fputs("BlockPool: a block released twice\n", stderr);
    std::abort();
  }
  free_ = new (block) FreeBlock{free_};
  poison(block, blockSize_);
}

}  // namespace tavra
