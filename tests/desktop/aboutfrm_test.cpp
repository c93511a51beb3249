// SPDX-License-Identifier: GPL-3.0-or-later
#include "aboutfrm.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTimer>
#include <gtest/gtest.h>

using namespace staverly;

TEST(AboutWindow, BorderlessWhiteWithItsDateLineAndClosesItselfAfterTwoSeconds)
{
    aboutFrm about;
    EXPECT_TRUE(about.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(about.size(), QSize(410, 287));
    EXPECT_EQ(about.palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(about.cursor().shape(), Qt::WaitCursor);
    EXPECT_EQ(about.Label1->text(), "Last Updated 8/7/2000");
    EXPECT_EQ(about.Label1->palette().color(QPalette::WindowText), QColor(0, 0, 0xC0));

    QSignalSpy accepted(&about, &QDialog::accepted);
    about.show();
    EXPECT_TRUE(about.Timer1->isActive());
    EXPECT_TRUE(about.Timer1->isSingleShot());
    EXPECT_EQ(about.Timer1->interval(), 2000);
    // The timer's own signal is what closes it; no button is needed.
    QMetaObject::invokeMethod(about.Timer1, "timeout", Qt::DirectConnection);
    EXPECT_EQ(accepted.count(), 1);
    EXPECT_FALSE(about.isVisible());
    EXPECT_FALSE(about.Timer1->isActive());
}
