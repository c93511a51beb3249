// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace staverly {

// Removes what a JACK server (1.9) that died without a clean exit left in
// /dev/shm: its semaphores (jack_sem.<uid>_<server>_<client>, one per client),
// its socket (jack_<server>_<uid>_0), the shared memory segments it made and
// its slot in the registry that every server of the machine shares. The
// registry itself, the jack_db-<uid> folder and other servers' files stay.
// `pid` is the dead server's process, already reaped.
void removeJackLeftovers(const QString &server, qint64 pid);

} // namespace staverly
