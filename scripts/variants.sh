# Sourced by the scripts: sets `variants` to the processor variants this
# machine runs, narrowest first (sse41, avx2, avx512), and `widest`.
flags=$(grep -m1 '^flags' /proc/cpuinfo 2>/dev/null || true)
has_flag() { case " $flags " in *" $1 "*) return 0 ;; esac; return 1; }
variants="sse41"
if has_flag avx2 && has_flag fma; then variants="$variants avx2"; fi
if has_flag avx2 && has_flag fma && has_flag avx512f && has_flag avx512bw && has_flag avx512dq && has_flag avx512vl; then
    variants="$variants avx512"
fi
widest=${variants##* }
