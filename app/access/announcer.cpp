// SPDX-License-Identifier: GPL-3.0-or-later
#include "announcer.h"

#include <QAccessibleWidget>

namespace staverly {

namespace {

class NoticeAccessible : public QAccessibleWidget
{
public:
    explicit NoticeAccessible(QWidget *notice)
        : QAccessibleWidget(notice, QAccessible::Notification)
    {
    }

    // Read from the property: a notification is never focused, so its name
    // change, told before it shows, is only for the screen reader's cache.
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return widget()->property(Announcer::Text).toString();
        return QAccessibleWidget::text(t);
    }
};

} // namespace

Announcer::Announcer(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("announcer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
    for (QWidget *&notice : m_notices) {
        notice = new QWidget(this);
        notice->setAttribute(Qt::WA_TransparentForMouseEvents);
        notice->setFocusPolicy(Qt::NoFocus);
        notice->setGeometry(0, 0, 1, 1);
        notice->setProperty(Text, QString());
        notice->hide();
    }
}

void Announcer::say(const QString &text)
{
    if (text.isEmpty())
        return;
    // One shows at a time: the last said.
    m_notices[(m_next + m_notices.size() - 1) % m_notices.size()]->hide();
    QWidget *notice = m_notices[m_next];
    m_next = (m_next + 1) % m_notices.size();
    notice->hide();
    notice->setProperty(Text, text);
    QAccessibleEvent renamed(notice, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    // Showing is what the screen reader hears.
    notice->show();
    m_last = text;
    emit said(text);
}

QAccessibleInterface *Announcer::accessibleFor(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (qobject_cast<Announcer *>(widget))
        return new QAccessibleWidget(widget, QAccessible::StatusBar);
    if (qobject_cast<Announcer *>(widget->parentWidget()))
        return new NoticeAccessible(widget);
    return nullptr;
}

} // namespace staverly
