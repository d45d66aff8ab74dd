#!/usr/bin/env bash
# The web page's tests: the toolkit-free suites built with emscripten and run under node through
# ctest (all but the command line's and the regional-settings runs), every report the lists can
# give compared byte for byte between the native program and the WebAssembly one, and the page
# itself driven in Debian's chromium, Firefox ESR and WebKitGTK, with the hosted folder in
# chromium. Uses the native build in $KOLVEX_NATIVE_BUILD (default build), configuring one without
# a window if there is none.
set -euo pipefail
cd "$(dirname "$0")/.."

"./scripts/build-web.sh"
export NODE_PATH=/usr/share/nodejs
native=${KOLVEX_NATIVE_BUILD:-build}
if [ ! -f "$native/CMakeCache.txt" ]; then
    cmake -S . -B "$native" -G Ninja -DKOLVEX_FRONTEND=none -DKOLVEX_BUILD_BENCH=OFF -DKOLVEX_WERROR=ON >/dev/null
fi
cmake --build "$native" -j "$(nproc)" --target kolvex-report-stream kolvex-session-export
cmake --build build-web -j "$(nproc)"
ctest --test-dir build-web --output-on-failure -j "$(nproc)"

# Every report in every language: the native program's bytes against the WebAssembly module's.
started=$(date +%s)
written=$(mktemp)
trap 'rm -f "$written"' EXIT
if ! cmp <("$native/tests/web/kolvex-report-stream" 2>"$written") \
    <(node --no-experimental-fetch build-web/tests/web/kolvex-report-stream.js 2>/dev/null); then
    echo "FAIL the WebAssembly module's reports differ from the native program's"
    exit 1
fi
echo "ok   $(cat "$written"): the same from the native program and the WebAssembly module ($(($(date +%s) - started)) s)"

# The page in chromium, replaying the session model's sessions, and the folder for a static host;
# then the page in Firefox ESR and WebKitGTK side by side (each engine's time in its output).
"$native/tests/web/kolvex-session-export" 24 >build-web/sessions.json
(cd tests/web && npm ci --no-audit --no-fund --loglevel=error)
export KOLVEX_PAGE=build-web/ui/web/kolvex-calculator.html KOLVEX_SESSIONS=build-web/sessions.json
started=$(date +%s)
node --test tests/web/page.test.mjs tests/web/hosted.test.mjs
echo "ok   the page in chromium ($(($(date +%s) - started)) s)"
started=$(date +%s)
node --test tests/web/engines.test.mjs
echo "ok   the page in Firefox ESR and WebKitGTK ($(($(date +%s) - started)) s)"
node tests/web/measure.mjs
