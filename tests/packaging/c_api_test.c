/* The public headers compiled as strict C99 (-Wall -Wextra -Werror), and a
 * few calls through them from C. */
#include <rvl.h>
#include <rvl/rvl_core.h>

#include <stdio.h>
#include <string.h>

int main(void) {
    Rvl16s src[2][3] = {{-3, 4, -32768}, {7, -8, 9}};
    Rvl16s dst[2][3];
    RvlSize roi = {3, 2};
    const RvlLibVersion* v = rvliGetLibVersion();
    int step = 0;
    Rvl32f* img;
    RvlResult st;

    st = rvliAbs_16s_C1R(&src[0][0], (int)sizeof src[0], &dst[0][0], (int)sizeof dst[0], roi);
    if (st != rvlResOk || dst[0][0] != 3 || dst[0][2] != 32767 || dst[1][1] != 8) {
        fprintf(stderr, "Abs from C: status %d\n", (int)st);
        return 1;
    }
    img = rvliMalloc_32f_C3(5, 4, &step);
    if (img == NULL || step != 64) {
        fprintf(stderr, "Malloc from C: step %d\n", step);
        return 1;
    }
    rvliFree(img);
    if (v == NULL || strcmp(v->versionText, "2018.0.0 (r56444)") != 0) return 1;
    if (rvlBorderInMemory != 0xF0 || rvlChannelsAC4 != 9 || rvlResBadBorder != -225) return 1;
    return 0;
}
