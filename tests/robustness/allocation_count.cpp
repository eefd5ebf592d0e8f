#include "allocation_count.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<long long> Live{0};

void* Allocate(std::size_t Size) {
    void* block = std::malloc(Size ? Size : 1);
    if (block) ++Live;
    return block;
}

void Free(void* Block) {
    if (!Block) return;
    --Live;
    std::free(Block);
}

} // namespace

long long LiveAllocations() {
    return Live.load();
}

void* operator new(std::size_t Size) {
    if (void* block = Allocate(Size)) return block;
    throw std::bad_alloc();
}
void* operator new[](std::size_t Size) {
    return operator new(Size);
}
void* operator new(std::size_t Size, const std::nothrow_t&) noexcept {
    return Allocate(Size);
}
void* operator new[](std::size_t Size, const std::nothrow_t&) noexcept {
    return Allocate(Size);
}
void operator delete(void* Block) noexcept {
    Free(Block);
}
void operator delete[](void* Block) noexcept {
    Free(Block);
}
void operator delete(void* Block, std::size_t) noexcept {
    Free(Block);
}
void operator delete[](void* Block, std::size_t) noexcept {
    Free(Block);
}
void operator delete(void* Block, const std::nothrow_t&) noexcept {
    Free(Block);
}
void operator delete[](void* Block, const std::nothrow_t&) noexcept {
    Free(Block);
}
