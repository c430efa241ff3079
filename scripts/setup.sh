#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the demo use, and
# makes 32-bit Windows programs runnable under Wine. Idempotent: when all is
# present it only checks and returns.
set -euo pipefail

# Wine's preloaders (wine32-preloader, wine64-preloader) stay out: under the
# emulator a 32-bit program started through one has a few megabytes of free
# address space instead of about 500, though it starts in a second instead
# of forty. Wine's own fonts give the pictures (scripts/screenshots.sh) the
# Marlett of the title bars' buttons.
packages=(
  cmake ninja-build g++ pkg-config
  libgtest-dev googletest libbenchmark-dev libstb-dev
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix mingw-w64-i686-dev binutils-mingw-w64-i686
  g++-mingw-w64-i686-win32 gcc-mingw-w64-i686-win32
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-x86-64-dev binutils-mingw-w64-x86-64
  g++-mingw-w64-x86-64-win32 gcc-mingw-w64-x86-64-win32
  wine wine32:i386 wine64 fonts-wine xvfb xauth imagemagick qemu-user
  7zip dpkg-dev python3
  osslsigncode openssl
)
# --bench: also the references the engine's quality benchmark measures the
# plug-in against (never a dependency of the plug-in itself).
if [ "${1:-}" = --bench ]; then
  packages+=(python3-opencv python3-skimage)
fi

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"

# Refreshes the package index. A mirror in the middle of a sync can fail one
# index file: setup then goes on with the lists it has, and names that file
# only if the install fails for it.
failed_index=""
refresh_index() {
  local log
  log=$(mktemp)
  if ! $SUDO apt-get update -qq >"$log" 2>&1; then
    failed_index=$(grep -m1 -oE "Failed to fetch +[^ ]+" "$log" | awk '{print $NF}' || true)
    failed_index=${failed_index:-"(see apt-get update)"}
    echo "setup: the package index could not be refreshed completely ($failed_index); going on with the lists at hand" >&2
  fi
  rm -f "$log"
}

# Installs what is missing; when that fails after an incomplete refresh, one
# line says which index failed and that a retry later usually helps.
install_packages() {
  if DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "$@" >/dev/null; then
    return
  fi
  if [ -n "$failed_index" ]; then
    echo "setup: installing failed, and the package index $failed_index could not be downloaded; a mirror is probably being updated: try again later" >&2
  else
    echo "setup: installing $* failed" >&2
  fi
  exit 1
}

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
  fi
  echo "setup: installing ${missing[*]}"
  refresh_index
  install_packages "${missing[@]}"
}

# 32-bit Wine is itself a 32-bit Linux program. Where the kernel cannot run
# those, the user-mode emulator runs them instead, registered for i386 ELF.
enable_i386_programs() {
  /lib/ld-linux.so.2 --version >/dev/null 2>&1 && return
  local misc=/proc/sys/fs/binfmt_misc
  [ -e "$misc/register" ] || $SUDO mount -t binfmt_misc binfmt_misc "$misc"
  if [ ! -e "$misc/qemu-i386" ]; then
    local magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
    local mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
    echo ":qemu-i386:M::$magic:$mask:/usr/bin/qemu-i386:F" | $SUDO tee "$misc/register" >/dev/null
  fi
  /lib/ld-linux.so.2 --version >/dev/null 2>&1 || { echo "setup: cannot run 32-bit programs" >&2; exit 1; }
}

# The 7-Zip extraction module is built from Debian's source package, so apt
# needs source entries for the same suites as the binary ones.
add_source_entries() {
  grep -qsE '^(Types:.*deb-src|deb-src )' /etc/apt/sources.list /etc/apt/sources.list.d/*.list \
    /etc/apt/sources.list.d/*.sources && return
  echo "setup: adding Debian source entries"
  $SUDO tee /etc/apt/sources.list.d/debian-src.sources >/dev/null <<'EOF'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb-src
URIs: http://deb.debian.org/debian-security
Suites: bookworm-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
  refresh_index
}

# The source of the installed 7zip package (whose 7zz makes the test archives),
# unpacked once into a cache outside the tree. The link "7zip" there is where
# cmake/SevenZipModule.cmake looks by default.
fetch_sevenzip_source() {
  local cache="${XDG_CACHE_HOME:-$HOME/.cache}/br7zsfx"
  local version upstream
  version=$(dpkg-query -W -f='${Version}' 7zip)
  version=${version#*:}
  upstream=${version%-*}
  if [ ! -f "$cache/7zip-$upstream/CPP/7zip/Bundles/Format7zExtract/makefile" ]; then
    echo "setup: fetching the source of 7zip $version"
    mkdir -p "$cache"
    (cd "$cache" && apt-get source -qq "7zip=$version" >/dev/null)
  fi
  ln -sfn "7zip-$upstream" "$cache/7zip"
  echo "setup: 7-Zip source in $cache/7zip"
}

# lodepng writes filterhost's 16-bit PNGs (stb's writer has 8 bits only) in
# every build, the Windows ones too, so it is compiled from Debian's source
# package, unpacked once into a cache outside the tree. The link "lodepng"
# there is where cmake/Lodepng.cmake looks by default.
fetch_lodepng_source() {
  local cache="${XDG_CACHE_HOME:-$HOME/.cache}/linefix" dir
  if [ ! -f "$cache/lodepng/lodepng.cpp" ]; then
    echo "setup: fetching the source of lodepng"
    mkdir -p "$cache"
    (cd "$cache" && apt-get source -qq lodepng >/dev/null)
    dir=$(cd "$cache" && ls -d lodepng-*/ | sort -V | tail -n 1)
    ln -sfn "${dir%/}" "$cache/lodepng"
  fi
  echo "setup: lodepng source in $cache/lodepng"
}

add_source_entries
install_missing
enable_i386_programs
fetch_sevenzip_source
fetch_lodepng_source
