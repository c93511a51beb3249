// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>
#include <memory>
#include <vector>

namespace staverly {

// The languages Staverly speaks, and the translators that make it speak
// one: Qt's own, for the buttons of standard dialogs, and Staverly's, from
// the translations folder beside the pictures. A language without a
// translation leaves the texts as written, in English.
class Translations
{
public:
    struct Language
    {
        const char *code;
        // UTF-8, as the language names itself.
        const char *ownName;
    };

    // Every language offered; "en" is the texts as written.
    static const std::vector<Language> &offered();
    // Where staverly_<code>.qm lie in a program folder.
    static QString folder(const QString &programFolder);
    // The locale a stored LANGUAGE asks for; empty follows the desktop.
    static QLocale localeFor(const QString &language);

    Translations() = default;
    Translations(const Translations &) = delete;
    Translations &operator=(const Translations &) = delete;
    ~Translations();

    // Installs the translators for the locale into the running application.
    void install(const QLocale &locale, const QString &programFolder);
    // The language of Staverly's installed translation, as "de"; empty when
    // the texts stay as written.
    QString language() const { return m_language; }

private:
    std::vector<std::unique_ptr<QTranslator>> m_installed;
    QString m_language;
};

} // namespace staverly
