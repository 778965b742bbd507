#!/usr/bin/env bash
# Validates the desktop entry and the AppStream metainfo, builds the Debian package from a
# built tree, and checks its dependencies, its files, and that its programs run once
# unpacked into a scratch root.
# Usage: check-package.sh SOURCE-DIR BUILD-DIR
set -euo pipefail
src=$1 build=$2
id=io.github.vexa.Qirvo
fail() { echo "FAIL: $*" >&2; exit 1; }

desktop-file-validate "$src/packaging/$id.desktop"
appstreamcli validate --no-net "$src/packaging/$id.metainfo.xml"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$build" && cpack -G DEB -B "$work" >/dev/null)
deb=$(ls "$work"/qirvo_*.deb)

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libcurl4 qt6-qpa-plugins fonts-arphic-uming fonts-wqy-microhei; do
  [[ $depends == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
done

files=$(dpkg-deb -c "$deb")
for path in ./usr/bin/qirvo ./usr/bin/qirvo-query \
            "./usr/share/applications/$id.desktop" "./usr/share/metainfo/$id.metainfo.xml" \
            "./usr/share/icons/hicolor/48x48/apps/$id.png" \
            "./usr/share/icons/hicolor/scalable/apps/$id.svg"; do
  grep -qF " $path" <<<"$files" || fail "package lacks $path"
done

dpkg-deb -x "$deb" "$work/root"
exec_line=$(grep '^Exec=' "$work/root/usr/share/applications/$id.desktop")
[ -x "$work/root/usr/bin/${exec_line#Exec=}" ] || fail "the launcher's $exec_line is not installed"
"$work/root/usr/bin/qirvo-query" --help >/dev/null || fail "qirvo-query does not run"
echo "package $(basename "$deb") checked"
