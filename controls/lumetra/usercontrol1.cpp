// SPDX-License-Identifier: GPL-3.0-or-later
#include "usercontrol1.h"

#include "hostcolor.h"
#include "integer16.h"
#include "twips.h"

#include <QPainter>
#include <QResizeEvent>
#include <optional>

namespace staverly::lumetra {

namespace {

struct LevelRow
{
    double low;
    double high;
    float width;
};

// Not a formula: 100..109 and 110..119 are 130 twips apart, the rest 120.
constexpr std::array<LevelRow, 14> LevelTable{{
    {120, 127, 1580},
    {110, 119, 1460},
    {100, 109, 1330},
    {90, 99, 1210},
    {80, 89, 1090},
    {70, 79, 970},
    {60, 69, 850},
    {50, 59, 730},
    {40, 49, 610},
    {30, 39, 490},
    {20, 29, 370},
    {10, 19, 250},
    {1, 9, 130},
    {0, 0, 0},
}};

std::optional<float> widthForLevel(double level)
{
    for (const LevelRow &row : LevelTable) {
        if (level >= row.low && level <= row.high)
            return row.width;
    }
    return std::nullopt;
}

} // namespace

UserControl1::UserControl1(QWidget *parent)
    : QWidget(parent)
{
    for (int i = 0; i < SegmentCount; ++i) {
        host::Shape &segment = indi[i];
        segment.left = SegmentPitch * float(i);
        segment.top = 0.0f;
        segment.width = SegmentWidth;
        segment.height = MeterHeight;
        segment.fillColor = SegmentColors[i];
        segment.borderColor = host::WindowBackground;
    }
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    applySize();
}

float UserControl1::value() const
{
    return m_width;
}

void UserControl1::setValue(const QVariant &vNewValue)
{
    m_busy = true;
    double level = 0.0;
    if (host::toNumber(vNewValue, &level)) {
        if (const std::optional<float> width = widthForLevel(level)) {
            m_width = *width;
            applySize();
        }
    }
    m_busy = false;
}

QSize UserControl1::pixelSize() const
{
    return QSize(host::pixelsFromTwips(m_width), host::pixelsFromTwips(m_height));
}

QSize UserControl1::sizeHint() const
{
    return pixelSize();
}

void UserControl1::applySize()
{
    if (size() != pixelSize())
        resize(pixelSize());
}

void UserControl1::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // A hidden control gets the event of its own level change only when it is
    // shown, after the busy flag has gone; that event carries its own size.
    if (!m_busy && event->size() != pixelSize())
        m_width = FullWidth;
    m_height = MeterHeight;
    applySize();
}

void UserControl1::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event);
    QPainter painter(this);
    painter.fillRect(rect(), host::toQColor(host::ButtonFace, palette()));
    for (const host::Shape &segment : indi)
        segment.paint(painter, palette());
}

} // namespace staverly::lumetra
