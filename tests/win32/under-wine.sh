#!/usr/bin/env bash
# Runs a Windows program under wine, in a quiet test prefix of its own screen density, on a
# private virtual X screen. The prefix is made on first use and kept for the next run:
# <root>/dpi<N> for KOLVEX_WINE_DPI=N (96 when unset). Tests that run at the same time use different
# prefixes, since wine lets every program of a prefix see the others' windows.
# Usage: under-wine.sh <prefix root> <program.exe> [arguments...]
set -euo pipefail

root=$1
shift
dpi=${KOLVEX_WINE_DPI:-96}
export WINEPREFIX="$root/dpi$dpi" WINEARCH=win64 WINEDEBUG=-all
# No Mono or Gecko to install, no questions asked.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
mkdir -p "$root"

make_prefix() {
    rm -rf "$WINEPREFIX"
    wineboot --init >/dev/null 2>&1 || true
    local settings="$root/dpi$dpi.reg"
    # Windows without a window manager of their own (each would cost seconds on a bare X server),
    # a crash that ends the program instead of opening the debugger, and the screen density.
    cat >"$settings" <<REG
REGEDIT4

[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]
"Managed"="N"

[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\AeDebug]
"Debugger"="false"
"Auto"="1"

[HKEY_CURRENT_USER\\Control Panel\\Desktop]
"LogPixels"=dword:$(printf '%08x' "$dpi")

[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Hardware Profiles\\Current\\Software\\Fonts]
"LogPixels"=dword:$(printf '%08x' "$dpi")
REG
    wine regedit /S "$settings" >/dev/null 2>&1
    # Debian's wine leaves its own fonts (Tahoma for the title bar and message boxes, Marlett for
    # the title bar's buttons) out of a new prefix; the Chinese Ming font comes from the system's
    # fonts, which wine reads itself.
    cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
    wineserver -w
    touch "$WINEPREFIX/.kolvex-ready"
}

(
    flock 9
    if [ ! -f "$WINEPREFIX/.kolvex-ready" ]; then
        make_prefix
    fi
) 9>"$root/dpi$dpi.lock"

# Display numbers are looked for from one of each density's own, so that two tests starting at the
# same moment do not race for the same free one.
exec xvfb-run -a -n "$((100 + dpi))" -s "-screen 0 1600x1200x24 -nolisten tcp" wine "$@"
