// SPDX-License-Identifier: GPL-3.0-or-later
#include "hostcolor.h"

#include "overflowerror.h"
#include "typemismatcherror.h"

#include <QGuiApplication>
#include <QPalette>
#include <array>
#include <cmath>
#include <optional>

namespace staverly::host {

namespace {

struct SystemColor
{
    std::optional<QPalette::ColorRole> role;
    QPalette::ColorGroup group;
    QRgb standard; // used when no palette role comes close
};

constexpr QPalette::ColorGroup Current = QPalette::Current;

SystemColor fixed(QRgb rgb)
{
    return {std::nullopt, Current, rgb};
}

SystemColor paletteRole(QPalette::ColorRole r, QPalette::ColorGroup group = Current)
{
    return {r, group, 0};
}

// The desktop scheme's colours 0x00..0x18 in the order of their numbers.
const std::array<SystemColor, 25> &systemColors()
{
    static const std::array<SystemColor, 25> table{
        paletteRole(QPalette::Button),                   // 0x00 scroll bar
        fixed(qRgb(0x3A, 0x6E, 0xA5)),                   // 0x01 desktop
        paletteRole(QPalette::Highlight),                // 0x02 active title bar
        fixed(qRgb(0x80, 0x80, 0x80)),                   // 0x03 inactive title bar
        paletteRole(QPalette::Window),                   // 0x04 menu bar
        paletteRole(QPalette::Base),                     // 0x05 window background
        paletteRole(QPalette::Shadow),                   // 0x06 window frame
        paletteRole(QPalette::WindowText),               // 0x07 menu text
        paletteRole(QPalette::Text),                     // 0x08 window text
        paletteRole(QPalette::HighlightedText),          // 0x09 title-bar text
        paletteRole(QPalette::Window),                   // 0x0A active border
        paletteRole(QPalette::Window),                   // 0x0B inactive border
        paletteRole(QPalette::Dark),                     // 0x0C application workspace
        paletteRole(QPalette::Highlight),                // 0x0D highlight
        paletteRole(QPalette::HighlightedText),          // 0x0E highlighted text
        paletteRole(QPalette::Button),                   // 0x0F button face
        paletteRole(QPalette::Dark),                     // 0x10 button shadow
        paletteRole(QPalette::Text, QPalette::Disabled), // 0x11 grey text
        paletteRole(QPalette::ButtonText),               // 0x12 button text
        fixed(qRgb(0xD4, 0xD0, 0xC8)),                   // 0x13 inactive title-bar text
        paletteRole(QPalette::Light),                    // 0x14 button highlight
        paletteRole(QPalette::Shadow),                   // 0x15 3-D dark shadow
        paletteRole(QPalette::Midlight),                 // 0x16 3-D light
        paletteRole(QPalette::ToolTipText),              // 0x17 tooltip text
        paletteRole(QPalette::ToolTipBase),              // 0x18 tooltip background
    };
    return table;
}

} // namespace

QColor toQColor(quint32 hostColor, const QPalette &palette)
{
    const quint32 kind = hostColor & 0xFF000000u;
    if (kind == 0) {
        return QColor(int(hostColor & 0xFF), int((hostColor >> 8) & 0xFF),
                      int((hostColor >> 16) & 0xFF));
    }
    if (kind != SystemColorFlag)
        return {};
    const quint32 index = hostColor & 0x00FFFFFFu;
    const auto &table = systemColors();
    if (index >= table.size())
        return {};
    const SystemColor &entry = table[index];
    if (!entry.role)
        return QColor::fromRgb(entry.standard);
    return palette.color(entry.group, *entry.role);
}

QColor toQColor(quint32 hostColor)
{
    return toQColor(hostColor, QGuiApplication::palette());
}

quint32 toHostColor(const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return 0;
    bool ok = false;
    double number = 0.0;
    if (value.metaType().id() == QMetaType::QString)
        number = value.toString().trimmed().toDouble(&ok);
    else if (value.canConvert<double>())
        number = value.toDouble(&ok);
    if (!ok || std::isnan(number))
        throw TypeMismatchError("Type mismatch: not a colour");
    number = std::nearbyint(number);
    // Colours are often kept as signed 32-bit numbers: 0x8000000F is -2147483633.
    if (number < -2147483648.0 || number > 4294967295.0)
        throw OverflowError("Overflow: not a 32-bit colour");
    return quint32(qint64(number));
}

} // namespace staverly::host
