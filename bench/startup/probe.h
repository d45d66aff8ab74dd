#pragma once

// Start-up probe shared by the calculator's and the minimal window's probe programs. Once the
// program has shown its window it posts a zero timer; when that fires, the event loop has
// worked off what showing the window queued. The window's first picture can come later still
// (the display system asks for it), so the probe also waits for the first paint to finish.
// It then prints one line and quits:
//   startup_us=<process start to idle> main_us=<main entered to idle>
//   frame_us=<process start to the first picture drawn> maxrss_kb=<peak resident memory>
// The process start is the time compare.sh put into KOLVEX_PROBE_LAUNCH_US just before it
// started the program (so both programs pay the same launch cost); without it, the kernel's
// record of the start, to 10 ms.

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
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
    void reportWhenIdle(QWidget& window) {
        QCoreApplication::instance()->installEventFilter(&m_firstPaint);
        m_firstPaint.window = &window;
        m_firstPaint.done = [this] { finish(); };
        QTimer::singleShot(0, [this] {
            m_sinceMain = nowMicroseconds(CLOCK_MONOTONIC) - m_mainEntered;
            m_sinceStart = sinceProcessStart();
            finish();
        });
    }

private:
    // Notices the first paint of any part of the window and reports once that paint pass is over.
    struct FirstPaint : QObject {
        bool eventFilter(QObject* object, QEvent* event) override {
            if (!painted && event->type() == QEvent::Paint && object->isWidgetType() &&
                static_cast<QWidget*>(object)->window() == window) {
                painted = true;
                QTimer::singleShot(0, [this] {
                    sinceStart = sinceProcessStart();
                    done();
                });
            }
            return false;
        }
        QWidget* window = nullptr;
        bool painted = false;
        long long sinceStart = -1;
        std::function<void()> done;
    };

    void finish() {
        if (m_sinceStart < 0 || m_firstPaint.sinceStart < 0) {
            return; // both moments are needed
        }
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("startup_us=%lld main_us=%lld frame_us=%lld maxrss_kb=%ld\n", m_sinceStart, m_sinceMain,
                    m_firstPaint.sinceStart, usage.ru_maxrss);
        std::fflush(stdout);
        QCoreApplication::quit();
    }

    long long m_mainEntered;
    long long m_sinceMain = -1;
    long long m_sinceStart = -1;
    FirstPaint m_firstPaint;
};

} // namespace kolvex_bench
