#!/usr/bin/env bash
# Runs a program as a client of a private Weston compositor on its headless backend, the way a
# Wayland desktop runs the calculator; shows the compositor's log when the program fails.
# Usage: under-weston.sh <program> [arguments...]
set -euo pipefail

runtime=$(mktemp -d) # mode 0700, as Wayland wants its runtime folder
socket="kolvex-weston-$$"
export XDG_RUNTIME_DIR="$runtime"
weston --backend=headless-backend.so --socket="$socket" --idle-time=0 --log="$runtime/weston.log" \
    </dev/null >/dev/null 2>&1 &
weston_pid=$!
stop() {
    kill "$weston_pid" 2>/dev/null || true
    wait "$weston_pid" 2>/dev/null || true
    rm -rf "$runtime"
}
trap stop EXIT

for _ in $(seq 100); do
    [ -S "$runtime/$socket" ] && break
    if ! kill -0 "$weston_pid" 2>/dev/null; then
        echo "FAIL weston did not start:"
        cat "$runtime/weston.log"
        exit 1
    fi
    sleep 0.1
done
[ -S "$runtime/$socket" ] || { echo "FAIL weston opened no socket within 10 s"; exit 1; }

status=0
env -u DISPLAY WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland "$@" || status=$?
if [ "$status" -ne 0 ]; then
    echo "--- weston's log:"
    tail -n 30 "$runtime/weston.log"
fi
exit "$status"
