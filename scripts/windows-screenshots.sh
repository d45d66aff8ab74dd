#!/usr/bin/env bash
# Takes docs/window-windows.png: the Windows window in all five languages, in time mode with the
# widest values a report shows, at 100 % (96 dpi) and 150 % (144 dpi) side by side, under wine on a
# virtual X screen. Uses the cross build of ./scripts/test-windows.sh.
# Usage: scripts/windows-screenshots.sh [build dir] [output png]
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build-mingw}
output=${2:-docs/window-windows.png}
cmake --build "$build_dir" --target kolvex-win32-screenshots >/dev/null
tool="$build_dir/tests/win32/kolvex-win32-screenshots.exe"
shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT
windows_path() { # wine's drive Z: is the root of the file system
    local path
    path=$(realpath -m "$1")
    echo "Z:${path//\//\\}"
}
for dpi in 96 144; do
    KOLVEX_WINE_DPI=$dpi LC_ALL=en_US.UTF-8 LANG=en_US.UTF-8 tests/win32/under-wine.sh "$PWD/$build_dir/wine" \
        "$tool" sheet "$(windows_path "$shots/$dpi.png")"
done
tests/win32/under-wine.sh "$PWD/$build_dir/wine" "$tool" join "$(windows_path "$output")" \
    "$(windows_path "$shots/96.png")" "$(windows_path "$shots/144.png")"
