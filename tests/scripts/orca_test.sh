#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A lesson taken with Orca: the program and the screen reader on a display
# and an accessibility bus of their own; orca_check.py takes the lesson from
# the keyboard and reads what Orca would have spoken from its debug output.
#   orca_test.sh PROGRAM
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/firststart.sh"
python=/usr/bin/python3
command -v orca >/dev/null || skip "orca is not installed (apt-get install orca)"
for tool in Xvfb dbus-run-session /usr/libexec/at-spi-bus-launcher xdotool; do
  command -v "$tool" >/dev/null || skip "$tool is not installed (scripts/setup installs it)"
done
"$python" -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi is not installed (scripts/setup installs it)"

scratch=$(mktemp -d)
xvfb=""
cleanup() {
  [[ -n "$xvfb" ]] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT
home=$scratch/home
mkdir -p "$home" "$scratch/config/staverly" "$scratch/data" "$scratch/runtime" "$scratch/orca"
chmod 700 "$scratch/runtime"
# One octave, so that each letter names one key: C4 to B4.
printf '[SETUP]\nSTART_UP=False\nLOW_NOTE=8\nHIGH_NOTE=14\nQUESTIONS=20\nUSE_CLUES=True\n' \
  >"$scratch/config/staverly/staverly.ini"
printf 'pcm.!default { type null }\n' >"$home/.asoundrc"

exec 3>"$scratch/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do [[ -s "$scratch/display" ]] && break; sleep 0.1; done
display=:$(head -n1 "$scratch/display")

# Orca first, so that it hears the program from its start. It finds no
# speech server or braille display here and says so in its log; what it
# would have spoken is logged all the same.
env -i PATH="$PATH" HOME="$home" XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data" \
  XDG_RUNTIME_DIR="$scratch/runtime" DISPLAY="$display" LANG=C.UTF-8 \
  JACK_NO_START_SERVER=1 JACK_DEFAULT_SERVER=staverly-orca-none PULSE_SERVER="unix:$scratch/no-pulse" \
  dbus-run-session -- bash -c '
    scratch=$1 program=$2 python=$3 check=$4
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    launcher=$!
    orca --disable braille --user-prefs "$scratch/orca" --debug-file "$scratch/orca.log" \
      >"$scratch/orca.out" 2>&1 &
    orca=$!
    "$python" "$check" --wait-for-orca || exit 1
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" >"$scratch/program.log" 2>&1 &
    pid=$!
    "$python" "$check" "$(basename "$program")" "$orca" "$scratch/orca.log"
    result=$?
    # The check has ended Orca; one that would not end is killed.
    kill $pid 2>/dev/null
    kill -KILL $orca 2>/dev/null
    kill $launcher 2>/dev/null
    wait $pid $orca $launcher 2>/dev/null
    [[ $result -eq 0 ]] || { echo "the program said:"; cat "$scratch/program.log"; }
    exit $result' _ "$scratch" "$program" "$python" "$here/orca_check.py" 2>"$scratch/bus.log"
