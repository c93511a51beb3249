// SPDX-License-Identifier: GPL-3.0-or-later
#include "safefile.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace staverly {

namespace {

// The disk's own verdict: a full disk may accept writes into the page cache
// and refuse them only here.
QString synced(QFileDevice &file)
{
    if (::fsync(file.handle()) == 0 || errno == EINVAL)
        return {};
    return QString::fromLocal8Bit(std::strerror(errno));
}

QString failureOf(const QFileDevice &file)
{
    const QString reason = file.errorString();
    return reason.isEmpty() || file.error() == QFileDevice::NoError ? QCoreApplication::translate("SafeFile", "Unknown error") : reason;
}

} // namespace

QString SafeFile::replace(const QString &path, const Body &body)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failureOf(file);
    // QSaveFile::commit() misses an error of its last flush and would rename a
    // cut-short file over the old one: each step is checked here first.
    QString failure;
    if (!body(file) || !file.flush())
        failure = failureOf(file);
    else
        failure = synced(file);
    if (!failure.isEmpty()) {
        file.cancelWriting();
        return failure;
    }
    if (!file.commit())
        return failureOf(file);
    return {};
}

QString SafeFile::replace(const QString &path, const QByteArray &bytes)
{
    return replace(path, [&bytes](QIODevice &out) { return out.write(bytes) == bytes.size(); });
}

QString SafeFile::append(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    // Unbuffered: nothing of a failed write may linger to be written later,
    // after the file was cut back.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return failureOf(file);
    const qint64 before = file.size();
    QString failure;
    if (file.write(bytes) != bytes.size() || !file.flush())
        failure = failureOf(file);
    else
        failure = synced(file);
    if (failure.isEmpty())
        return {};
    // Half a line would join the next one written.
    file.resize(before);
    return failure;
}

} // namespace staverly
