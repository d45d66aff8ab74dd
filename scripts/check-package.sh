#!/usr/bin/env bash
# Builds the Debian package in its own build directory, installs it into this (Debian 12) system
# with apt, checks that the installed calculator starts under a virtual X display and shows its
# window, and removes the package again, also when a step fails.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib.sh

readonly package=kolvex-calculator
readonly program=/usr/bin/kolvex-calculator
readonly desktop_entry=/usr/share/applications/com.kolvex.DvrCalculator.desktop
readonly version=$(project_version)
readonly title="Kolvex DVR Record time calculator Ver $version"
readonly timeout_seconds=30

# Inside the virtual display: start the installed program, wait for its window, stop it.
if [ "${1:-}" = "--in-display" ]; then
    QT_QPA_PLATFORM=xcb "$program" &
    pid=$!
    found=""
    for _ in $(seq $((timeout_seconds * 4))); do
        if ! kill -0 "$pid" 2>/dev/null; then
            echo "FAIL the program ended before showing its window"
            exit 1
        fi
        found=$(xwininfo -root -tree | grep -F "\"$title\"" || true)
        [ -n "$found" ] && break
        sleep 0.25
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    if [ -z "$found" ]; then
        echo "FAIL no window titled \"$title\" within ${timeout_seconds} s"
        exit 1
    fi
    echo "ok   the window is shown:$found"
    exit 0
fi

"./scripts/install-deps.sh" --packaging

build_dir=build-deb
# Debian's hardening flags: fortified C library calls, stack protection, relocations read-only and
# bound at start.
buildflags() { DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get "$1"; }
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKOLVEX_BUILD_TESTS=OFF -DKOLVEX_BUILD_BENCH=OFF \
    -DKOLVEX_WERROR=ON -DCMAKE_CXX_FLAGS="$(buildflags CPPFLAGS) $(buildflags CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(buildflags LDFLAGS)" >/dev/null
cmake --build "$build_dir" -j "$(nproc)"
rm -f "$build_dir"/*.deb
(cd "$build_dir" && cpack -G DEB >/dev/null)
deb=$(ls "$build_dir"/*.deb)
echo "built $deb"
dpkg-deb --field "$deb" Package Version Depends Recommends

# No lintian error or warning; its notes (I:) are shown too.
if ! lintian --fail-on error,warning --display-info "$deb"; then
    echo "FAIL lintian reports an error or a warning (above)"
    exit 1
fi
echo "ok   lintian reports no error and no warning"

remove_package() {
    # Also a package left half installed by a failed step.
    if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -qE ' (installed|unpacked|half-configured|half-installed)$'; then
        as_root env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq "$package" >/dev/null
        echo "removed $package"
    fi
}
trap remove_package EXIT

if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    echo "note: $package was installed before; it is replaced and removed afterwards"
fi
as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$(realpath "$deb")" >/dev/null

[ "$(dpkg-query -W -f='${Version}' "$package")" = "$version" ] || { echo "FAIL installed version is not $version"; exit 1; }
[ -x "$program" ] || { echo "FAIL $program is not installed"; exit 1; }
desktop-file-validate "$desktop_entry"
/usr/bin/kolvex-calc --version | grep -qx "kolvex-calc $version" || { echo "FAIL /usr/bin/kolvex-calc does not run"; exit 1; }
echo "ok   $package $(dpkg-query -W -f='${Version}' "$package") installed, desktop entry valid"
man -w kolvex-calculator >/dev/null || { echo "FAIL man finds no page for kolvex-calculator"; exit 1; }
echo "ok   man kolvex-calculator finds $(man -w kolvex-calculator)"
printed=$(env -u DISPLAY -u WAYLAND_DISPLAY kolvex-calculator --version)
[ "$printed" = "kolvex-calculator $version" ] || { echo "FAIL --version from PATH printed: $printed"; exit 1; }
echo "ok   kolvex-calculator --version prints \"$printed\" without a display"

xvfb-run -a "$0" --in-display

trap - EXIT
remove_package
if [ -e "$program" ] || [ -e "$desktop_entry" ]; then
    echo "FAIL files of $package are left after removal"
    exit 1
fi
echo "ok   the package installs, starts, shows its window and removes cleanly"
