#include "core/CleanVectorState.h"

namespace rk {

void cleanVectorState()
{
#if defined(__x86_64__) || defined(__i386__)
    // vzeroupper faults without AVX, and AVX counts only where the system
    // saves the wide registers too; the compiler's check asks both, once.
    static const bool hasAvx = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx") != 0;
    }();
    // It keeps the low 128 bits, which hold every scalar double; the
    // clobbers keep the compiler from holding anything wider across it.
    if (hasAvx)
        __asm__ volatile("vzeroupper" ::: "xmm0", "xmm1", "xmm2", "xmm3", "xmm4", "xmm5", "xmm6", "xmm7"
#if defined(__x86_64__)
                         , "xmm8", "xmm9", "xmm10", "xmm11", "xmm12", "xmm13", "xmm14", "xmm15"
#endif
        );
#endif
}

} // namespace rk
