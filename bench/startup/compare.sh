#!/usr/bin/env bash
# Start-up of the calculator against a minimal Qt Widgets window: time from process start until
# the window is shown and the event loop idle, and peak memory. Runs the two probes alternately,
# under one Xvfb server when there is no display (or offscreen with QT_QPA_PLATFORM=offscreen),
# and prints the medians and their ratio.
#   bench/startup/compare.sh [build directory, default build] [runs, default 30]
set -euo pipefail

build=${1:-build}
runs=${2:-30}
calculator=$build/bench/startup/kolvex-startup-probe
minimal=$build/bench/startup/minimal-startup-probe
for probe in "$calculator" "$minimal"; do
    [ -x "$probe" ] || { echo "missing $probe: cmake --build $build --target kolvex-startup-probe minimal-startup-probe" >&2; exit 1; }
done

if [ -z "${QT_QPA_PLATFORM:-}" ] && [ -z "${DISPLAY:-}" ] && [ -z "${KOLVEX_COMPARE_UNDER_XVFB:-}" ]; then
    exec env KOLVEX_COMPARE_UNDER_XVFB=1 QT_QPA_PLATFORM=xcb \
        xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$build" "$runs"
fi

# One line of the probe: startup_us=.. main_us=.. maxrss_kb=..
run() {
    KOLVEX_PROBE_LAUNCH_US=${EPOCHREALTIME/./} "$1" 2>/dev/null
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

field() { sed -n "s/.*$1=\([0-9]*\).*/\1/p"; }

results=$(mktemp)
trap 'rm -f "$results"' EXIT
# A first run of each fills the file cache, so that no program pays for the other's disk reads.
run "$calculator" >/dev/null
run "$minimal" >/dev/null
for ((i = 0; i < runs; i++)); do
    echo "calculator $(run "$calculator")" >>"$results"
    echo "minimal $(run "$minimal")" >>"$results"
done

report() { # name, field, divisor, unit
    local c m
    c=$(grep '^calculator' "$results" | field "$2" | median)
    m=$(grep '^minimal' "$results" | field "$2" | median)
    awk -v n="$1" -v c="$c" -v m="$m" -v d="$3" -v u="$4" \
        'BEGIN { printf "%-26s %10.1f %s %10.1f %s %8.2fx\n", n, c / d, u, m / d, u, c / m }'
}

echo "platform ${QT_QPA_PLATFORM:-default}, $runs runs each, medians"
printf "%-26s %13s %13s %9s\n" "" calculator minimal ratio
report "process start to idle" startup_us 1000 ms
report "main entered to idle" main_us 1000 ms
report "process start to first frame" frame_us 1000 ms
report "peak memory (max RSS)" maxrss_kb 1024 MiB
