#!/bin/sh
# Compile-checks every Windows-only source with the MinGW cross compiler
# (syntax only, warnings as errors), so a Linux build catches mistakes in
# code it never builds. Exit 77 (skip) when the cross compiler is missing.
#
# usage: check_windows_sources.sh SOURCE_DIR QT_INCLUDE_DIR
set -u
src=$1
qt=$2
compiler=x86_64-w64-mingw32-g++
if ! command -v "$compiler" >/dev/null 2>&1; then
    echo "SKIP: $compiler is not installed (package g++-mingw-w64-x86-64); Windows sources not checked"
    exit 77
fi

flags="-std=c++17 -Wall -Wextra -Wpedantic -Werror -fsyntax-only -I$src -I$src/app"
qtflags="-isystem $qt -isystem $qt/QtCore -isystem $qt/QtGui -isystem $qt/QtWidgets"
status=0

# Qt-free by design: compiled without Qt's include path, so any Qt use fails.
for file in app/inputhook_win.cpp app/winmessages_win.cpp app/nodeaccess_win.cpp control/pointersettings_win.cpp; do
    $compiler $flags "$src/$file" || { echo "FAILED: $file"; status=1; }
done
# The Qt glue of the Windows build.
for file in app/copydatafilter_win.cpp app/widget_win.cpp app/devicechangewatcher_win.cpp app/sessionend_win.cpp \
            app/trayfallback_win.cpp; do
    $compiler $flags $qtflags "$src/$file" || { echo "FAILED: $file"; status=1; }
done

[ $status -eq 0 ] && echo "all Windows sources compile"
exit $status
