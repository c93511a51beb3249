// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "twips.h"

#include <QLabel>
#include <QRect>
#include <QString>
#include <QWidget>

namespace staverly {

// Forms are designed in twips, converted as the controls convert theirs.
inline int px(int twips)
{
    return host::pixelsFromTwips(twips);
}

inline QRect twips(int left, int top, int width, int height)
{
    return {px(left), px(top), px(width), px(height)};
}

// Dialogs are laid out control by control, at fixed places, like their forms.
template <typename W>
W *place(QWidget *parent, const char *name, const QRect &geometry, const QString &tip = {})
{
    auto *w = new W(parent);
    if (name)
        w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(geometry);
    if (!tip.isEmpty())
        w->setToolTip(tip);
    return w;
}

template <typename W>
W *captioned(QWidget *parent, const char *name, const QString &caption, const QRect &geometry,
             const QString &tip = {})
{
    auto *w = place<W>(parent, name, geometry, tip);
    w->setText(caption);
    return w;
}

} // namespace staverly
