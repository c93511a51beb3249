#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command with a /dev/shm and System V IPC of its own: the JACK servers
# it starts, crashes and cleans up after never meet another JACK server of
# the machine, even when the code under test is faulty.
#   privateshm.sh COMMAND [ARGUMENT...]
# Exits 77 (skipped) where the machine allows no private /dev/shm; in CI
# (CI=true) that fails instead.
set -euo pipefail
sandbox=(unshare --mount --ipc --propagation private)
[[ $(id -u) -eq 0 ]] || sandbox+=(--map-root-user)
if ! "${sandbox[@]}" true 2>/dev/null; then
  echo "skipped: no private /dev/shm here (unshare)"
  [[ "${CI:-}" == true ]] && exit 1
  exit 77
fi
exec "${sandbox[@]}" bash -c 'mount -t tmpfs tmpfs /dev/shm && STAVERLY_PRIVATE_SHM=1 exec "$@"' privateshm "$@"
