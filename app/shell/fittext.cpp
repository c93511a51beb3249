#include "fittext.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>

namespace staverly {

namespace {

void growToChildren(QWidget *widget)
{
    QRect wanted = widget->rect();
    for (QObject *object : widget->children()) {
        auto *child = qobject_cast<QWidget *>(object);
        if (child && !child->isWindow())
            wanted = wanted.united(child->geometry().adjusted(0, 0, 6, 4));
    }
    if (wanted.size() != widget->size()) {
        widget->setMinimumSize(0, 0);
        widget->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        widget->resize(wanted.size());
    }
}

void fitChildren(QWidget *parent)
{
    for (QObject *object : parent->children()) {
        auto *child = qobject_cast<QWidget *>(object);
        if (!child || child->isWindow())
            continue;
        const bool captioned = qobject_cast<QAbstractButton *>(child)
                               || (qobject_cast<QLabel *>(child)
                                   && !qobject_cast<QLabel *>(child)->text().isEmpty());
        if (captioned && child->sizeHint().width() > child->width())
            child->resize(child->sizeHint().width(), child->height());
        fitChildren(child);
        if (qobject_cast<QGroupBox *>(child))
            growToChildren(child);
    }
}

} // namespace

void fitText(QWidget *root)
{
    fitChildren(root);
    growToChildren(root);
    if (root->isWindow())
        root->setFixedSize(root->size());
}

} // namespace staverly
