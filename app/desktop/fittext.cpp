// SPDX-License-Identifier: GPL-3.0-or-later
#include "fittext.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

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

bool sameRow(const QRect &a, const QRect &b)
{
    return a.top() <= b.bottom() && a.bottom() >= b.top();
}

void makeRoom(QWidget *parent, QWidget *grown, int formerRight);

// Moves a control right, and with it those lined up on its left edge, so a
// column of frames stays a column.
void moveRight(QWidget *parent, QWidget *moved, int left)
{
    const int formerLeft = moved->x();
    for (QObject *object : parent->children()) {
        auto *other = qobject_cast<QWidget *>(object);
        if (!other || other->isWindow() || (other != moved && other->x() != formerLeft))
            continue;
        const int formerRight = other->geometry().right();
        other->move(left, other->y());
        makeRoom(parent, other, formerRight);
    }
}

// A control that grew pushes the ones placed to its right on its row along,
// keeping their gap up to a few pixels, so they never cover each other.
void makeRoom(QWidget *parent, QWidget *grown, int formerRight)
{
    constexpr int MostGap = 6;
    const QRect now = grown->geometry();
    for (QObject *object : parent->children()) {
        auto *other = qobject_cast<QWidget *>(object);
        if (!other || other == grown || other->isWindow())
            continue;
        const QRect placed = other->geometry();
        if (placed.left() <= formerRight || !sameRow(placed, now))
            continue;
        const int left = now.right() + std::min(placed.left() - formerRight, MostGap);
        if (placed.left() < left)
            moveRight(parent, other, left);
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
        if (captioned && child->sizeHint().width() > child->width()) {
            const int formerRight = child->geometry().right();
            child->resize(child->sizeHint().width(), child->height());
            makeRoom(parent, child, formerRight);
        }
        fitChildren(child);
        if (auto *frame = qobject_cast<QGroupBox *>(child)) {
            const int formerRight = child->geometry().right();
            growToChildren(child);
            // Its title shows whole too.
            if (frame->width() < frame->minimumSizeHint().width())
                frame->resize(frame->minimumSizeHint().width(), frame->height());
            makeRoom(parent, child, formerRight);
        }
    }
}

// Frames that ended on one right edge end on one again, however far the
// longest caption among them pushed it.
void alignFrames(QWidget *root, const std::vector<std::pair<QGroupBox *, int>> &formerRights)
{
    constexpr int Slack = 2;
    for (const auto &[frame, right] : formerRights) {
        int edge = frame->geometry().right();
        for (const auto &[other, otherRight] : formerRights) {
            if (std::abs(otherRight - right) <= Slack)
                edge = std::max(edge, other->geometry().right());
        }
        if (edge > frame->geometry().right()) {
            const int formerRight = frame->geometry().right();
            frame->resize(edge - frame->x() + 1, frame->height());
            makeRoom(root, frame, formerRight);
        }
    }
}

} // namespace

void fitText(QWidget *root)
{
    std::vector<std::pair<QGroupBox *, int>> formerRights;
    for (QObject *object : root->children()) {
        if (auto *frame = qobject_cast<QGroupBox *>(object))
            formerRights.emplace_back(frame, frame->geometry().right());
    }
    fitChildren(root);
    alignFrames(root, formerRights);
    growToChildren(root);
    if (root->isWindow())
        root->setFixedSize(root->size());
}

void refit(QWidget *window)
{
    int bottom = 0;
    int margin = window->width();
    for (QObject *object : window->children()) {
        auto *child = qobject_cast<QWidget *>(object);
        if (!child || child->isWindow() || child->isHidden())
            continue;
        bottom = std::max(bottom, child->geometry().bottom() + 1);
        margin = std::min(margin, child->x());
    }
    if (bottom > 0)
        window->setFixedHeight(bottom + margin);
}

void roomForTitle(QWidget *window)
{
    // The icon on the left and minimise, maximise and close on the right,
    // with their margins, as the title bars of Qt's Wayland decorations and
    // of the common window managers draw them. Qt's Wayland title bar draws
    // the title larger than the window managers' title font, 14 pixels.
    constexpr int BesideTitle = 150;
    QFont titleBar = QApplication::font("QMdiSubWindowTitleBar");
    titleBar.setBold(true);
    QFont wayland = QApplication::font();
    wayland.setPixelSize(std::max(QFontInfo(wayland).pixelSize(), 14));
    wayland.setBold(true);
    const QString title = window->windowTitle();
    const int wanted = std::max(QFontMetrics(titleBar).horizontalAdvance(title),
                                QFontMetrics(wayland).horizontalAdvance(title)) + BesideTitle;
    if (window->minimumWidth() == window->maximumWidth()) {
        if (window->width() < wanted)
            window->setFixedWidth(wanted);
    } else if (window->minimumWidth() < wanted) {
        window->setMinimumWidth(wanted);
    }
}

} // namespace staverly
