#!/usr/bin/env bash
# Installs the Debian packages that building and testing need, skipping those present.
# WINDOWS=1 adds the Windows cross build and wine, which only the Windows scripts need; WEB=1
# the WebAssembly build of the page and the browser its walk runs in.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev libcli11-dev libtinyobjloader-dev libstb-dev libfast-float-dev
  clang libclang-rt-dev
  qt6-base-dev qt6-translations-l10n libgl-dev
  xvfb xauth xdotool imagemagick x11-utils fonts-noto-cjk python3
  locales-all
  time ccache shellcheck clang-format cmark-gfm
)
if [ "${WINDOWS:-0}" = "1" ]; then
  packages+=(g++-mingw-w64-x86-64-posix wine wine64 fonts-wine nsis)
fi
if [ "${WEB:-0}" = "1" ]; then
  packages+=(clang-22 lld-22 libc++-22-dev-wasm32 libclang-rt-22-dev-wasm32 chromium nodejs curl)
  # Debian's npm, unless the Node.js installed brings its own (as NodeSource's does, which
  # Debian's npm cannot be installed beside).
  command -v npm >/dev/null || packages+=(npm)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages: ${missing[*]}" >&2
  echo "Install them with: sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
