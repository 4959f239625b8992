#include "framework/compose/NVBlitSimd.h"

#if NV_BLIT_X86
NVBlitRowKernel nvBlitAvx2Kernel(int, int, int) { return nullptr; }
#endif
