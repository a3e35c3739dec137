#include <rvl.h>

int main(void) {
    Rvl32f px[3] = {-1.5f, 2.0f, -0.0f};
    RvlSize roi = {3, 1};
    if (rvliAbs_32f_C1IR(px, (int)sizeof px, roi) != rvlResOk) return 1;
    return (px[0] == 1.5f && px[1] == 2.0f && px[2] == 0.0f) ? 0 : 1;
}
