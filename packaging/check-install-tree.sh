#!/usr/bin/env bash
# Installs the build into a staging tree, as the Debian package lays it out, and checks what a
# desktop sees there: the program, a desktop entry that desktop-file-validate accepts and that
# names the installed program and icon, the icon in the hicolor theme at every size, and AppStream
# metadata that appstreamcli accepts, pointing at the desktop entry and the English screenshot.
# The package's documents: a machine-readable copyright file, a changelog of the project's version
# and a manual page that man can read.
# Usage: check-install-tree.sh <build dir> <staging dir> <application id> <source dir> <version>
set -euo pipefail

build=$1
stage=$2
app_id=$3
source=$4
version=$5

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
    "share/man/man1/kolvex-calculator.1.gz"
    "share/doc/kolvex-calculator/copyright"
    "share/doc/kolvex-calculator/changelog.gz"
)
installed=$(cd "$usr" && find . -type f | sed 's|^\./||' | sort)
check "exactly the programs, their manual pages, the desktop entry, metadata, icons and documents are installed" \
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

# The documents.
docs="$usr/share/doc/kolvex-calculator"
check "the copyright file is in Debian's machine-readable format" \
    grep -qx "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" "$docs/copyright"
check "the copyright file gives the licence of every file" grep -qx "Files: \*" "$docs/copyright"
check "the changelog's latest entry is version $version" \
    test "$(zcat "$docs/changelog.gz" | dpkg-parsechangelog -l - -S Version)" = "$version"
for program in kolvex-calculator kolvex-calc; do
    page="$usr/share/man/man1/$program.1.gz"
    check "the manual page of $program is compressed at the highest level without a time stamp" \
        test "$(zcat "$page" | gzip -9 -n | cmp - "$page" && echo same)" = same
    check "man reads the manual page of $program without a warning" \
        test -z "$(man -l --warnings "$page" 2>&1 >/dev/null)"
    check "the manual page names $program" grep -q "$program - " <(MANWIDTH=80 man -l "$page" 2>/dev/null)
done

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
