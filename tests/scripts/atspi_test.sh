#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program as a screen reader meets it: started on a display of its own
# with an accessibility bus of its own, checked by atspi_check.py.
#   atspi_test.sh PROGRAM
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/firststart.sh"
python=/usr/bin/python3
for tool in Xvfb dbus-run-session /usr/libexec/at-spi-bus-launcher xdotool; do
  command -v "$tool" >/dev/null || skip "$tool is not installed (scripts/setup installs it)"
done
"$python" -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi is not installed (scripts/setup installs it)"

scratch=$(mktemp -d)
xvfb=""
cleanup() {
  # Waited for: a server still on its way out removes the socket of the
  # next one to take its display number.
  [[ -n "$xvfb" ]] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT
mkdir -p "$scratch/home" "$scratch/config/staverly" "$scratch/data" "$scratch/runtime"
chmod 700 "$scratch/runtime"
# One octave, so that each letter names one key: C4 to B4.
printf '[SETUP]\nSTART_UP=False\nLOW_NOTE=8\nHIGH_NOTE=14\nQUESTIONS=20\nUSE_CLUES=True\n' \
  >"$scratch/config/staverly/staverly.ini"
# No sound card needed: the built-in synthesizer plays into ALSA's null device.
printf 'pcm.!default { type null }\n' >"$scratch/home/.asoundrc"

# A copy of the program folder, where the player list it makes may go.
bin=$(dirname "$program")
mkdir -p "$scratch/program"
cp -r "$program" "$bin"/lib*.so* "$bin/controls" "$bin/images" "$scratch/program/"
program=$scratch/program/$(basename "$program")

exec 3>"$scratch/display"
# -noreset: a client that comes and goes before the program (the bus
# launcher) would otherwise reset the server under it.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do [[ -s "$scratch/display" ]] && break; sleep 0.1; done
display=:$(head -n1 "$scratch/display")

env -i PATH="$PATH" HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data" \
  XDG_RUNTIME_DIR="$scratch/runtime" DISPLAY="$display" LANG=C.UTF-8 \
  JACK_NO_START_SERVER=1 JACK_DEFAULT_SERVER=staverly-atspi-none PULSE_SERVER="unix:$scratch/no-pulse" \
  dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$1" >"$2/program.log" 2>&1 &
    program=$!
    "$3" "$4" "$(basename "$1")"
    result=$?
    kill $program 2>/dev/null
    [[ $result -eq 0 ]] || { echo "the program said:"; cat "$2/program.log"; }
    exit $result' _ "$program" "$scratch" "$python" "$here/atspi_check.py" 2>"$scratch/bus.log"
