// SPDX-License-Identifier: GPL-3.0-or-later
#include "translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

namespace staverly {

const std::vector<Translations::Language> &Translations::offered()
{
    static const std::vector<Language> languages{
        {"de", "Deutsch"},  {"en", "English"},  {"es", "Español"},
        {"fr", "Français"}, {"it", "Italiano"}, {"pt_BR", "Português (Brasil)"}};
    return languages;
}

QString Translations::folder(const QString &programFolder)
{
    return QDir(programFolder).filePath(QStringLiteral("translations"));
}

QLocale Translations::localeFor(const QString &language)
{
    return language.isEmpty() ? QLocale::system() : QLocale(language);
}

Translations::~Translations()
{
    for (const auto &translator : m_installed)
        QCoreApplication::removeTranslator(translator.get());
}

void Translations::install(const QLocale &locale, const QString &programFolder)
{
    // Installed even while empty: installTranslator() then says false, yet
    // holds it, and its entries count as soon as they are translated.
    const auto add = [this](std::unique_ptr<QTranslator> translator) {
        QCoreApplication::installTranslator(translator.get());
        m_installed.push_back(std::move(translator));
    };
    // English is written into the program: its own file would not be asked for.
    if (locale.language() == QLocale::English)
        return;
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        add(std::move(qt));
    auto own = std::make_unique<QTranslator>();
    if (own->load(locale, QStringLiteral("staverly"), QStringLiteral("_"), folder(programFolder))) {
        m_language = own->language();
        add(std::move(own));
    }
}

} // namespace staverly
