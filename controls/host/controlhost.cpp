// SPDX-License-Identifier: GPL-3.0-or-later
#include "controlhost.h"

#include "hostcolor.h"
#include "integer16.h"
#include "widgetfactory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonObject>
#include <QLibrary>
#include <QMetaMethod>
#include <QMetaProperty>
#include <QPluginLoader>
#include <QWidget>
#include <exception>

namespace staverly::host {

namespace {

int findProperty(const QMetaObject *meta, const char *name)
{
    const int exact = meta->indexOfProperty(name);
    if (exact >= 0)
        return exact;
    // Late binding has always ignored case.
    const QLatin1String wanted(name);
    for (int i = 0; i < meta->propertyCount(); ++i) {
        if (QLatin1String(meta->property(i).name()).compare(wanted, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QMetaMethod findMethod(const QMetaObject *meta, const char *name, bool signal)
{
    const QByteArray wanted(name);
    for (int i = 0; i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        if ((method.methodType() == QMetaMethod::Signal) != signal)
            continue;
        if (method.name().compare(wanted, Qt::CaseInsensitive) == 0)
            return method;
    }
    return {};
}

QString noProperty(const QObject *control, const char *name)
{
    return QCoreApplication::translate("ControlHost", "The control class %1 has no property \"%2\".")
        .arg(QLatin1String(control->metaObject()->className()), QLatin1String(name));
}

void report(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

} // namespace

QString ControlHost::defaultFolder()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/controls");
}

ControlHost::ControlHost(QString folder)
    : m_folder(QDir::cleanPath(QDir(folder).absolutePath()))
{
}

QStringList ControlHost::identifiers()
{
    scan();
    return m_order;
}

QStringList ControlHost::problems()
{
    scan();
    return m_problems;
}

void ControlHost::scan()
{
    if (m_scanned)
        return;
    m_scanned = true;
    const QDir dir(m_folder);
    m_folderExists = dir.exists();
    if (!m_folderExists)
        return;
    const QFileInfoList files = dir.entryInfoList(QDir::Files, QDir::Name);
    for (const QFileInfo &file : files) {
        if (!QLibrary::isLibrary(file.fileName()))
            continue;
        // Relative paths would be looked up in Qt's library paths instead.
        const QString path = file.absoluteFilePath();
        QPluginLoader loader(path);
        const QJsonObject meta = loader.metaData();
        if (meta.isEmpty()) {
            m_problems.append(QCoreApplication::translate("ControlHost", "%1: not a control library (%2)")
                                  .arg(file.fileName(), loader.errorString()));
            continue;
        }
        if (meta.value(QLatin1String("IID")).toString() != QLatin1String(StaverlyWidgetFactory_iid)) {
            m_problems.append(QCoreApplication::translate("ControlHost", "%1: a plugin of another kind (%2)")
                                  .arg(file.fileName(), meta.value(QLatin1String("IID")).toString()));
            continue;
        }
        auto *factory = qobject_cast<WidgetFactory *>(loader.instance());
        if (!factory) {
            m_problems.append(QStringLiteral("%1: %2").arg(file.fileName(), loader.errorString()));
            continue;
        }
        for (const QString &identifier : factory->identifiers()) {
            const QString key = identifier.toLower();
            if (m_entries.contains(key)) {
                m_problems.append(QCoreApplication::translate("ControlHost", "%1: \"%2\" is already made by %3")
                                      .arg(file.fileName(), identifier,
                                           QFileInfo(m_entries[key].library).fileName()));
                continue;
            }
            m_entries.insert(key, Entry{identifier, path, factory});
            m_order.append(identifier);
        }
    }
}

QString ControlHost::missing(const QString &identifier) const
{
    if (!m_folderExists) {
        return QCoreApplication::translate("ControlHost", "Cannot create the control \"%1\": the control folder \"%2\" does not exist.")
            .arg(identifier, m_folder);
    }
    QString text = QCoreApplication::translate("ControlHost", "Cannot create the control \"%1\": no control library in \"%2\" makes it.")
                       .arg(identifier, m_folder);
    if (!m_problems.isEmpty())
        text += QCoreApplication::translate("ControlHost", " Files that could not be used: %1.").arg(m_problems.join(QStringLiteral("; ")));
    return text;
}

QWidget *ControlHost::create(const QString &identifier, QWidget *parent, QString *error)
{
    scan();
    const auto it = m_entries.constFind(identifier.toLower());
    if (it == m_entries.cend()) {
        report(error, missing(identifier));
        return nullptr;
    }
    QWidget *control = nullptr;
    QString reason;
    try {
        control = it->factory->create(it->identifier, parent);
    } catch (const std::exception &e) {
        reason = QStringLiteral(" (%1)").arg(QString::fromLocal8Bit(e.what()));
    }
    if (!control) {
        report(error, QCoreApplication::translate("ControlHost", "Cannot create the control \"%1\": the control library \"%2\" "
                                                                 "did not create it%3.")
                          .arg(identifier, it->library, reason));
        return nullptr;
    }
    report(error, {});
    return control;
}

bool ControlHost::setProperty(QObject *control, const char *name, const QVariant &value,
                              QString *error)
{
    if (!control) {
        report(error, QCoreApplication::translate("ControlHost", "No control to set \"%1\" on.").arg(QLatin1String(name)));
        return false;
    }
    // QObject::setProperty would quietly add a dynamic property instead.
    const int index = findProperty(control->metaObject(), name);
    if (index < 0) {
        report(error, noProperty(control, name));
        return false;
    }
    const QMetaProperty property = control->metaObject()->property(index);
    if (!property.isWritable()) {
        report(error, QCoreApplication::translate("ControlHost", "The property \"%1\" of %2 is read-only.")
                          .arg(QLatin1String(property.name()),
                               QLatin1String(control->metaObject()->className())));
        return false;
    }
    try {
        QVariant converted = value;
        // Qt would wrap an out-of-range number silently.
        if (property.metaType().id() == QMetaType::Short)
            converted = QVariant::fromValue(toInteger16(value));
        else if (property.metaType().id() == QMetaType::UInt)
            converted = QVariant::fromValue(toHostColor(value));
        if (!property.write(control, converted)) {
            report(error, QCoreApplication::translate("ControlHost", "The property \"%1\" of %2 cannot take the value %3.")
                              .arg(QLatin1String(property.name()),
                                   QLatin1String(control->metaObject()->className()),
                                   value.toString()));
            return false;
        }
    } catch (const std::exception &e) {
        report(error, QCoreApplication::translate("ControlHost", "Setting \"%1\" failed: %2")
                          .arg(QLatin1String(property.name()), QString::fromLocal8Bit(e.what())));
        return false;
    }
    report(error, {});
    return true;
}

QVariant ControlHost::property(const QObject *control, const char *name, QString *error)
{
    if (!control) {
        report(error, QCoreApplication::translate("ControlHost", "No control to read \"%1\" from.").arg(QLatin1String(name)));
        return {};
    }
    const int index = findProperty(control->metaObject(), name);
    if (index < 0) {
        report(error, noProperty(control, name));
        return {};
    }
    const QMetaProperty property = control->metaObject()->property(index);
    try {
        report(error, {});
        return property.read(control);
    } catch (const std::exception &e) {
        report(error, QCoreApplication::translate("ControlHost", "Reading \"%1\" failed: %2")
                          .arg(QLatin1String(property.name()), QString::fromLocal8Bit(e.what())));
        return {};
    }
}

bool ControlHost::connectEvent(QObject *control, const char *event, QObject *receiver,
                               const char *handler, QString *error)
{
    if (!control || !receiver) {
        report(error, QCoreApplication::translate("ControlHost", "No control or handler for the event \"%1\".").arg(QLatin1String(event)));
        return false;
    }
    const QMetaMethod signal = findMethod(control->metaObject(), event, true);
    if (!signal.isValid()) {
        report(error, QCoreApplication::translate("ControlHost", "The control class %1 has no event \"%2\".")
                          .arg(QLatin1String(control->metaObject()->className()), QLatin1String(event)));
        return false;
    }
    const QMetaMethod slot = findMethod(receiver->metaObject(), handler, false);
    if (!slot.isValid()) {
        report(error, QCoreApplication::translate("ControlHost", "%1 has no handler \"%2\".")
                          .arg(QLatin1String(receiver->metaObject()->className()), QLatin1String(handler)));
        return false;
    }
    if (!QMetaObject::checkConnectArgs(signal, slot)) {
        report(error, QCoreApplication::translate("ControlHost", "The handler %1 does not match the event %2.")
                          .arg(QLatin1String(slot.methodSignature()), QLatin1String(signal.methodSignature())));
        return false;
    }
    if (!QObject::connect(control, signal, receiver, slot, Qt::DirectConnection)) {
        report(error, QCoreApplication::translate("ControlHost", "Cannot connect the event \"%1\" to %2.")
                          .arg(QLatin1String(event), QLatin1String(slot.methodSignature())));
        return false;
    }
    report(error, {});
    return true;
}

} // namespace staverly::host
