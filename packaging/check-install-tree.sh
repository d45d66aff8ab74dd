#!/usr/bin/env bash
# Installs the build into a staging tree, as the Debian package lays it out, and checks what a
# desktop sees there: the program, a desktop entry that desktop-file-validate accepts and that
# names the installed program and icon, the icon in the hicolor theme at every size, and AppStream
# metadata that appstreamcli accepts, pointing at the desktop entry and the English screenshot.
# Usage: check-install-tree.sh <build dir> <staging dir> <application id> <source dir>
set -euo pipefail

build=$1
stage=$2
app_id=$3
source=$4

failures=0
check() { # check <what> <command...>
    local what=$1
    shift
    if "$@"; then
        echo "ok   $what"
    else
        echo "FAIL $what"
        failures=$((failures + 1))
    fi
}

rm -rf "$stage"
DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null
usr="$stage/usr"

desktop="$usr/share/applications/$app_id.desktop"
metainfo="$usr/share/metainfo/$app_id.metainfo.xml"
icons="$usr/share/icons/hicolor"

expected=(
    "bin/kolvex-calculator"
    "bin/kolvex-calc"
    "share/man/man1/kolvex-calc.1.gz"
    "share/applications/$app_id.desktop"
    "share/metainfo/$app_id.metainfo.xml"
    "share/icons/hicolor/16x16/apps/$app_id.png"
    "share/icons/hicolor/32x32/apps/$app_id.png"
    "share/icons/hicolor/48x48/apps/$app_id.png"
    "share/icons/hicolor/256x256/apps/$app_id.png"
    "share/icons/hicolor/scalable/apps/$app_id.svg"
    "share/doc/kolvex-calculator/fonts/RobotoCondensed-Apache-2.0.txt"
)
installed=$(cd "$usr" && find . -type f | sed 's|^\./||' | sort)
check "exactly the program, its desktop entry, metadata, icons and font licence are installed" \
    test "$installed" = "$(printf '%s\n' "${expected[@]}" | sort)"
if [ "$installed" != "$(printf '%s\n' "${expected[@]}" | sort)" ]; then
    diff <(printf '%s\n' "${expected[@]}" | sort) <(echo "$installed") || true
fi

check "the program is an executable" test -x "$usr/bin/kolvex-calculator"
check "the command-line program runs" grep -qx "kolvex-calc [0-9.]*" <("$usr/bin/kolvex-calc" --version)
for size in 16 32 48 256; do
    check "the ${size} px icon is a ${size} x ${size} PNG" \
        grep -q "PNG image data, $size x $size," <(file -b "$icons/${size}x${size}/apps/$app_id.png")
done
check "the scalable icon is an SVG" grep -q "SVG" <(file -b "$icons/scalable/apps/$app_id.svg")

# The desktop entry.
entry() { sed -n "s/^$1=//p" "$desktop"; }
check "desktop-file-validate accepts the desktop entry" desktop-file-validate "$desktop"
check "the desktop entry starts the installed program" test -x "$usr/bin/$(entry Exec | cut -d' ' -f1)"
check "the desktop entry's icon is installed in hicolor" \
    test -f "$icons/256x256/apps/$(entry Icon).png" -a -f "$icons/scalable/apps/$(entry Icon).svg"
check "the desktop entry has a name" test -n "$(entry Name)"
check "the desktop entry has a comment" test -n "$(entry Comment)"
check "the desktop entry is in Utility and Calculator" grep -qx "Categories=Utility;Calculator;" "$desktop"

# The AppStream metadata.
check "appstreamcli validate --no-net accepts the metadata" appstreamcli validate --no-net "$metainfo"
check "the metadata launches the installed desktop entry" \
    grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo"
check "the metadata has a description" grep -q "<description>" "$metainfo"
screenshot=$(sed -n 's|.*<image[^>]*>\(https://[^<]*\)</image>.*|\1|p' "$metainfo")
check "the metadata's screenshot is the English window picture over https" \
    grep -q "^https://.*/docs/window-en\.png$" <<<"$screenshot"
check "the English window picture is in the repository" test -f "$source/docs/window-en.png"
check "appstreamcli validate-tree --no-net accepts the installed tree" appstreamcli validate-tree --no-net "$stage"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
