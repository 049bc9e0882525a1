#pragma once
// Reads whether the upper halves of the vector registers are in use, as the
// processor itself reports it (XGETBV with ECX = 1: the AVX and the
// ZMM_Hi256 components of XINUSE). Where the processor cannot say, or is
// not x86, the answer is empty. A processor may report a part in use that
// is in fact clean, never the other way round, so "clean" is certain.

#include <optional>

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#endif

namespace rk::test {

inline std::optional<bool> vectorUpperInUse()
{
#if defined(__x86_64__) || defined(__i386__)
    static const bool readable = [] {
        unsigned a, b, c, d;
        // OSXSAVE, then XGETBV with ECX = 1 (leaf 0xD, sub-leaf 1, EAX bit 2).
        if (!__get_cpuid(1, &a, &b, &c, &d) || !(c & (1u << 27)) || __get_cpuid_max(0, nullptr) < 0xD)
            return false;
        __cpuid_count(0xD, 1, a, b, c, d);
        return (a & (1u << 2)) != 0;
    }();
    if (!readable)
        return std::nullopt;
    unsigned low, high;
    __asm__ volatile("xgetbv" : "=a"(low), "=d"(high) : "c"(1));
    return (low & ((1u << 2) | (1u << 6))) != 0;
#else
    return std::nullopt;
#endif
}

// Leaves the upper halves in use, as the toolkit's wide fills do; false
// where the processor has no AVX.
inline bool dirtyVectorUpper()
{
#if defined(__x86_64__) || defined(__i386__)
    if (!__builtin_cpu_supports("avx"))
        return false;
    __asm__ volatile("vpcmpeqd %%ymm7, %%ymm7, %%ymm7" ::: "xmm7");
    return true;
#else
    return false;
#endif
}

} // namespace rk::test
