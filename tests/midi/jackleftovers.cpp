// SPDX-License-Identifier: GPL-3.0-or-later
#include "jackleftovers.h"

#include <QDir>
#include <cstring>
#include <fcntl.h>
#include <sys/sem.h>
#include <unistd.h>
#include <vector>

namespace staverly {

namespace {

const char *const Shm = "/dev/shm";

// The registry's layout: a header {magic "JACK", protocol, type, size of the
// registry, header length, entry length}, eight server slots {pid,
// "jack-<uid>:<server>:"} and one entry per segment {index, pid of the server
// that made it, size, "/<segment name>"}.
constexpr quint32 Magic = 0x4a41434b;
constexpr std::size_t SlotsAt = 24;
constexpr std::size_t SlotSize = 264;
constexpr std::size_t EntryIdAt = 12;

// The System V semaphore that every JACK server holds while it changes the
// registry or makes or frees a segment.
constexpr key_t RegistryLockKey = 0x282929;

template<class T>
T readAt(const std::vector<char> &bytes, std::size_t at)
{
    T value{};
    if (at + sizeof value <= bytes.size())
        std::memcpy(&value, bytes.data() + at, sizeof value);
    return value;
}

QByteArray stringAt(const std::vector<char> &bytes, std::size_t at, std::size_t length)
{
    if (at >= bytes.size())
        return {};
    const char *begin = bytes.data() + at;
    return QByteArray(begin, int(strnlen(begin, std::min(length, bytes.size() - at))));
}

bool lockRegistry(int semaphore, short change)
{
    sembuf operation{0, change, SEM_UNDO};
    timespec timeout{2, 0};
    return semtimedop(semaphore, &operation, 1, &timeout) == 0;
}

// Under JACK's own lock no server can make a segment of a freed name while we
// remove the dead server's, nor take the slot while we clear it.
void cleanRegistry(const QByteArray &prefix, qint64 pid)
{
    const int semaphore = semget(RegistryLockKey, 0, 0);
    if (semaphore < 0 || !lockRegistry(semaphore, -1))
        return;
    const int fd = open("/dev/shm/jack-shm-registry", O_RDWR | O_CLOEXEC);
    if (fd >= 0) {
        std::vector<char> bytes(1 << 20);
        const ssize_t size = pread(fd, bytes.data(), bytes.size(), 0);
        bytes.resize(std::size_t(std::max<ssize_t>(size, 0)));
        const auto registrySize = readAt<quint32>(bytes, 12);
        const auto headerLength = readAt<quint32>(bytes, 16);
        const auto entryLength = readAt<quint32>(bytes, 20);
        if (readAt<quint32>(bytes, 0) == Magic && registrySize <= bytes.size()
            && headerLength >= SlotsAt && (headerLength - SlotsAt) % SlotSize == 0
            && entryLength > EntryIdAt) {
            for (std::size_t at = headerLength; at + entryLength <= registrySize; at += entryLength) {
                if (readAt<qint32>(bytes, at + 4) != pid)
                    continue;
                const QByteArray segment = stringAt(bytes, at + EntryIdAt, entryLength - EntryIdAt);
                if (segment.startsWith("/jack-") && segment.count('/') == 1)
                    unlink((Shm + segment).constData());
            }
            const std::vector<char> empty(SlotSize, 0);
            for (std::size_t at = SlotsAt; at < headerLength; at += SlotSize) {
                if (readAt<qint32>(bytes, at) == pid && stringAt(bytes, at + 4, SlotSize - 4) == prefix) {
                    // A slot that cannot be written stays taken; nothing else to try.
                    [[maybe_unused]] const ssize_t written = pwrite(fd, empty.data(), empty.size(), off_t(at));
                }
            }
        }
        close(fd);
    }
    lockRegistry(semaphore, 1);
}

} // namespace

void removeJackLeftovers(const QString &server, qint64 pid)
{
    const QByteArray name = server.toUtf8();
    const QByteArray uid = QByteArray::number(getuid());
    cleanRegistry("jack-" + uid + ':' + name + ':', pid);
    const QByteArray semaphores = "jack_sem." + uid + '_' + name + '_';
    const QByteArray socket = "jack_" + name + '_' + uid + '_';
    QDir shm(QString::fromLatin1(Shm));
    for (const QString &file : shm.entryList(QDir::Files | QDir::System | QDir::Hidden)) {
        const QByteArray bytes = file.toUtf8();
        if (bytes.startsWith(semaphores) || bytes.startsWith(socket))
            shm.remove(file);
    }
}

} // namespace staverly
