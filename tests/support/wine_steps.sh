# What the scripts of the Wine tests share, and the scripts that make
# prefixes of their own from the tests' one; sourced, after `set -euo
# pipefail`.

support_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# Wine shows the Unix root as drive Z:.
win() { printf 'Z:%s' "${1//\//\\}"; }

# without_aes WINE_RUN [--display] COMMAND...: runs the command, which calls
# `wine`, with encrypted archives in mind. The emulator's AES instructions
# decrypt wrongly in 32-bit code; under a processor model without them the
# module takes its plain AES code. A prefix once used with that model breaks
# later runs with the usual one, so these runs get a prefix of their own,
# copied from the test's. Where 32-bit code runs natively the model changes
# nothing.
without_aes() {
  local wine_run=$1
  shift
  QEMU_CPU=Nehalem "$wine_run" --prefix "$WINEPREFIX-noaes" --copy-of "$WINEPREFIX" "$@" \
    2> >(grep -v "TCG doesn't support" >&2)
}

# Whether 32-bit programs run under the user-mode emulator, where each start
# takes about a minute. setup registers it only where the kernel cannot run
# them itself; once registered, it runs every one of them.
i386_emulator=/proc/sys/fs/binfmt_misc/qemu-i386
i386_emulated() { [ -e "$i386_emulator" ] && grep -qx enabled "$i386_emulator"; }

# 32 or 64: the bitness of the program in FILE, from its PE header's machine.
bitness_of() {
  local pe machine
  pe=$(od -An -tu4 -j 60 -N4 "$1" | tr -d ' ')
  machine=$(od -An -tx2 -j $((pe + 4)) -N2 "$1" | tr -d ' ')
  if [ "$machine" = 014c ]; then echo 32; else echo 64; fi
}

# The prefix's system folder as a program in FILE sees it: a 32-bit one in a
# 64-bit prefix sees syswow64 as its system folder.
system_folder_of() {
  if [ "$(bitness_of "$1")" = 32 ] && [ -d "$WINEPREFIX/drive_c/windows/syswow64" ]; then
    echo "$WINEPREFIX/drive_c/windows/syswow64"
  else
    echo "$WINEPREFIX/drive_c/windows/system32"
  fi
}

# user_key PREFIX KEY VALUES: gives the prefix's current user the registry
# key KEY (its path under HKEY_CURRENT_USER, backslashes single) with VALUES,
# lines of the form "Name"="Value", unless the user has the key already.
# Written into the registry file, which takes no program start.
user_key() {
  local key=${2//\\/\\\\}
  grep -qF "[$key]" "$1/user.reg" || printf '\n[%s]\n%s\n' "$key" "$3" >>"$1/user.reg"
}

# Message K of the language text that $language names, escapes as written.
message() { sed -n "s/^$1=//p" "$language"; }

passed=0 failures=0
check() {  # check WHAT COMMAND...: the command's success is the check's
  local what=$1
  shift
  if "$@"; then
    echo "ok: $what"
    passed=$((passed + 1))
  else
    echo "FAILED: $what"
    failures=$((failures + 1))
  fi
}

# The tally of the checks; fails when one failed.
report() {
  echo "$passed passed, $failures failed"
  [ "$failures" -eq 0 ]
}

# With SCREENSHOTS set to a folder, answers the pictures a window driver asks
# for into it until the script ends, and sets `shots` to the driver's last
# argument, the folder's Windows path; otherwise `shots` stays empty.
shots=()
start_screenshots() {
  [ -n "${SCREENSHOTS:-}" ] || return 0
  mkdir -p "$SCREENSHOTS"
  shots=("$(win "$SCREENSHOTS")")
  "$support_dir/take_screenshots.sh" "$SCREENSHOTS" &
  screenshot_taker=$!
  trap 'kill $screenshot_taker 2>/dev/null || true' EXIT
}
