#!/usr/bin/env bash
# Installs the Debian 12 packages the calculator needs to build, run and test, and only those
# that are missing. Runs apt-get as root, or through sudo.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

packages=(
    g++ cmake ninja-build pkg-config clang-format
    libgtest-dev libgmock-dev googletest libbenchmark-dev libcli11-dev
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
    xvfb xauth x11-utils fonts-arphic-uming fonts-dejavu-core fonts-liberation2
    weston qt6-wayland openbox
    locales
)
if [ "${1:-}" = "--packaging" ]; then
    packages+=(desktop-file-utils appstream dpkg-dev file lintian man-db g++-mingw-w64-x86-64-posix)
    # The Windows programs' tests and installer: wine with its own fonts, and NSIS.
    packages+=(wine wine64 fonts-wine nsis)
fi
# The web page: emscripten builds it, fontTools cuts its font down and ttfautohint hints it,
# rsvg-convert draws the hosted page's icons; its tests run in chromium, Firefox ESR and WebKitGTK's
# MiniBrowser (under the Xvfb above).
if [ "${1:-}" = "--web" ]; then
    packages+=(emscripten python3-fonttools python3-brotli ttfautohint librsvg2-bin chromium firefox-esr
        webkit2gtk-driver)
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The report and window tests run under these regional settings.
wanted_locales=(en_US.UTF-8 de_DE.UTF-8 fr_FR.UTF-8 zh_TW.UTF-8)
have=$(locale -a 2>/dev/null | tr '[:upper:]' '[:lower:]' | sed 's/utf8/utf-8/')
need_gen=0
for l in "${wanted_locales[@]}"; do
    lower=$(echo "$l" | tr '[:upper:]' '[:lower:]')
    if ! grep -qx "$lower" <<<"$have"; then
        need_gen=1
        as_root sed -i "s/^# *\($l UTF-8\)/\1/" /etc/locale.gen
        grep -q "^$l UTF-8" /etc/locale.gen || echo "$l UTF-8" | as_root tee -a /etc/locale.gen >/dev/null
    fi
done
if [ $need_gen -eq 1 ]; then
    as_root locale-gen >/dev/null
fi
