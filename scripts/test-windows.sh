#!/usr/bin/env bash
# The Windows build, made and tested on Debian in one mingw-w64 cross build: the toolkit-free
# libraries and their tests, kolvex-calc.exe, the native window kolvex-calculator.exe with its
# tests, the zip and the installer. Checks that every program is a 64-bit Windows program that
# imports only DLLs Windows itself ships, and what the zip holds; then runs every test under wine
# (the window's on private virtual X screens, at 96 and 144 dpi), kolvex-calc.exe as a user
# starts it, and the installer's silent install and uninstall. Run by ./scripts/test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib.sh

"./scripts/install-deps.sh" --packaging

# The mingw-w64 headers offer some POSIX headers that Windows compilers lack, so a build with them
# alone would not notice these.
core_sources=(calc lang cli ui/form.h ui/form.cpp ui/view.h ui/captioned_controls.h ui/window_layout.h
    ui/window_layout.cpp ui/win32 tests/calc tests/lang tests/ui tests/win32)
posix_only='^\s*#\s*include\s*<(unistd|pthread|dirent|dlfcn|strings|termios|poll|libgen|langinfo|xlocale|sys/(mman|socket|time|times|wait|ioctl|select|utsname|resource|un|stat))\.h>'
if grep -rnE "$posix_only" "${core_sources[@]}"; then
    echo "FAIL the code built for Windows includes POSIX-only headers (above)"
    exit 1
fi
echo "ok   no POSIX-only headers in the code built for Windows"

build_dir=build-mingw
cmake -S . -B "$build_dir" -G Ninja \
    --no-warn-unused-cli --toolchain cmake/mingw-w64-x86_64.cmake \
    -DCMAKE_PROJECT_TOP_LEVEL_INCLUDES=cmake/KolvexGTestFromSource.cmake \
    -DCMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE=PRE_TEST \
    -DCMAKE_EXE_LINKER_FLAGS=-static -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKOLVEX_FRONTEND=win32 -DKOLVEX_BUILD_TESTS=ON -DKOLVEX_BUILD_BENCH=OFF -DKOLVEX_WERROR=ON >/dev/null
cmake --build "$build_dir" -j "$(nproc)"

version=$(project_version)
zip="$build_dir/kolvex-calculator-$version-windows-x64.zip"
installer="$build_dir/kolvex-calculator-$version-windows-x64-setup.exe"
stage="$build_dir/packaging/kolvex-calculator-$version-windows-x64"

