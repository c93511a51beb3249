// SPDX-License-Identifier: GPL-3.0-or-later
// The translations built beside the program, as the program finds them.
#include "programlayout.h"
#include "translations.h"

#include <QDir>
#include <QTranslator>
#include <gtest/gtest.h>

using namespace staverly;

namespace {

TEST(Translations, EveryLanguageOfferedLoadsFromTheProgramFolder)
{
    const QString folder = Translations::folder(ProgramLayout::current().programFolder());
    const QStringList built = QDir(folder).entryList({QStringLiteral("*.qm")}, QDir::Files, QDir::Name);
    const QStringList expected{"staverly_de.qm", "staverly_es.qm", "staverly_fr.qm", "staverly_it.qm",
                               "staverly_pt_BR.qm"};
    EXPECT_EQ(built, expected);
    QStringList offered;
    for (const Translations::Language &language : Translations::offered()) {
        const QString code = QString::fromLatin1(language.code);
        offered << code;
        // English is the texts as written.
        if (code == QLatin1String("en"))
            continue;
        QTranslator translator;
        EXPECT_TRUE(translator.load(QStringLiteral("staverly_") + code, folder)) << code.toStdString();
        EXPECT_EQ(translator.language(), code);
    }
    EXPECT_EQ(offered, (QStringList{"de", "en", "es", "fr", "it", "pt_BR"}));
}

} // namespace
