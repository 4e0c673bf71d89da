#pragma once

#include <atomic>

// A value shared with the sound thread. The game thread writes it, the sound thread only
// looks at it, and no ordering between such values is needed, so every access is relaxed.
template <class T>
class Relaxed {
public:
    constexpr Relaxed(T initial = T()) : value_(initial) {}
    Relaxed(const Relaxed&) = delete;
    Relaxed& operator=(const Relaxed&) = delete;

    operator T() const { return value_.load(std::memory_order_relaxed); }
    Relaxed& operator=(T v) {
        value_.store(v, std::memory_order_relaxed);
        return *this;
    }
    T Exchange(T v) { return value_.exchange(v, std::memory_order_relaxed); }

private:
    std::atomic<T> value_;
};
