#!/usr/bin/env bash
# Installs the Debian packages that building and testing need, skipping those present.
# WINDOWS=1 adds the Windows cross build and wine, which only the Windows scripts need; WEB=1
# the WebAssembly build of the page and the browser its walk runs in.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev libcli11-dev libtinyobjloader-dev libstb-dev libfast-float-dev
  libmeshoptimizer-dev
  clang libclang-rt-dev
  clang-22 libc++-22-dev libc++abi-22-dev googletest
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

# The Windows and web builds compile meshoptimizer from Debian's source package of the
# version that the Linux build links, fetched through a deb-src entry of the same archive.
meshoptimizer_source=/usr/local/src/qel-meshoptimizer
need_source=0
if { [ "${WINDOWS:-0}" = "1" ] || [ "${WEB:-0}" = "1" ]; } &&
  [ ! -f "$meshoptimizer_source/src/meshoptimizer.h" ]; then
  need_source=1
fi
[ ${#missing[@]} -eq 0 ] && [ "$need_source" = "0" ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  [ ${#missing[@]} -gt 0 ] && echo "Missing packages: ${missing[*]}" >&2
  [ "$need_source" = "1" ] && echo "Missing: meshoptimizer's sources in $meshoptimizer_source" >&2
  echo "Run this script as root to install them." >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if [ "$need_source" = "1" ]; then
  sources=/etc/apt/sources.list.d/qel-deb-src.sources
  if [ ! -f "$sources" ]; then
    # shellcheck disable=SC1091
    codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
    printf 'Types: deb-src\nURIs: http://deb.debian.org/debian\nSuites: %s\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
      "$codename" >"$sources"
  fi
  apt-get update -qq
  version=$(dpkg-query -W -f='${Version}' libmeshoptimizer-dev)
  download=$(mktemp -d)
  (cd "$download" && apt-get source -qq --download-only "meshoptimizer=$version")
  mkdir -p "$meshoptimizer_source"
  # The library's own sources and licence only.
  tar -xJf "$download"/meshoptimizer_*.orig.tar.xz -C "$meshoptimizer_source" \
    --strip-components=1 --wildcards '*/src/*' '*/LICENSE.md' 
  rm -rf "$download"
fi
