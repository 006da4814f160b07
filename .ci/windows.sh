#!/usr/bin/env bash
# CI leg: the Windows builds. Cross-builds duvox and its tests for 32-bit
# (the home target) and 64-bit Windows with mingw-w64, statically linked and
# warnings as errors; checks that each .exe is a console program of the
# right kind that needs no DLL beyond Windows' own; runs the 64-bit test
# suite under Wine; and compares the 64-bit tool's results with the Linux
# tool's, byte for byte. This machine's kernel runs no 32-bit programs, so
# the 32-bit build is checked but not run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash .ci/apt.sh cmake make g++ python3 libgtest-dev libgmock-dev googletest \
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 \
  binutils-mingw-w64-i686 binutils-mingw-w64-x86-64 wine64

# Debian's wine64 keeps its loader off the PATH.
wine=$(dpkg -L wine64 | grep -m1 '/wine64$')
wineserver=$(dirname "$wine")/wineserver64
[ -x "$wineserver" ] || wineserver=$(dirname "$wine")/wineserver
# One prefix for every run, the one the test presets name; quiet, and no
# offer to install Mono or Gecko.
export WINEPREFIX="$PWD/build/wineprefix" WINEDEBUG=-all \
  WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p build
trap '"$wineserver" -k >/dev/null 2>&1 || true' EXIT
# Setting up a new prefix takes a while: let it happen during the builds.
start=$SECONDS
"$wine" wineboot -i >build/wineboot.log 2>&1 &
wineboot=$!

for preset in win32 win64; do
  cmake --preset "$preset"
  cmake --build --preset "$preset" -j2
done

# $1: the cross objdump, $2: the expected file format, then the programs.
check_exe() {
  local objdump=$1 format=$2 exe headers dlls
  shift 2
  for exe in "$@"; do
    headers=$("$objdump" -f -p "$exe")
    grep -q "file format $format\$" <<<"$headers" ||
      { echo "$exe: not $format"; return 1; }
    grep -q '^Subsystem.*(Windows CUI)' <<<"$headers" ||
      { echo "$exe: not a console program"; return 1; }
    dlls=$(awk '/DLL Name:/ {print $3}' <<<"$headers" | sort -u)
    if grep -qviE '^(kernel32|msvcrt|advapi32|user32|shell32|ws2_32)\.dll$' <<<"$dlls"; then
      echo "$exe needs more than Windows' own DLLs:" $dlls
      return 1
    fi
    echo "$exe: $format console program, needs only:" $dlls
  done
}
check_exe i686-w64-mingw32-objdump pei-i386 build/win32/*.exe
check_exe x86_64-w64-mingw32-objdump pei-x86-64 build/win64/*.exe

wait "$wineboot" || { cat build/wineboot.log; exit 1; }
echo "Wine prefix ready after $((SECONDS - start)) s"
ctest --preset win64 -j2

cmake --preset wincheck
cmake --build --preset wincheck -j2
ctest --preset wincheck
