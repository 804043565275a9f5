#!/bin/sh
# Compiles the Windows pointer settings with the MinGW cross compiler, syntax
# only, so that a Linux build still catches mistakes in that Qt-free file.
# Usage: check_win_syntax.sh <source dir>
compiler=x86_64-w64-mingw32-g++
if ! command -v "$compiler" >/dev/null 2>&1; then
    echo "SKIP: $compiler is not installed; the Windows pointer settings were not compiled"
    exit 77
fi
exec "$compiler" -std=c++17 -fsyntax-only -Wall -Wextra -Wpedantic -Werror \
    -I"$1" "$1/control/pointersettings_win.cpp"
