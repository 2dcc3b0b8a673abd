#!/usr/bin/env bash
# The program as started from a shell: its command line (what it prints, its
# exit status, no window where it ends at once) and the signals that end it
# (the settings stored as at a close). Runs on the offscreen platform.
#
# usage: command-line.sh <rundaro> <no-serial-ports library>
set -uo pipefail

program=$(realpath "$1")
no_serial_ports=$(realpath "$2")
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/runtime" && chmod 700 "$tmp/runtime"
export QT_QPA_PLATFORM=offscreen HOME="$tmp" XDG_CONFIG_HOME="$tmp/config" XDG_RUNTIME_DIR="$tmp/runtime"
export LD_PRELOAD="$no_serial_ports" LC_ALL=C.UTF-8
# Under AddressSanitizer the preloaded library comes before its runtime.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0:strict_string_checks=0"
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# Arguments | exit status | standard output (a pattern) | standard error (a pattern)
# A run that opened the window would not end: the timeout fails it.
cases=(
  "--version|0|^rundaro 1\.0$|^$"
  "-v|0|^rundaro 1\.0$|^$"
  "--help|0|--version.*Zeigt Versionsinformation an|^$"
  "--help-all|0|--platform|^$"
  "-style fusion --version|0|^rundaro 1\.0$|^$"
  "--bogus|1|^$|^rundaro: Unbekannte Option 'bogus'\.$"
  "race.csv|1|^$|^rundaro: Unbekanntes Argument „race\.csv“\.$"
)
# The whole output as one line matches the pattern; ^$ asks for none.
matches() {
  if [ "$2" = "^$" ]; then
    [ ! -s "$1" ]
  else
    tr '\n' ' ' <"$1" | sed 's/ $//' | grep -Eq -- "$2"
  fi
}
for entry in "${cases[@]}"; do
  IFS='|' read -r args status out err <<<"$entry"
  # shellcheck disable=SC2086 # the arguments are split on purpose
  timeout 20 "$program" $args >"$tmp/out" 2>"$tmp/err"
  got=$?
  [ "$got" -eq "$status" ] || fail "rundaro $args: exit status $got, not $status"
  [ "$(wc -l <"$tmp/err")" -le 1 ] || fail "rundaro $args: more than one line on standard error"
  matches "$tmp/out" "$out" || fail "rundaro $args: output $(head -c 200 "$tmp/out")"
  matches "$tmp/err" "$err" || fail "rundaro $args: error output $(cat "$tmp/err")"
done

# Help and version need no display: no platform named, none to connect to.
for args in --help --help-all --version; do
  env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY timeout 20 "$program" "$args" >"$tmp/out" 2>"$tmp/err"
  got=$?
  [ "$got" -eq 0 ] || fail "rundaro $args without a display: exit status $got, not 0 ($(head -c 200 "$tmp/err"))"
  grep -q "rundaro" "$tmp/out" || fail "rundaro $args without a display: output $(head -c 200 "$tmp/out")"
  [ ! -s "$tmp/err" ] || fail "rundaro $args without a display: error output $(head -c 200 "$tmp/err")"
done

# Each signal ends the program with status 0, its settings stored. The
# signal is sent once the program has its handler (SigCgt in its status);
# until the program is executed the process is a copy of this shell, whose
# own handlers would take the signal (and run this script's EXIT trap).
caught() {
  local mask
  [ "$(readlink "/proc/$1/exe" 2>/dev/null)" = "$program" ] || return 1
  mask=$(awk '/^SigCgt:/ { print $2 }' "/proc/$1/status" 2>/dev/null) || return 1
  (( (0x$mask >> ($2 - 1)) & 1 ))
}
for signal in TERM INT HUP; do
  rm -rf "$XDG_CONFIG_HOME"
  "$program" >"$tmp/log" 2>&1 &
  pid=$!
  number=$(kill -l "$signal")
  for _ in $(seq 600); do caught "$pid" "$number" && break; sleep 0.05; done
  kill "-$signal" "$pid"
  waited=0
  while kill -0 "$pid" 2>/dev/null && ((waited < 200)); do sleep 0.05; waited=$((waited + 1)); done
  if kill -0 "$pid" 2>/dev/null; then
    kill -KILL "$pid"
    fail "SIG$signal did not end the program"
    continue
  fi
  wait "$pid"
  status=$?
  [ "$status" -eq 0 ] || fail "SIG$signal: exit status $status, not 0"
  settings="$XDG_CONFIG_HOME/rundaro/settings.reg"
  [ "$(grep -c '=dword:' "$settings" 2>/dev/null)" = 20 ] || fail "SIG$signal: settings not stored in $settings"
  [ -z "$(find "$XDG_CONFIG_HOME" -type f ! -name settings.reg)" ] || fail "SIG$signal: a temporary file was left"
done

# The language stored last time applies from the start, Qt's texts too:
# Dutch (2) on the settings the last run stored.
sed -i 's/^"Language"=dword:.*/"Language"=dword:00000002/' "$settings"
grep -q '^"Language"=dword:00000002' "$settings" || fail "no Language value in $settings"
timeout 20 "$program" --bogus race.csv >"$tmp/out" 2>"$tmp/err"
grep -q "^rundaro: Onbekende optie: 'bogus'\.$" "$tmp/err" || fail "Dutch: error output $(cat "$tmp/err")"
timeout 20 "$program" race.csv >"$tmp/out" 2>"$tmp/err"
grep -q '^rundaro: Onbekend argument "race\.csv"\.$' "$tmp/err" || fail "Dutch: error output $(cat "$tmp/err")"

if ((failures > 0)); then
  echo "$failures check(s) failed"
  exit 1
fi
echo "all checks passed"
