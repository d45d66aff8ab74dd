#!/usr/bin/env bash
# Builds the calculator as one web page, build-web/ui/web/kolvex-calculator.html, with Debian's
# emscripten: the whole program in a single file that works opened from disk or from any static
# host. Beside it, build-web/ui/web/hosted/ holds the folder for a static host: the same page as
# index.html, installable as an app and kept for use with no network. Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."

"./scripts/install-deps.sh" --web
# emcc's own scripts find their node modules only here.
export NODE_PATH=/usr/share/nodejs
# The same options as the web tests use, so that one build directory serves both.
emcmake cmake -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=Release -DKOLVEX_FRONTEND=web -DKOLVEX_WERROR=ON \
    -DKOLVEX_BUILD_TESTS=ON -DKOLVEX_BUILD_BENCH=OFF \
    -DCMAKE_PROJECT_TOP_LEVEL_INCLUDES=cmake/KolvexGTestFromSource.cmake \
    "-DCMAKE_CROSSCOMPILING_EMULATOR=$(command -v node);--no-experimental-fetch" >/dev/null
cmake --build build-web -j "$(nproc)" --target kolvex-calculator-page kolvex-calculator-hosted
page=build-web/ui/web/kolvex-calculator.html
echo "built $page: $(wc -c <"$page") bytes, $(gzip -9 -c "$page" | wc -c) gzipped"
echo "built build-web/ui/web/hosted/: $(cd build-web/ui/web/hosted && stat -c '%n %s bytes' -- * | paste -sd, - | sed 's/,/, /g')"
