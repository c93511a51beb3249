// SPDX-License-Identifier: GPL-3.0-or-later
#include "outlinefont.h"

#include <QFile>
#include <QFontDatabase>
#include <QRawFont>

namespace staverly {

namespace {

quint32 glyphIndex(const QRawFont &raw, char32_t symbol)
{
    const QList<quint32> indexes = raw.glyphIndexesForString(QString::fromUcs4(&symbol, 1));
    return indexes.size() == 1 ? indexes.first() : 0;
}

} // namespace

OutlineFont::OutlineFont(const QByteArray &data)
    : m_data(data)
{
}

std::optional<OutlineFont> OutlineFont::load(const QString &file, QString *error)
{
    QFile in(file);
    if (!in.exists()) {
        *error = QStringLiteral("font file not found: %1").arg(file);
        return std::nullopt;
    }
    const QByteArray data = in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    if (data.isEmpty() || QFontDatabase::addApplicationFont(file) < 0) {
        *error = QStringLiteral("cannot read font file: %1").arg(file);
        return std::nullopt;
    }
    return OutlineFont(data);
}

bool OutlineFont::has(char32_t symbol) const
{
    return glyphIndex(QRawFont(m_data, 16), symbol) != 0;
}

QPainterPath OutlineFont::glyph(char32_t symbol, qreal pixelSize) const
{
    // Outlines come from this very file: a family name could resolve to
    // another installed face.
    const QRawFont raw(m_data, pixelSize, QFont::PreferNoHinting);
    QPainterPath path = raw.pathForGlyph(glyphIndex(raw, symbol));
    path.setFillRule(Qt::WindingFill);
    return path;
}

} // namespace staverly