# Every program runs on a bare Windows 10: 64-bit, and nothing to import but the system's own DLLs.
system_dlls='^(KERNEL32|USER32|GDI32|COMCTL32|ole32|OLEAUT32|SHELL32|ADVAPI32|msvcrt|VERSION|WS2_32|bcrypt)\.dll$'
shopt -s nullglob
programs=("$build_dir"/tests/*.exe "$build_dir"/tests/win32/*.exe "$build_dir"/packaging/*.exe
    "$stage"/kolvex-calculator.exe "$stage"/kolvex-calc.exe "$installer")
for exe in "${programs[@]}"; do
    description=$(file -b "$exe")
    case "$description" in
    PE32+\ executable*x86-64*) ;;
    *)
        echo "FAIL $(basename "$exe") is not a 64-bit Windows program: $description"
        exit 1
        ;;
    esac
    imports=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' | sort -u)
    if grep -vqiE "$system_dlls" <<<"$imports"; then
        echo "FAIL $(basename "$exe") imports DLLs that Windows does not ship:" $(grep -viE "$system_dlls" <<<"$imports")
        exit 1
    fi
done
echo "ok   ${#programs[@]} programs are 64-bit Windows programs importing only system DLLs"
echo "     kolvex-calculator.exe imports:" $(x86_64-w64-mingw32-objdump -p "$stage/kolvex-calculator.exe" |
    sed -n 's/^\s*DLL Name: //p')

top="kolvex-calculator-$version-windows-x64"
expected=$(printf '%s\n' "$top/" "$top/LICENSE-RobotoCondensed.txt" "$top/LICENSE.txt" "$top/kolvex-calc.exe" \
    "$top/kolvex-calculator.exe")
if [ "$(cmake -E tar tf "$zip" | sort)" != "$expected" ]; then
    echo "FAIL $zip holds:"
    cmake -E tar tf "$zip"
    exit 1
fi
echo "ok   $(basename "$zip") ($(stat -c %s "$zip") bytes) holds the window, kolvex-calc.exe and both licences"

# The window's tests make their prefixes themselves (tests/win32/under-wine.sh); the other test
# programs run in the 96 dpi one.
wine_root="$PWD/$build_dir/wine"
under_wine=(tests/win32/under-wine.sh "$wine_root")
version_line=$("${under_wine[@]}" "$stage/kolvex-calculator.exe" --version 2>/dev/null | tr -d '\r')
if [ "$version_line" != "kolvex-calculator $version" ]; then
    echo "FAIL kolvex-calculator.exe --version printed \"$version_line\""
    exit 1
fi
echo "ok   kolvex-calculator.exe --version prints \"$version_line\""
export WINEPREFIX="$wine_root/dpi96" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# One wine server for the prefix while the test programs run: otherwise each short program's server shuts
# down as the next program starts, and a program that meets a server going away fails to start.
# Wine's own background programs are started first, with no output of a test to hold open.
wineserver -w
wineserver -p
wine wineboot >/dev/null 2>&1 </dev/null
trap 'wineserver -k 2>/dev/null || true' EXIT
ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)"
# The installer's steps below wait for the server to end, as a server of its own does when idle.
wineserver -k
trap - EXIT
echo "ok   the Windows test programs pass under wine"

# The command-line program as a user starts it: Windows line ends, the German decimal comma.
report=(--model 4CH --system NTSC --quality HIGH --resolution 1 --speed 1/10 --hdd 500G --language de)
if ! cmp <(LC_ALL=de_DE.UTF-8 wine "$stage/kolvex-calc.exe" "${report[@]}") \
    <(printf '%s\r\n' "=======================================" "Videosystem : NTSC" \
        "Aufzeichnungsqualitat  : HIGH = 20 K" "Aufzeichnungsauflosung : 60IPS@720*240" \
        "Geschwindigkeit  : 1/10X = 6 fileds" "Festplattengrose : 500G" "Aufzeichnungsdauer : 1213,6296Stunde" \
        "Aufzeichnungsdauer : 50,5679Tag" "======================================="); then
    echo "FAIL kolvex-calc.exe under wine did not write the window's report"
    exit 1
fi
echo "ok   kolvex-calc.exe under wine writes the window's report, CR LF and the German decimal comma"

# The installer, silently: the programs and a Start-menu entry for this user, then all gone again.
if [ -f "$installer" ]; then
    wine "$installer" /S
    wineserver -w
    installed=$(find "$WINEPREFIX/drive_c/users" -path '*/Programs/Kolvex DVR Calculator' -type d | head -1)
    shortcut=$(find "$WINEPREFIX/drive_c/users" -name 'Kolvex DVR Calculator.lnk' | head -1)
    for f in kolvex-calculator.exe kolvex-calc.exe LICENSE.txt LICENSE-RobotoCondensed.txt uninstall.exe; do
        if [ -z "$installed" ] || [ ! -f "$installed/$f" ]; then
            echo "FAIL the installer did not install $f"
            exit 1
        fi
    done
    if [ -z "$shortcut" ]; then
        echo "FAIL the installer made no Start-menu entry"
        exit 1
    fi
    wine "$installed/uninstall.exe" /S
    wineserver -w
    if [ -e "$installed" ] || [ -e "$shortcut" ]; then
        echo "FAIL the uninstaller left $(ls "$installed" 2>/dev/null) $shortcut"
        exit 1
    fi
    echo "ok   $(basename "$installer") installs for this user with a Start-menu entry and uninstalls, silently"
else
    echo "note makensis is not installed: no installer was built"
fi
