# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the script tests.

# A test that fails, or cannot run here (exit 77, but a failure in CI).
fail() {
  echo "FAILED: $1"
  exit 1
}
skip() {
  echo "skipped: $1"
  [[ "${CI:-}" == true ]] && exit 1
  exit 77
}

#   first_start EXECUTABLE SCRATCH
# Starts EXECUTABLE offscreen as a new user whose home is SCRATCH/home, with
# no sound or MIDI server to reach, and ends it once start-up has run to the
# Lesson Setup dialog: any problem at start-up (a control or the sound
# missing) is told in a box before that and stops it there. Fails unless it
# got there, was still running a second later, and wrote its player list in
# the user's data folder.
# Sets DATA to the user's data folder of the program.
first_start() {
  local exe=$1 scratch=$2
  local home=$scratch/home
  mkdir -p "$home" "$scratch/runtime"
  chmod 700 "$scratch/runtime"
  # The built-in synthesizer plays into ALSA's null device: a machine with no
  # sound card gets no box about it.
  printf 'pcm.!default { type null }\n' >"$home/.asoundrc"
  DATA=$home/.local/share/staverly
  local settings=$home/.config/staverly/staverly.ini
  local log=$scratch/first-start.log

  env -i PATH="$PATH" HOME="$home" XDG_RUNTIME_DIR="$scratch/runtime" \
    XDG_DATA_HOME="$home/.local/share" XDG_CONFIG_HOME="$home/.config" \
    QT_QPA_PLATFORM=offscreen LANG=C.UTF-8 \
    JACK_NO_START_SERVER=1 JACK_DEFAULT_SERVER=staverly-first-start-none \
    PULSE_SERVER="unix:$scratch/no-pulse" \
    "$exe" >"$log" 2>&1 &
  local pid=$!

  # The Lesson Setup dialog stores the number of questions when it opens,
  # after any start-up problem was told and the About window went away.
  local waited=0
  until grep -qs '^QUESTIONS=' "$settings"; do
    if ! kill -0 "$pid" 2>/dev/null; then
      wait "$pid" && status=0 || status=$?
      cat "$log"
      fail "the program ended during start-up (exit status $status)"
    fi
    ((waited++ < 300)) || { kill -KILL "$pid"; cat "$log"; fail "start-up did not reach Lesson Setup in 30 s"; }
    sleep 0.1
  done
  sleep 1
  kill -0 "$pid" 2>/dev/null || { cat "$log"; fail "the program ended with Lesson Setup open"; }
  kill -TERM "$pid"
  local status=0
  wait "$pid" || status=$?
  [[ $status -eq 143 ]] || { cat "$log"; fail "the program did not end by the signal it was sent (exit status $status)"; }

  [[ "$(cat "$DATA/players.txt")" == $'Pellworth\r' ]] || fail "no new player list in $DATA"
}
