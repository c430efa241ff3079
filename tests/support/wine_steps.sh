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
