// Runs every benchmark, then prints one table: operation, rvl time, OpenCV
// time, their ratio, the time of a plain baseline (memcpy or memset of the
// same bytes, a read-only pass over the image, or FFTW, where one applies),
// and the bandwidth rvl used against memcpy's.
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "bench.hpp"

#ifdef RVL_BENCH_WITH_OPENCV
#include <opencv2/core/utility.hpp>
#endif

namespace {

// The memory-bandwidth reference: memcpy of a 1920x1080 32f frame (8 MB
// each way), the largest frame the benchmarks move.
void Memcpy_limit(benchmark::State& state) {
    const std::size_t bytes = std::size_t(rvlbench::kWidth) * rvlbench::kHeight * 4;
    std::vector<char> src(bytes, 1), dst(bytes);
    for (auto _ : state) {
        std::memcpy(dst.data(), src.data(), bytes);
        benchmark::ClobberMemory();
    }
    rvlbench::set_traffic(state, 2 * std::int64_t(bytes));
}
BENCHMARK(Memcpy_limit)->Name("memcpy/limit")->Unit(benchmark::kMicrosecond)->UseRealTime();

struct Row {
    double rvlUs = 0, cvUs = 0, baseUs = 0, rvlBytesPerSec = 0;
};

class TableReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs) {
            if (r.run_type != Run::RT_Iteration || r.error_occurred) continue;
            const std::string name = r.benchmark_name();
            const auto slash = name.find('/');
            const std::string op = name.substr(0, slash), who = name.substr(slash + 1);
            // Repetitions (--benchmark_repetitions, best interleaved with
            // --benchmark_enable_random_interleaving) keep each side's fastest
            // run, the one least disturbed by the rest of the machine.
            auto keep = [](double& best, double t) { return best == 0 || t < best ? (best = t, true) : false; };
            const double us = r.GetAdjustedRealTime();  // in the benchmark's unit, microseconds
            auto bps = r.counters.find("bytes_per_second");
            const double bytesPerSec = bps != r.counters.end() ? double(bps->second) : 0.0;
            if (op == "memcpy") {
                if (bytesPerSec > limitBytesPerSec_) limitBytesPerSec_ = bytesPerSec;
                continue;
            }
            if (!rows_.count(op)) order_.push_back(op);
            Row& row = rows_[op];
            if (who.rfind("rvl", 0) == 0) {
                if (keep(row.rvlUs, us)) row.rvlBytesPerSec = bytesPerSec;
            } else if (who.rfind("base", 0) == 0) {
                keep(row.baseUs, us);
            } else {
                keep(row.cvUs, us);
            }
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\n%-26s %9s %9s %7s %9s %7s %9s %8s\n", "operation", "rvl us", "OpenCV us", "ratio", "base us",
                    "/base", "rvl GB/s", "of limit");
        for (const std::string& op : order_) {
            const Row& r = rows_[op];
            char cv[32] = "-", ratio[32] = "-", base[32] = "-", baseRatio[32] = "-", bw[32] = "-", frac[32] = "-";
            if (r.cvUs > 0) {
                std::snprintf(cv, sizeof cv, "%.1f", r.cvUs);
                std::snprintf(ratio, sizeof ratio, "%.2f", r.rvlUs / r.cvUs);
            }
            if (r.baseUs > 0) {
                std::snprintf(base, sizeof base, "%.1f", r.baseUs);
                std::snprintf(baseRatio, sizeof baseRatio, "%.2f", r.rvlUs / r.baseUs);
            }
            if (r.rvlBytesPerSec > 0) {
                std::snprintf(bw, sizeof bw, "%.2f", r.rvlBytesPerSec / 1e9);
                if (limitBytesPerSec_ > 0)
                    std::snprintf(frac, sizeof frac, "%.0f%%", 100.0 * r.rvlBytesPerSec / limitBytesPerSec_);
            }
            std::printf("%-26s %9.1f %9s %7s %9s %7s %9s %8s\n", op.c_str(), r.rvlUs, cv, ratio, base, baseRatio, bw,
                        frac);
        }
        if (limitBytesPerSec_ > 0) std::printf("memcpy limit: %.2f GB/s (read + write)\n", limitBytesPerSec_ / 1e9);
        std::printf("ratio = rvl time / OpenCV time; /base = rvl time / the baseline: memcpy or memset of the same bytes, a read-only pass over the image for the byte reductions, or FFTW (FFTW_MEASURE) for the FFT rows\n");
    }

private:
    std::vector<std::string> order_;
    std::map<std::string, Row> rows_;
    double limitBytesPerSec_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
#ifdef RVL_BENCH_WITH_OPENCV
    cv::setNumThreads(1);
#endif
    benchmark::Initialize(&argc, argv);
    TableReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
