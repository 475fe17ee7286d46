#include "HeapCounter.h"

#include <atomic>
#include <cstdlib>
#include <new>

// The counters must be process-wide: operator new has no other place to keep
// them. Each block carries its size in a header of one max_align_t, so that
// delete can subtract it and the block stays aligned as new promises.
namespace {

constexpr std::size_t Header = alignof(std::max_align_t);

std::atomic<std::size_t> live {0};
std::atomic<std::size_t> peak {0};

void* allocate(std::size_t size) noexcept
{
    void* block = std::malloc(size + Header);
    if (!block)
        return nullptr;
    *static_cast<std::size_t*>(block) = size;
    const std::size_t now = live.fetch_add(size, std::memory_order_relaxed) + size;
    std::size_t high = peak.load(std::memory_order_relaxed);
    while (now > high && !peak.compare_exchange_weak(high, now, std::memory_order_relaxed)) { }
    return static_cast<char*>(block) + Header;
}

void release(void* pointer) noexcept
{
    if (!pointer)
        return;
    void* block = static_cast<char*>(pointer) - Header;
    live.fetch_sub(*static_cast<std::size_t*>(block), std::memory_order_relaxed);
    std::free(block);
}

void* allocateOrThrow(std::size_t size)
{
    void* pointer = allocate(size);
    if (!pointer)
        throw std::bad_alloc();
    return pointer;
}

} // namespace

namespace gw::heap {

std::size_t liveBytes() { return live.load(std::memory_order_relaxed); }
std::size_t peakBytes() { return peak.load(std::memory_order_relaxed); }
void resetPeak() { peak.store(live.load(std::memory_order_relaxed), std::memory_order_relaxed); }

} // namespace gw::heap

void* operator new(std::size_t size) { return allocateOrThrow(size); }
void* operator new[](std::size_t size) { return allocateOrThrow(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return allocate(size); }
void operator delete(void* pointer) noexcept { release(pointer); }
void operator delete[](void* pointer) noexcept { release(pointer); }
void operator delete(void* pointer, std::size_t) noexcept { release(pointer); }
void operator delete[](void* pointer, std::size_t) noexcept { release(pointer); }
void operator delete(void* pointer, const std::nothrow_t&) noexcept { release(pointer); }
void operator delete[](void* pointer, const std::nothrow_t&) noexcept { release(pointer); }
