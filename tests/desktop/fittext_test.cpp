// SPDX-License-Identifier: GPL-3.0-or-later
#include "fittext.h"
#include "titledmessagebox.h"

#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <gtest/gtest.h>

using namespace staverly;

namespace {

// At least the width of the title in the window managers' title font and
// in the 14-pixel font of Qt's Wayland title bar.
int titleWidth(const QString &title)
{
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    QFont wayland = QApplication::font();
    wayland.setPixelSize(14);
    return std::max(QFontMetrics(font).horizontalAdvance(title), QFontMetrics(wayland).horizontalAdvance(title));
}

// A title bar the program draws itself (Wayland) cuts a title wider than
// the window leaves beside its icon and three buttons: "Exit Notificatio".
TEST(TitleRoom, EveryKindOfWindowIsWideEnoughForItsWholeTitle)
{
    const QString longTitle = QStringLiteral("Midi Out Open Device Error - a title longer than its box");
    const struct
    {
        const char *name;
        QString title;
        bool messageBox;
        bool fixed;
    } cases[] = {
        {"message box, short text", QStringLiteral("Exit Notification"), true, false},
        {"message box, long title", longTitle, true, false},
        {"fixed dialog", longTitle, false, true},
        {"resizable dialog", longTitle, false, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<QDialog> window;
        if (c.messageBox) {
            auto box = std::make_unique<TitledMessageBox>(QMessageBox::Question, c.title, "Quit?",
                                                          QMessageBox::Yes | QMessageBox::No);
            window = std::move(box);
        } else {
            window = std::make_unique<QDialog>();
            window->setWindowTitle(c.title);
            new QLabel(QStringLiteral("OK?"), window.get());
            if (c.fixed) {
                window->setFixedSize(160, 80);
            } else {
                window->resize(160, 80);
            }
        }
        if (!c.messageBox)
            roomForTitle(window.get());
        window->show();
        EXPECT_GE(window->width(), titleWidth(c.title) + 150);
        if (c.fixed) {
            EXPECT_EQ(window->minimumWidth(), window->maximumWidth());
        }
        // A second time changes nothing.
        const int width = window->width();
        roomForTitle(window.get());
        window->adjustSize();
        EXPECT_EQ(window->width(), width);
    }
}

TEST(Refit, AHiddenControlAtTheBottomLeavesNoEmptyBand)
{
    QDialog dialog;
    auto *top = new QLabel(QStringLiteral("Top"), &dialog);
    top->setGeometry(10, 8, 200, 40);
    auto *bottom = new QLabel(QStringLiteral("Bottom"), &dialog);
    bottom->setGeometry(10, 60, 200, 44);
    fitText(&dialog);
    const int full = dialog.height();
    EXPECT_GE(full, 104);

    for (const bool hidden : {true, false, true}) {
        bottom->setHidden(hidden);
        refit(&dialog);
        EXPECT_EQ(dialog.height(), hidden ? 48 + 10 : 104 + 10);
        EXPECT_EQ(dialog.minimumHeight(), dialog.maximumHeight());
    }
}

} // namespace
