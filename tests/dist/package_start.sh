#!/usr/bin/env bash
# Builds the Debian package from a built tree, checks its fields and contents and has lintian
# find no error in it, unpacks it with dpkg-deb -x into a temporary root and starts the unpacked
# program offscreen up to its start screen, on the bank it finds from its own install prefix.
#   package_start.sh BUILD_DIR APP_ID VERSION
set -euo pipefail
build=$1 id=$2 version=$3

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/out" > "$tmp/cpack.log" 2>&1 ||
    { cat "$tmp/cpack.log" >&2; fail "cpack -G DEB"; }
deb=$tmp/out/zhiqiao_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $(basename "$deb") among: $(ls "$tmp/out")"

dpkg-deb -I "$deb"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6sql6 libqt6sql6-sqlite qt6-qpa-plugins fonts-noto-cjk gcc bubblewrap xdg-utils; do
    grep -Eq "(^|, )$needed( |,|$)" <<< "$depends" || fail "Depends lacks $needed: $depends"
done
[ "$(dpkg-deb -f "$deb" Section)" = education ] || fail "Section is not education"
[ -n "$(dpkg-deb -f "$deb" Maintainer)" ] || fail "no Maintainer"
lintian --fail-on error --tag-display-limit 0 "$deb" || fail "lintian finds errors in the package"

root=$tmp/root
dpkg-deb -x "$deb" "$root"
for file in usr/bin/zhiqiao usr/bin/bankc usr/share/zhiqiao/dbase/c_qiyuan.db \
            usr/share/zhiqiao/bank/FORMAT.md usr/share/zhiqiao/bank/tests/1.yaml \
            usr/share/man/man1/zhiqiao.1.gz usr/share/man/zh_CN/man1/zhiqiao.1.gz \
            usr/share/man/man1/bankc.1.gz usr/share/man/zh_CN/man1/bankc.1.gz \
            usr/share/doc/zhiqiao/copyright usr/share/doc/zhiqiao/changelog.gz \
            "usr/share/applications/$id.desktop" "usr/share/metainfo/$id.metainfo.xml" \
            "usr/share/icons/hicolor/scalable/apps/$id.svg" \
            "usr/share/icons/hicolor/48x48/apps/$id.png" "usr/share/icons/hicolor/128x128/apps/$id.png" \
            "usr/share/icons/hicolor/256x256/apps/$id.png"; do
    [ -f "$root/$file" ] || fail "the package lacks /$file"
done
appstreamcli validate-tree --no-net "$root"

[ "$("$root/usr/bin/zhiqiao" --version)" = "zhiqiao $version" ] ||
    fail "--version of the unpacked program: $("$root/usr/bin/zhiqiao" --version)"

# The teacher's tool runs where it is installed (without arguments: its usage, status 2).
status=0
LANG=C.UTF-8 "$root/usr/bin/bankc" > /dev/null 2> "$tmp/bankc.log" || status=$?
[ "$status" -eq 2 ] && grep -q "^usage: bankc" "$tmp/bankc.log" ||
    fail "the unpacked bankc did not give its usage (exit status $status): $(cat "$tmp/bankc.log")"

# No dbase/ beside the unpacked program: it must find the bank under its own prefix.
mkdir "$tmp/home"
status=0
HOME=$tmp/home QT_QPA_PLATFORM=offscreen ZHIQIAO_EXIT_AFTER_EXPOSE=1 \
    timeout 60 "$root/usr/bin/zhiqiao" > "$tmp/start.log" 2>&1 || status=$?
cat "$tmp/start.log"
[ "$status" -eq 0 ] || fail "the unpacked program did not reach its start screen (exit status $status)"
echo "the unpacked package starts up to its start screen"
