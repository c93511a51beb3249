// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

class QIODevice;

namespace staverly {

// Every file the program writes itself goes through here. A file is either
// replaced whole or left exactly as it was; an append either lands whole or
// leaves the file at its old length. Each returns an empty text, or why it
// failed in the system's words ("No space left on device", ...).
class SafeFile
{
public:
    using Body = std::function<bool(QIODevice &)>;

    // `body` writes the new contents and returns false when it could not.
    static QString replace(const QString &path, const Body &body);
    static QString replace(const QString &path, const QByteArray &bytes);
    static QString append(const QString &path, const QByteArray &bytes);
};

} // namespace staverly
