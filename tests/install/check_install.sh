#!/bin/bash
# Installs the build into a temporary prefix and checks the installed tree
# the way a packager and a desktop would see it; then builds the Debian
# package from the same install and checks its contents and dependencies.
# Usage: check_install.sh <build folder> <source folder>
set -euo pipefail
build=$1
source=$2

for tool in desktop-file-validate appstreamcli dpkg-deb dpkg-shlibdeps objdump; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing (bash scripts/deps.sh test)"; exit 77; }
done

work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
prefix=$work/prefix
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

# The programs and the shipped data (sources of generated pictures stay out).
for program in k7config k7ctl; do
    [[ -x $prefix/bin/$program ]] || fail "bin/$program is not installed"
done
data=$prefix/share/k7config/modules
expected=$(cd "$source/modules" && find . -type f ! -name '*.svg' ! -name '*.sh' | sort)
installed=$(cd "$data" && find . -type f | sort)
[[ "$expected" == "$installed" ]] || fail "installed data differs from modules/: $(diff <(echo "$expected") <(echo "$installed"))"
cmp -s "$source/modules/setting/apConfig.bin" "$data/setting/apConfig.bin" || fail "apConfig.bin differs"

# The rule grants each listed device, and nothing else.
rule=$prefix/lib/udev/rules.d/70-k7config.rules
[[ -f $rule ]] || fail "no udev rule"
count=$(sed -n 's/^deviceCount=//p' "$data/setting/apConfig.bin")
[[ $(grep -c 'TAG+="uaccess"' "$rule") -eq $count ]] || fail "the rule does not have one line per listed device"
for ((i = 0; i < count; i++)); do
    vid=$(awk -F= -v s="[$i]" '$0 == s {in_s = 1; next} /^\[/ {in_s = 0} in_s && $1 == "vid" {print $2}' "$data/setting/apConfig.bin")
    pid=$(awk -F= -v s="[$i]" '$0 == s {in_s = 1; next} /^\[/ {in_s = 0} in_s && $1 == "pid" {print $2}' "$data/setting/apConfig.bin")
    grep -q "^SUBSYSTEM==\"hidraw\", ATTRS{idVendor}==\"$vid\", ATTRS{idProduct}==\"$pid\", TAG+=\"uaccess\"$" "$rule" \
        || fail "no rule line for device $i ($vid:$pid)"
done

# Launcher entry and AppStream data, as the desktop's own tools judge them.
desktop=$prefix/share/applications/org.k7config.k7config.desktop
metainfo=$prefix/share/metainfo/org.k7config.k7config.metainfo.xml
desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
grep -qx 'Exec=k7config' "$desktop" || fail "the launcher does not start k7config"
grep -qx 'Icon=org.k7config.k7config' "$desktop" || fail "the launcher names another icon"

# Icons: each PNG has the size of its folder (width and height from IHDR).
for size in 16 24 32 48 64 128 256; do
    png=$prefix/share/icons/hicolor/${size}x${size}/apps/org.k7config.k7config.png
    [[ -f $png ]] || fail "no ${size}px icon"
    dims=$(od -An -tu1 -j16 -N8 "$png" | awk '{print $3 * 256 + $4, $7 * 256 + $8}')
    [[ $dims == "$size $size" ]] || fail "${size}px icon is $dims"
done
[[ -f $prefix/share/icons/hicolor/scalable/apps/org.k7config.k7config.svg ]] || fail "no scalable icon"
[[ -f $prefix/share/bash-completion/completions/k7ctl ]] || fail "no bash completion"

# The installed tool works on the user's copy and leaves the install alone.
chmod -R a-w "$prefix"
before=$(cd "$prefix" && find . -type f -exec md5sum {} + | sort)
XDG_DATA_HOME=$work/home XDG_RUNTIME_DIR=$work QT_QPA_PLATFORM=offscreen \
    "$prefix/bin/k7ctl" --demo info >/dev/null || fail "installed k7ctl --demo info"
cmp -s "$data/setting/p1.bin" "$work/home/k7config/modules/setting/p1.bin" || fail "no user copy of the data"
[[ "$before" == "$(cd "$prefix" && find . -type f -exec md5sum {} + | sort)" ]] || fail "the install was written"

# The Debian package: same files below /usr, with its dependencies declared.
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/deb" >/dev/null || fail "cpack -G DEB"
deb=$(ls "$work"/deb/*.deb)
packaged=$(dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./usr/|./|' | sort)
[[ "$packaged" == "$(cd "$prefix" && find . ! -type d | sort)" ]] \
    || fail "package and install differ: $(diff <(echo "$packaged") <(cd "$prefix" && find . ! -type d | sort))"
depends=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depends"
# Package names alone, one a line.
declared=$(tr ',|' '\n\n' <<<"$depends" | awk '{print $1}')
# Every library the programs load, by the package that owns it (one dpkg
# query for all: each one reads the whole package database).
needed=$(objdump -p "$prefix/bin/k7config" "$prefix/bin/k7ctl" | awk '$1 == "NEEDED" {print $2}' | sort -u)
# dpkg knows a library under the path its package installed, which on a
# merged /usr may be the /lib or the /usr/lib form of the file.
candidates=()
for lib in $needed; do
    path=$(ldconfig -p | awk -v l="$lib" '!found && $1 == l && /x86-64/ {print $NF; found = 1}')
    [[ -n $path ]] || fail "$lib is not found"
    real=$(readlink -f "$path")
    candidates+=("$path" "$real" "${real#/usr}")
done
owned=$(dpkg -S "${candidates[@]}" 2>/dev/null | sed 's/:[^ ]*: / /' | sort -u) || true
for lib in $needed; do
    owner=$(awk -v l="$lib" '{n = split($2, p, "/")} !found && (p[n] == l || index(p[n], l ".") == 1) {print $1; found = 1}' <<<"$owned")
    [[ -n $owner ]] || fail "no package owns $lib"
    grep -Fqx "$owner" <<<"$declared" || fail "$lib comes from $owner, which the package does not declare"
done
for module in qml6-module-qtquick qml6-module-qtquick-window qml6-module-qtqml-workerscript; do
    grep -Fqx "$module" <<<"$declared" || fail "QML module package $module not declared"
done
echo "installed tree and package are complete"
