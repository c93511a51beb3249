// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QPainterPath>
#include <QString>

#include <optional>

namespace staverly {

// A font file, registered with the application's font database, handing out
// glyph outlines so that pictures can be placed by their measured ink.
class OutlineFont
{
public:
    // Nothing, with the reason in error, when the file is missing or unreadable.
    static std::optional<OutlineFont> load(const QString &file, QString *error);

    bool has(char32_t symbol) const;
    // The outline with its origin on the baseline at the pen position.
    QPainterPath glyph(char32_t symbol, qreal pixelSize) const;

private:
    explicit OutlineFont(const QByteArray &data);

    QByteArray m_data;
};

} // namespace staverly
