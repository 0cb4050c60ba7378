// SPDX-License-Identifier: GPL-3.0-or-later
// Counts global allocations so that a benchmark or a test can show that a hot path
// allocates nothing. Include from exactly one file of a program.
#pragma once

#include <atomic>
#include <cstdlib>
#include <new>

namespace bench {
inline std::atomic<long long> allocations{0};
} // namespace bench

// Inlined into a caller, GCC pairs the replaced operator delete's free() with the new-expression
// and warns, though both sides of the pair are the ones below.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif

void* operator new(std::size_t size) {
    bench::allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
    return operator new(size);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}

#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif
