// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

class QObject;
class QWidget;

namespace staverly::host {

class WidgetFactory;

// The program's side of control hosting: finds the control libraries in one
// folder, creates controls by class identifier and talks to them late bound,
// by property and event name. Failures come back as text for the caller to
// show; the caller goes on without the control.
class ControlHost
{
public:
    // The "controls" folder beside the program.
    static QString defaultFolder();

    explicit ControlHost(QString folder = defaultFolder());

    QString folder() const { return m_folder; }

    // Every identifier the libraries in the folder make. Loads them on first use.
    QStringList identifiers();
    // One line for each file in the folder that could not be used.
    QStringList problems();

    // A new control, or nullptr with the reason in *error. Identifiers are
    // matched without regard to case.
    QWidget *create(const QString &identifier, QWidget *parent, QString *error = nullptr);

    // Sets a property the control's class declares (never a dynamic one).
    // 16-bit properties refuse values that do not fit.
    static bool setProperty(QObject *control, const char *name, const QVariant &value,
                            QString *error = nullptr);
    // Invalid with the reason in *error for a property the class does not declare.
    static QVariant property(const QObject *control, const char *name, QString *error = nullptr);
    // Connects the control's signal named `event` to the receiver's slot or
    // invokable method named `handler`, delivered synchronously.
    static bool connectEvent(QObject *control, const char *event, QObject *receiver,
                             const char *handler, QString *error = nullptr);

private:
    struct Entry
    {
        QString identifier;
        QString library;
        WidgetFactory *factory = nullptr;
    };

    void scan();
    QString missing(const QString &identifier) const;

    QString m_folder;
    bool m_scanned = false;
    bool m_folderExists = false;
    QHash<QString, Entry> m_entries; // by lower-case identifier
    QStringList m_order;
    QStringList m_problems;
};

} // namespace staverly::host
