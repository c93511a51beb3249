// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "namedaccessible.h"

namespace staverly {

// The range sliders are hosted controls that know nothing of notes: to a
// screen reader they are sliders whose value is the white key they stand
// on, 1 to 28, named by their note. A value set through it moves the range
// as a drag to that key would.
class SliderAccessible : public NamedAccessible, public QAccessibleValueInterface
{
public:
    // The property of a hosted slider that holds its white key.
    static constexpr const char *WhiteKey = "staverlyWhiteKey";
    // The property holding the object that moves the range: it is asked to
    // invoke setWhiteKey(QWidget *slider, int whiteKey).
    static constexpr const char *Mover = "staverlyRangeMover";

    explicit SliderAccessible(QWidget *slider);
    static QAccessibleInterface *create(const QString &className, QObject *object);

    void *interface_cast(QAccessible::InterfaceType type) override;
    QVariant currentValue() const override;
    void setCurrentValue(const QVariant &value) override;
    QVariant maximumValue() const override { return 28; }
    QVariant minimumValue() const override { return 1; }
    QVariant minimumStepSize() const override { return 1; }
};

} // namespace staverly
