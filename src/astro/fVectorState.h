// SPDX-License-Identifier: GPL-3.0-or-later
// The state of the processor's vector registers at the entry of the long computations.
#pragma once

namespace astro {

// Marks the upper halves of the AVX registers unused (vzeroupper) on processors that have
// them. The engine and libm's fallbacks are built for plain SSE2; while foreign code (the
// AVX2 fill and blend routines of the drawing library) has left those halves in use, every
// SSE instruction waits on them and the computations run eight to nine times slower. The
// instruction keeps the lower halves, so no value the compiler holds is lost; it costs about
// a cycle. A no-op on other processors and compilers.
inline void ReleaseUpperVectorState() {
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    static const bool hasAvx = __builtin_cpu_supports("avx");
    if (hasAvx) __asm__ volatile("vzeroupper");
#endif
}

} // namespace astro
