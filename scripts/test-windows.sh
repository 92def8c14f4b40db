#!/bin/sh
# Cross-builds the Windows qorb.exe with mingw-w64 (build-win/), checks that
# it needs no DLL beyond those Windows ships, and runs the end-to-end tests
# against it under wine64 (build-wine/).
# Needs: apt-get install g++-mingw-w64-x86-64-posix wine64
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)

cmake -S "$top" -B "$top/build-win" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-x86_64.cmake"
cmake --build "$top/build-win" -j2
exe=$top/build-win/qorb.exe

dlls=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^.*DLL Name: //p' | tr '\n' ' ')
for dll in $dlls; do
    case $dll in
    KERNEL32.dll | msvcrt.dll | api-ms-win-*) ;;
    *) echo "test-windows: qorb.exe needs $dll beside it" >&2; exit 1 ;;
    esac
done
echo "test-windows: $exe, $(wc -c <"$exe") bytes, imports only $dlls"

cmake -S "$top" -B "$top/build-wine" -DQORB_WINDOWS_EXE="$exe"
cmake --build "$top/build-wine" -j2 --target qorb_wine_tests
ctest --test-dir "$top/build-wine" -L wine --output-on-failure --no-tests=error
