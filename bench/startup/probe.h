#pragma once

// Start-up probe shared by the calculator's and the minimal window's probe programs. Once the
// program has shown its window it posts a zero timer; when that fires, the event loop has
// worked off what showing the window queued. The probe then prints one line and quits:
//   startup_us=<process start to idle> main_us=<main entered to idle> maxrss_kb=<peak resident memory>
// The process start is the time compare.sh put into KOLVEX_PROBE_LAUNCH_US just before it
// started the program (so both programs pay the same launch cost); without it, the kernel's
// record of the start, to 10 ms.

#include <QCoreApplication>
#include <QTimer>

#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace kolvex_bench {

inline long long nowMicroseconds(clockid_t clock) {
    timespec t{};
    clock_gettime(clock, &t);
    return static_cast<long long>(t.tv_sec) * 1000000 + t.tv_nsec / 1000;
}

// Microseconds since the process started, by whichever clock its start is known in.
inline long long sinceProcessStart() {
    if (const char* launched = std::getenv("KOLVEX_PROBE_LAUNCH_US")) {
        return nowMicroseconds(CLOCK_REALTIME) - std::atoll(launched);
    }
    std::ifstream stat("/proc/self/stat");
    std::string field;
    std::getline(stat, field, ')'); // the program name may hold blanks
    for (int i = 3; i <= 22 && stat >> field; ++i) {
    }
    const long long ticks = std::atoll(field.c_str());
    return nowMicroseconds(CLOCK_BOOTTIME) - ticks * 1000000 / sysconf(_SC_CLK_TCK);
}

class Probe {
public:
    // First thing in main.
    Probe() : m_mainEntered(nowMicroseconds(CLOCK_MONOTONIC)) {}

    // Right after the window is shown.
    void reportWhenIdle() const {
        QTimer::singleShot(0, [mainEntered = m_mainEntered] {
            const long long sinceMain = nowMicroseconds(CLOCK_MONOTONIC) - mainEntered;
            const long long sinceStart = sinceProcessStart();
            rusage usage{};
            getrusage(RUSAGE_SELF, &usage);
            std::printf("startup_us=%lld main_us=%lld maxrss_kb=%ld\n", sinceStart, sinceMain, usage.ru_maxrss);
            std::fflush(stdout);
            QCoreApplication::quit();
        });
    }

private:
    long long m_mainEntered;
};

} // namespace kolvex_bench
