#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Everything a play frame reads and writes, copied byte for byte, so one frame can be run again
// and again from the same state. Image objects are left out: they stay as they were loaded,
// and a sheet reloaded meanwhile (the pool benchmark reloads a few) is not written over.
class GameSnapshot {
public:
    // Captures the state as it is now.
    void Capture();
    // Puts the captured state back.
    void Restore() const;
    bool Empty() const { return regions_.empty(); }

private:
    struct Region {
        void* at;
        std::vector<std::byte> bytes;
        // Byte ranges inside the region that restoring leaves as they are (image members).
        std::vector<std::pair<size_t, size_t>> keep;
    };

    template <class T>
    void Add(T& object);
    void AddBytes(void* at, size_t size, std::vector<std::pair<size_t, size_t>> keep = {});
    // A heap object of a class known here only by its base: all of its allocation.
    void AddHeapObject(void* object);

    std::vector<Region> regions_;
    uint32_t randState_ = 0;
    uint64_t ticks_ = 0;
};
