#!/usr/bin/env bash
# Builds the Debian package and checks it as a user would meet it: the files
# a desktop and man need are in it, its dependencies can be met from the
# archive, and the programs start from an unpacked copy.
# Usage: check-deb.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
deb=$(bash scripts/build-deb.sh "${1:-build-release}" | tail -n 1)
echo "package: $deb"
case "$deb" in /*) ;; *) deb="./$deb" ;; esac  # apt takes only paths for local files

fail() { echo "check-deb: $*" >&2; exit 1; }

contents=$(dpkg-deb -c "$deb")
for file in usr/bin/kalivo usr/bin/kalivo-cli \
    usr/share/applications/kalivo.desktop \
    usr/share/icons/hicolor/scalable/apps/kalivo.svg \
    usr/share/man/man1/kalivo.1.gz usr/share/man/man1/kalivo-cli.1.gz \
    usr/share/doc/kalivo/README.md; do
  grep -q " \./$file\$" <<<"$contents" || fail "$file is not in the package"
done

depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 qt6-qpa-plugins; do
  grep -q "$lib" <<<"$depends" || fail "Depends lacks $lib: $depends"
done
# A dry run resolves the dependencies against the archive without installing.
apt-get install -s -qq "$deb" >/dev/null || fail "the dependencies cannot be met"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/kalivo.desktop"
models=$(cd "$root" && ./usr/bin/kalivo-cli models)
grep -qx "Tyros" <<<"$models" || fail "kalivo-cli models printed: $models"
echo "kalivo-cli models from the unpacked package: ${models//$'\n'/, }"
for page in kalivo kalivo-cli; do
  ! command -v man >/dev/null || man -l "$root/usr/share/man/man1/$page.1.gz" >/dev/null 2>&1 || fail "man cannot show $page.1.gz"
done

# The window must come up and keep running; timeout ends it.
status=0
(cd "$root" && QT_QPA_PLATFORM=offscreen timeout 3 ./usr/bin/kalivo) || status=$?
[ "$status" = 124 ] || fail "the window program ended with status $status instead of staying open"
echo "package checked"
