#include <stddef.h>

#include <rvl.h>

/* The image functions and the core services, through the one header. */
int main(void) {
    Rvl32f px[3] = {-1.5f, 2.0f, -0.0f};
    RvlSize roi = {3, 1};
    int cache = 0;
    void* block = rvlMalloc(100);
    if (block == NULL || ((unsigned long)block & 63) != 0) return 1;
    rvlFree(block);
    if (rvlGetMaxCacheSizeB(&cache) < 0 && rvlGetMaxCacheSizeB(&cache) != rvlResUnsupportedMode) return 1;
    if (rvliAbs_32f_C1IR(px, (int)sizeof px, roi) != rvlResOk) return 1;
    return (px[0] == 1.5f && px[1] == 2.0f && px[2] == 0.0f) ? 0 : 1;
}
