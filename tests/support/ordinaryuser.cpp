// SPDX-License-Identifier: GPL-3.0-or-later
#include "ordinaryuser.h"

#include <QDirIterator>
#include <QFile>
#include <unistd.h>

namespace staverly::test {

namespace {

constexpr uid_t Nobody = 65534;

void giveTo(const QString &folder, uid_t user)
{
    const auto give = [user](const QString &path) { (void)::chown(QFile::encodeName(path).constData(), user, user); };
    give(folder);
    QDirIterator each(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (each.hasNext())
        give(each.next());
}

} // namespace

OrdinaryUser::OrdinaryUser(QString folder)
    : m_folder(std::move(folder))
{
    if (::geteuid() != 0)
        return;
    giveTo(m_folder, Nobody);
    m_switched = ::setegid(Nobody) == 0 && ::seteuid(Nobody) == 0;
}

OrdinaryUser::~OrdinaryUser()
{
    if (!m_switched)
        return;
    (void)::seteuid(0);
    (void)::setegid(0);
    giveTo(m_folder, 0);
}

} // namespace staverly::test
