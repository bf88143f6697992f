#!/usr/bin/env bash
# Installs the Debian packages the build needs. As root (or with sudo) it
# installs what is missing; otherwise it names the missing packages and fails.
set -euo pipefail

packages=(cmake ninja-build g++ pkg-config make
  qt6-base-dev qt6-base-dev-tools libgl-dev libxkbcommon-dev
  libgtest-dev libgmock-dev libcli11-dev
  fonts-dejavu-core)
case "${1:-}" in
  --ci)
    # CI also fuzzes with clang, starts the window on a virtual X server,
    # builds and checks the Debian package, and stores onto a real FAT volume
    # (dosfstools and fusefat).
    packages+=(clang-14 libclang-rt-14-dev xvfb xauth imagemagick x11-apps
      dpkg-dev file desktop-file-utils dosfstools fusefat) ;;
  --web)
    # The browser edition: Emscripten builds the core to WebAssembly; Chromium
    # and Node run the page's tests (playwright-core comes from npm).
    packages+=(emscripten chromium python3)
    # A Node from elsewhere (nodesource) brings its own npm; Debian's would clash.
    command -v npm >/dev/null 2>&1 || packages+=(nodejs npm) ;;
  --package)
    # The package's library dependencies come from dpkg-shlibdeps, which
    # needs file to tell programs from other files.
    packages+=(dpkg-dev file) ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  sudo_cmd=()
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
  sudo_cmd=(sudo)
else
  echo "kalivo: missing build packages: ${missing[*]}" >&2
  echo "kalivo: install them with: sudo apt-get install --no-install-recommends ${missing[*]}" >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
