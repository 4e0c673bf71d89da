#pragma once

#include <cstdio>
#include <cstdlib>

// Checks of what the game's own data must never allow. They stop a debug build and the
// sanitizer build (CMake builds that one as RelWithDebInfo, which defines NDEBUG, so the build
// turns them on with ZARUNE_CHECKS); in release play they cost nothing and the caller's own
// fallback holds.
#if !defined(NDEBUG) && !defined(ZARUNE_CHECKS)
#define ZARUNE_CHECKS 1
#endif

#if defined(ZARUNE_CHECKS)
[[noreturn]] inline void CheckFailed(const char* what, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, what);
    std::abort();
}
#define ZARUNE_CHECK(condition) \
    ((condition) ? static_cast<void>(0) : CheckFailed(#condition, __FILE__, __LINE__))
#else
#define ZARUNE_CHECK(condition) static_cast<void>(0)
#endif
