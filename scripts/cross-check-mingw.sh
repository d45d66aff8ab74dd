#!/usr/bin/env bash
# Cross-compiles the toolkit-free libraries (calc, lang, the form), kolvex-calc and their tests for
# 64-bit Windows with Debian's mingw-w64, together with the executable's Windows resources, to show
# that the core builds for Windows with no POSIX-only code. When wine is installed the Windows test
# programs run under it too; otherwise building them is the check. With --wine, wine is installed
# first when missing (about 100 MB to download).
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib.sh

"./scripts/install-deps.sh" --packaging
if [ "${1:-}" = "--wine" ] && ! command -v wine >/dev/null 2>&1; then
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends wine wine64 >/dev/null
fi

# The mingw-w64 headers offer some POSIX headers that Windows compilers lack, so a build with them
# alone would not notice these.
core_sources=(calc lang cli ui/form.h ui/form.cpp ui/view.h ui/captioned_controls.h tests/calc tests/lang tests/ui)
posix_only='^\s*#\s*include\s*<(unistd|pthread|dirent|dlfcn|strings|termios|poll|libgen|langinfo|xlocale|sys/(mman|socket|time|times|wait|ioctl|select|utsname|resource|un|stat))\.h>'
if grep -rnE "$posix_only" "${core_sources[@]}"; then
    echo "FAIL the toolkit-free code includes POSIX-only headers (above)"
    exit 1
fi
echo "ok   no POSIX-only headers in ${core_sources[*]}"

build_dir=build-mingw
cmake -S . -B "$build_dir" -G Ninja \
    --no-warn-unused-cli --toolchain cmake/mingw-w64-x86_64.cmake \
    -DCMAKE_PROJECT_TOP_LEVEL_INCLUDES=cmake/KolvexGTestFromSource.cmake \
    -DCMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE=PRE_TEST \
    -DCMAKE_EXE_LINKER_FLAGS=-static \
    -DKOLVEX_FRONTEND=none -DKOLVEX_BUILD_BENCH=OFF -DKOLVEX_WERROR=ON >/dev/null
cmake --build "$build_dir" -j "$(nproc)"

shopt -s nullglob
programs=("$build_dir"/tests/*.exe "$build_dir"/packaging/*.exe "$build_dir"/cli/kolvex-calc.exe)
if [ ${#programs[@]} -eq 0 ]; then
    echo "FAIL no Windows test programs were built"
    exit 1
fi
for exe in "${programs[@]}"; do
    description=$(file -b "$exe")
    case "$description" in
    PE32+\ executable*x86-64*) echo "ok   $(basename "$exe"): $description" ;;
    *)
        echo "FAIL $(basename "$exe") is not a 64-bit Windows program: $description"
        exit 1
        ;;
    esac
done

if command -v wine >/dev/null 2>&1; then
    export WINEDEBUG=-all WINEPREFIX="$PWD/$build_dir/wineprefix"
    wineboot --init >/dev/null 2>&1 || true
    # Discovery runs each program under wine to list its tests.
    ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)"
    echo "ok   the Windows test programs pass under wine"
    # The command-line program as a user starts it: Windows line ends, the German decimal comma.
    report=(--model 4CH --system NTSC --quality HIGH --resolution 1 --speed 1/10 --hdd 500G --language de)
    if ! cmp <(LC_ALL=de_DE.UTF-8 wine "$build_dir/cli/kolvex-calc.exe" "${report[@]}") \
        <(printf '%s\r\n' "=======================================" "Videosystem : NTSC" \
            "Aufzeichnungsqualitat  : HIGH = 20 K" "Aufzeichnungsauflosung : 60IPS@720*240" \
            "Geschwindigkeit  : 1/10X = 6 fileds" "Festplattengrose : 500G" "Aufzeichnungsdauer : 1213,6296Stunde" \
            "Aufzeichnungsdauer : 50,5679Tag" "======================================="); then
        echo "FAIL kolvex-calc.exe under wine did not write the window's report"
        exit 1
    fi
    echo "ok   kolvex-calc.exe under wine writes the window's report, CR LF and the German decimal comma"
else
    echo "note wine is not installed: the Windows test programs were built, not run"
fi
