// SPDX-License-Identifier: GPL-3.0-or-later
#include "lockedfolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <unistd.h>

namespace staverly::test {

namespace {

bool chattr(const QString &flag, const QString &path)
{
    return QProcess::execute(QStringLiteral("chattr"), {flag, path}) == 0;
}

// Whether a new entry really cannot be made there now.
bool refusesNewEntries(const QString &path)
{
    QFile probe(QDir(path).filePath(QStringLiteral(".probe")));
    if (probe.open(QIODevice::WriteOnly)) {
        probe.close();
        probe.remove();
        return false;
    }
    return true;
}

} // namespace

LockedFolder::LockedFolder(QString path)
    : m_path(std::move(path))
{
    QFile::setPermissions(m_path, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup);
    if (geteuid() == 0)
        m_immutable = chattr(QStringLiteral("+i"), m_path);
    m_locked = refusesNewEntries(m_path);
}

LockedFolder::~LockedFolder()
{
    if (m_immutable)
        chattr(QStringLiteral("-i"), m_path);
    QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace staverly::test
