#!/bin/sh
# Compile-checks the Windows sources of the input hooks with the MinGW cross
# compiler. Exit 77 (skip) when it is not installed.
# usage: check_windows_sources.sh APP_DIR QT_INCLUDE_DIR
set -u
app_dir=$1
qt_include=$2
compiler=x86_64-w64-mingw32-g++
if ! command -v "$compiler" >/dev/null 2>&1; then
    echo "skipped: $compiler is not installed (package g++-mingw-w64-x86-64)"
    exit 77
fi
flags="-std=c++17 -Wall -Wextra -Wpedantic -Werror -fsyntax-only -I$app_dir"
status=0
# The hook procedures use no Qt at all: not even Qt's include path is given.
$compiler $flags "$app_dir/inputhook_win.cpp" || status=1
# The native event filter is Qt's; the headers are the same on both systems.
$compiler $flags -I"$qt_include" -I"$qt_include/QtCore" "$app_dir/copydatafilter_win.cpp" || status=1
[ $status -eq 0 ] && echo "Windows input hook sources compile"
exit $status
