#!/usr/bin/env bash
# deb.sh BUILD_DIR HAS_MAN_PAGES HAS_WINDOW: packs the build tree's
# installation into a .deb with CPack, unpacks it into a temporary folder
# (never into the system) and checks its control fields, its file list and
# that the programs start from there, and runs Debian's package checker,
# lintian, on it: any error or warning fails. Overrides of lintian's tags live
# in lintian.overrides beside this script, each with its reason. Skipped (77)
# without cpack, dpkg-deb or lintian.
set -euo pipefail
build=$1
has_man=$2
has_window=$3
for tool in cpack dpkg-deb dpkg-shlibdeps lintian; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "skipped: $tool is not installed"
        exit 77
    fi
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log"
    exit 1
}
deb=$(ls "$work"/out/*.deb)
dpkg-deb -x "$deb" "$work/root"
dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's#^\./#/#' | sort >"$work/files"

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
field() { dpkg-deb -f "$deb" "$1"; }

[[ $(field Package) == nerka ]] || fail "Package is $(field Package)"
[[ $(field Section) == hamradio ]] || fail "Section is $(field Section)"
depends=$(field Depends)
for dep in libqt6core6 libqt6serialport6 libqt6svg6; do
    [[ $depends == *"$dep"* ]] || fail "Depends lacks $dep: $depends"
done

expected=(
    /usr/bin/nerka-cli
    /usr/lib/udev/rules.d/60-nerka.rules
    /usr/share/applications/org.nerka.Nerka.desktop
    /usr/share/metainfo/org.nerka.Nerka.metainfo.xml
    /usr/share/icons/hicolor/scalable/apps/org.nerka.Nerka.svg
    /usr/share/bash-completion/completions/nerka-cli
    /usr/share/doc/nerka/USER_GUIDE.md
    /usr/share/doc/nerka/copyright
    /usr/share/doc/nerka/changelog.gz
)
for size in 16 24 32 48 64 128 256; do
    expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/org.nerka.Nerka.png")
done
[[ $has_man == 1 ]] && expected+=(/usr/share/man/man1/nerka-cli.1.gz)
if [[ $has_window == 1 ]]; then
    expected+=(/usr/bin/nerka)
    [[ $has_man == 1 ]] && expected+=(/usr/share/man/man1/nerka.1.gz)
fi
for file in "${expected[@]}"; do
    grep -qx -- "$file" "$work/files" || fail "missing $file"
done
# Nothing of the build or the tests leaks into the package.
if grep -E 'test|bench|radio-sim|/usr/local' "$work/files"; then
    fail "unexpected files above"
fi
rule="$work/root/usr/lib/udev/rules.d/60-nerka.rules"
for key in 'ATTRS{idVendor}=="1fc9"' 'ATTRS{idProduct}=="0094"' 'TAG+="uaccess"' 'MODE="0660"' \
    'GROUP="dialout"' 'ENV{ID_MM_DEVICE_IGNORE}="1"'; do
    grep -qF -- "$key" "$rule" || fail "udev rule lacks $key"
done

version=$("$work/root/usr/bin/nerka-cli" --version) || fail "nerka-cli --version failed"
[[ $version == "nerka-cli "* ]] || fail "nerka-cli --version printed '$version'"
if [[ $has_window == 1 ]]; then
    QT_QPA_PLATFORM=offscreen "$work/root/usr/bin/nerka" --version >/dev/null ||
        fail "nerka --version failed"
fi

# The changelog is the project's own, in Debian's format, for this version.
gzip -dc "$work/root/usr/share/doc/nerka/changelog.gz" | head -n1 |
    grep -qx "nerka ($(field Version)) unstable; urgency=medium" ||
    fail "changelog.gz does not begin with this version's entry"
grep -q '^License: GPL-3.0-or-later$' "$work/root/usr/share/doc/nerka/copyright" ||
    fail "copyright names no GPL-3.0-or-later licence"

# Lintian: errors (E) and warnings (W) fail; information and pedantic notes
# do not. Tags listed in lintian.overrides (one "tag: reason" a line) are
# accepted for the reason given there.
overrides=$(dirname "$0")/lintian.overrides
lintian --no-tag-display-limit "$deb" >"$work/lintian.log" 2>&1 || true
while IFS= read -r line; do
    [[ $line =~ ^([EW]):\ nerka[^:]*:\ ([a-z0-9-]+) ]] || continue
    tag=${BASH_REMATCH[2]}
    if [[ -f $overrides ]] && grep -q "^$tag: ." "$overrides"; then
        continue
    fi
    fail "lintian: $line"
done <"$work/lintian.log"

if ((failures > 0)); then
    exit 1
fi
echo "deb: $(basename "$deb"), $(stat -c %s "$deb") bytes, $(grep -vc '/$' "$work/files") files"
