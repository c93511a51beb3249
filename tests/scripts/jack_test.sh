#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# scripts/jack beside a musician's own JACK server: starting the test server,
# crashing it, starting it again and stopping it leave the musician's files
# and the ones all servers share as they were, the musician's server keeps
# answering, and nothing of the test server stays behind.
#   jack_test.sh <scripts/jack to test>
# Exits 77 (skipped) where it cannot run; in CI (CI=true) that fails instead.
set -euo pipefail

# A faulty script deletes every JACK server's files on the machine: it gets a
# /dev/shm and System V IPC (JACK's registry lock) of its own.
[[ -n "${STAVERLY_PRIVATE_SHM:-}" ]] || exec "$(dirname "$0")/../support/privateshm.sh" bash "$0" "$@"

skip() {
  echo "skipped: $1"
  [[ "${CI:-}" == true ]] && exit 1
  exit 77
}

command -v jackd >/dev/null || skip "jackd is not installed (package jackd2)"
export JACK_NO_AUDIO_RESERVATION=1 JACK_NO_START_SERVER=1
unset JACK_DEFAULT_SERVER

# The script runs from a copy, so its state (build/) is the test's own.
work=$(mktemp -d)
mkdir "$work/scripts"
cp "$1" "$work/scripts/jack"
ours=staverly-jacktest
musician=studio
uid=$(id -u)

jack() { STAVERLY_JACK_SERVER=$ours JACK_DEFAULT_SERVER=$ours "$work/scripts/jack" "$@"; }
answers() { JACK_DEFAULT_SERVER=$1 jack_lsp >/dev/null 2>&1; }
snapshot() { find /dev/shm -mindepth 1 -printf '%i %p\n' | sort; }

musician_pid=
client_pid=
finish() {
  jack stop >/dev/null 2>&1 || true
  [[ -n "$client_pid" ]] && kill "$client_pid" 2>/dev/null || true
  [[ -n "$musician_pid" ]] && kill -KILL "$musician_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap finish EXIT

fail() {
  echo "FAILED: $1"
  exit 1
}

wait_until() { # tries, command...
  local tries=$1
  shift
  for ((i = 0; i < tries; i++)); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

setsid jackd --no-realtime -n "$musician" -d dummy -r 48000 -p 64 >"$work/musician.log" 2>&1 </dev/null &
musician_pid=$!
wait_until 100 answers "$musician" || fail "the musician's server did not start: $(cat "$work/musician.log")"
# The musician's MIDI monitor: a client, whose semaphore the server makes.
JACK_DEFAULT_SERVER=$musician jack_midi_dump >/dev/null 2>&1 &
client_pid=$!
wait_until 100 test -e "/dev/shm/jack_sem.${uid}_${musician}_midi-monitor" || fail "the musician's client did not start"

before=$(snapshot)

musician_untouched() { # after what
  local missing
  missing=$(comm -23 <(echo "$before") <(snapshot))
  [[ -z "$missing" ]] || fail "after $1 these are gone or replaced:"$'\n'"$missing"
  answers "$musician" || fail "after $1 the musician's server no longer answers"
}

jack start
answers "$ours" || fail "the test server does not answer after start"
musician_untouched "start"

pid=$(<"$work/build/jackd.pid")
kill -KILL "$pid"
wait_until 50 test ! -d "/proc/$pid/fd" || fail "the test server did not die"
musician_untouched "a crash of the test server"

jack start
answers "$ours" || fail "the test server does not answer when started after a crash"
musician_untouched "a start after a crash"

jack stop
! answers "$ours" || fail "the test server still answers after stop"
musician_untouched "stop"
left=$(comm -13 <(echo "$before") <(snapshot))
[[ -z "$left" ]] || fail "the test server left behind:"$'\n'"$left"
! grep -qaF "jack-$uid:$ours:" /dev/shm/jack-shm-registry || fail "the test server still holds a slot in the registry"
echo "passed"
