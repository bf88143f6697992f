#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a desktop, man and
# a user of the command line find there.
# Usage: check-install-layout.sh BUILD_DIR SOURCE_DIR WITH_WINDOW(0|1)
set -euo pipefail
build=$1; source=$2; window=$3
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

cmake --install "$build" --prefix "$prefix" >/dev/null

expected=(bin/kalivo-cli share/man/man1/kalivo-cli.1 share/doc/kalivo/README.md)
if [ "$window" = 1 ]; then
  expected+=(bin/kalivo share/man/man1/kalivo.1
    share/applications/kalivo.desktop share/icons/hicolor/scalable/apps/kalivo.svg)
fi
for file in "${expected[@]}"; do
  # Man pages may be installed compressed.
  [ -s "$prefix/$file" ] || [ -s "$prefix/$file.gz" ] || fail "$file not installed"
done
for program in kalivo kalivo-cli; do
  [ -e "$prefix/bin/$program" ] || continue
  [ -x "$prefix/bin/$program" ] || fail "bin/$program is not executable"
  ! readelf -d "$prefix/bin/$program" | grep -Eq 'RPATH|RUNPATH' || fail "bin/$program has a library search path"
done
if [ -d "$source/examples" ]; then
  diff -r "$source/examples" "$prefix/share/doc/kalivo/examples" >/dev/null || fail "examples not installed whole"
fi

# The installed program runs on its own, away from the build folder.
models=$(cd "$prefix" && ./bin/kalivo-cli models) || fail "installed kalivo-cli models failed"
grep -qx Tyros <<<"$models" || fail "installed kalivo-cli models printed: $models"

if [ "$window" = 1 ] && command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/kalivo.desktop" || fail "desktop entry invalid"
fi

# The man page describes every command and option the program offers; the
# help output is the list of what it offers.
page=$(sed 's/\\-/-/g' "$source/packaging/man/kalivo-cli.1")
help=$("$prefix/bin/kalivo-cli" --help)
commands=$(sed -n '/^Subcommands:/,/^$/p' <<<"$help" | awk 'NR > 1 && NF { print $1 }')
[ -n "$commands" ] || fail "no commands found in: $help"
options=$(grep -o -- '--[a-z][a-z-]*' <<<"$help" || true)
for command in $commands; do
  # Each command and option has its own entry: a tagged paragraph headed by its name.
  grep -A1 -x '\.TP' <<<"$page" | grep -qx "\.B $command" || fail "man page has no entry for command $command"
  options+=$'\n'$("$prefix/bin/kalivo-cli" "$command" --help | grep -o -- '--[a-z][a-z-]*' || true)
done
while read -r option; do
  [ -n "$option" ] || continue
  grep -A1 -x '\.TP' <<<"$page" | grep -Eq -- "^\.(B|BI|BR)( .*)? $option( |,|\$)" || fail "man page has no entry for option $option"
done < <(sort -u <<<"$options")

[ "$failures" = 0 ] && echo "installed layout checked: $(find "$prefix" -type f | wc -l) files"
exit $((failures > 0))
