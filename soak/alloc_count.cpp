#include "soak/alloc_count.h"

#include <pthread.h>

#include <atomic>
#include <cstdlib>
#include <new>

#if defined(__SANITIZE_ADDRESS__)
#define SOAK_SANITIZER_ALLOCATOR 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SOAK_SANITIZER_ALLOCATOR 1
#endif
#endif

namespace {

std::atomic<bool> g_counting{false};
std::atomic<uint64_t> g_count{0};
pthread_t g_countingThread;

// Called inside the allocator, so it must not allocate itself.
void CountOne() {
    if (g_counting.load(std::memory_order_relaxed) &&
        pthread_equal(pthread_self(), g_countingThread)) {
        g_count.fetch_add(1, std::memory_order_relaxed);
    }
}

}  // namespace

namespace soak {

void StartCountingAllocations() {
    g_countingThread = pthread_self();
    g_count.store(0, std::memory_order_relaxed);
    g_counting.store(true, std::memory_order_relaxed);
}

uint64_t StopCountingAllocations() {
    g_counting.store(false, std::memory_order_relaxed);
    return g_count.load(std::memory_order_relaxed);
}

}  // namespace soak

#if defined(SOAK_SANITIZER_ALLOCATOR)

#include <sanitizer/allocator_interface.h>

namespace {

void MallocHook(const volatile void*, size_t) {
    CountOne();
}
void FreeHook(const volatile void*) {}

// Installed before main runs, so no allocation of the run escapes it.
const int g_hooksInstalled = __sanitizer_install_malloc_and_free_hooks(MallocHook, FreeHook);

}  // namespace

#else

namespace {

void* Allocate(size_t size) {
    CountOne();
    return std::malloc(size == 0 ? 1 : size);
}

void* AllocateAligned(size_t size, std::align_val_t align) {
    CountOne();
    const size_t a = static_cast<size_t>(align);
    // aligned_alloc wants a size that is a multiple of the alignment.
    return std::aligned_alloc(a, (size + a - 1) / a * a);
}

}  // namespace

void* operator new(size_t size) {
    if (void* p = Allocate(size)) return p;
    throw std::bad_alloc();
}
void* operator new[](size_t size) {
    if (void* p = Allocate(size)) return p;
    throw std::bad_alloc();
}
void* operator new(size_t size, const std::nothrow_t&) noexcept {
    return Allocate(size);
}
void* operator new[](size_t size, const std::nothrow_t&) noexcept {
    return Allocate(size);
}
void* operator new(size_t size, std::align_val_t align) {
    if (void* p = AllocateAligned(size, align)) return p;
    throw std::bad_alloc();
}
void* operator new[](size_t size, std::align_val_t align) {
    if (void* p = AllocateAligned(size, align)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, size_t) noexcept {
    std::free(p);
}
void operator delete(void* p, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete(void* p, size_t, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, size_t, std::align_val_t) noexcept {
    std::free(p);
}

#endif
