#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the demo use, and
# makes 32-bit Windows programs runnable under Wine. Idempotent: when all is
# present it only checks and returns.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  libgtest-dev googletest libbenchmark-dev libstb-dev
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix mingw-w64-i686-dev binutils-mingw-w64-i686
  wine wine32:i386 wine64 xvfb xauth imagemagick qemu-user
)

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"

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
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
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

install_missing
enable_i386_programs
