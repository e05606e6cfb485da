#pragma once
// What the media benchmarks report about their own process: CPU use over a stretch of wall time and
// the peak resident memory, printed as one "key=value" line that bench/media-compare.sh reads.

#include <chrono>
#include <cstdio>
#include <sys/resource.h>

class ProcessUsage {
public:
    // Starts the stretch over which CPU use is measured.
    void start() {
        m_wallStart = std::chrono::steady_clock::now();
        m_cpuStart = CpuSeconds();
    }

    // CPU % since start() (100 = one core).
    double cpuPercent() const {
        const double wall =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - m_wallStart).count();
        return 100.0 * (CpuSeconds() - m_cpuStart) / wall;
    }

    // Prints the time to playing, CPU % over the stretch (100 = one core) and peak RSS.
    void print(double playingAfterMs) const {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("playing_ms=%.1f cpu_percent=%.2f peak_rss_kib=%ld\n", playingAfterMs, cpuPercent(),
                    usage.ru_maxrss);
        std::fflush(stdout);
    }

private:
    static double CpuSeconds() {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        const auto seconds = [](const timeval &t) { return t.tv_sec + t.tv_usec / 1e6; };
        return seconds(usage.ru_utime) + seconds(usage.ru_stime);
    }

    std::chrono::steady_clock::time_point m_wallStart;
    double m_cpuStart = 0;
};
