// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace staverly {

// The help page in the program's language when it has been written in it
// (staverly_help.de.htm, staverly_help.pt_BR.htm), else the English one.
class HelpDocument
{
public:
    // language: "de", "pt_BR", "fr_CA"...; a region falls back to the language.
    static QString path(const QString &programFolder, const QString &language);
};

} // namespace staverly
