#include "platform/block_pool.h"

#include <algorithm>
#include <new>

namespace tavra {

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kPooled = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kPooled = false;
#else
constexpr bool kPooled = true;
#endif
#else
constexpr bool kPooled = true;
#endif

constexpr std::size_t kAlignment = alignof(std::max_align_t);

}  // namespace

BlockPool::BlockPool(std::size_t blockSize)
    : blockSize_((std::max(blockSize, sizeof(FreeBlock)) + kAlignment - 1) / kAlignment * kAlignment) {}

void* BlockPool::allocate() {
  if (!kPooled) return ::operator new(blockSize_);
  std::lock_guard lock(mutex_);
  if (free_) {
    FreeBlock* block = free_;
    free_ = block->next;
    return block;
  }
  if (usedInSlab_ + blockSize_ > SlabBytes) {
    slabs_.push_back(std::make_unique_for_overwrite<std::byte[]>(SlabBytes));
    usedInSlab_ = 0;
  }
  void* block = slabs_.back().get() + usedInSlab_;
  usedInSlab_ += blockSize_;
  return block;
}

void BlockPool::release(void* block) noexcept {
  if (!block) return;
  if (!kPooled) {
    ::operator delete(block);
    return;
  }
  std::lock_guard lock(mutex_);
  free_ = new (block) FreeBlock{free_};
}

}  // namespace tavra
