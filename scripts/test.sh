#!/usr/bin/env bash
# Builds everything and runs every test, headless. With --sanitize, in a separate build with
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

"./scripts/install-deps.sh" "${KOLVEX_DEPS_FLAGS:---packaging}"

# Every option is given, so that a build directory left from another configuration cannot
# quietly leave the window or its tests out.
build_dir=build
options=(-DKOLVEX_WERROR=ON -DKOLVEX_FRONTEND=qt -DKOLVEX_BUILD_TESTS=ON)
if [ "${1:-}" = "--sanitize" ]; then
    build_dir=build-asan
    options+=(-DKOLVEX_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKOLVEX_BUILD_BENCH=OFF)
else
    options+=(-DKOLVEX_SANITIZE=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKOLVEX_BUILD_BENCH=ON)
fi

cmake -S . -B "$build_dir" -G Ninja "${options[@]}" >/dev/null
cmake --build "$build_dir" -j "$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)"
# The Windows programs under wine and the web page in chromium, each in a build of its own (not
# sanitized); the web check compares its reports with the native build above.
if [ "${1:-}" != "--sanitize" ]; then
    ./scripts/test-windows.sh
    KOLVEX_NATIVE_BUILD="$build_dir" ./scripts/test-web.sh
fi
