// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

class QIODevice;

namespace staverly {

// The printable HTML documents the program saves: the grade report and the
// note tests. Each is one line of text ended by CR LF.
class HtmlFile
{
public:
    // Where the save dialog opens: the user's documents, else the home folder.
    static QString defaultFolder();
    // "test" becomes "test.htm"; a name with its own extension keeps it.
    static QString withDefaultSuffix(const QString &path);

    // Text as it must stand in a page to be shown as itself: & < > and "
    // are written as entities, everything else as it is.
    static QString escaped(const QString &text);
    // A file's address for a page's src or href, whatever its folder holds
    // (#, %, ?, spaces, letters beyond ASCII), escaped for an attribute.
    static QString fileAddress(const QString &path);

    // Replaces the file at `path` with the document; the old file stays whole
    // when the new one cannot be written. A document with characters beyond
    // ASCII starts with a UTF-8 byte-order mark, so browsers read the names
    // in it as written. Returns an empty text or what went wrong.
    static QString write(const QString &path, const QString &document);
    // The same for a document too big to hold: `body` writes it as UTF-8 and
    // returns false when it could not. Whether it goes beyond ASCII must be
    // known before the first byte, for the mark.
    static QString write(const QString &path, bool beyondAscii, const std::function<bool(QIODevice &)> &body);
};

} // namespace staverly
