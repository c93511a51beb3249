// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessiblefactories.h"

#include "announcer.h"
#include "namedaccessible.h"
#include "slideraccessible.h"

#include <QAccessible>
#include <QLoggingCategory>
#include <mutex>

namespace staverly {

// The range sliders are read as sliders, whichever plugin draws them; the
// keys, the staff and the progress bar by names that change quietly, and the
// announcer as a status bar.
void AccessibleFactories::install()
{
    static std::once_flag installed;
    std::call_once(installed, [] {
        // The last installed is asked first.
        QAccessible::installFactory(&NamedAccessible::create);
        QAccessible::installFactory(&Announcer::accessibleFor);
        QAccessible::installFactory(&SliderAccessible::create);
        // The bar offers no value, so that it is read by its question, and
        // the bridge would warn of that at every question.
        QLoggingCategory::setFilterRules(QStringLiteral("qt.accessibility.atspi.warning=false"));
    });
}

} // namespace staverly
