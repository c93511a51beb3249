// SPDX-License-Identifier: GPL-3.0-or-later
// The real save dialog, as a person uses it: a name typed with or without
// its suffix is asked about in the same way before a file is replaced.
#include "audioengine.h"
#include "qtdesktop.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace staverly;

namespace {

// Types `name` into the dialog and presses Enter; answers the replace
// question with `replace`, and cancels the dialog if it is still up then.
struct Person
{
    QString name;
    QMessageBox::StandardButton replace;
    QStringList questions;
    bool typed = false;

    void act()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            questions << box->text();
            box->button(replace)->click();
            return;
        }
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        if (!dialog)
            return;
        if (typed) {
            dialog->reject();
            return;
        }
        typed = true;
        auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(edit, nullptr);
        edit->setText(name);
        // Pressed from the event loop: the question it may raise runs a loop
        // of its own, in which these hands must be free to answer.
        QMetaObject::invokeMethod(edit, [edit] { QTest::keyClick(edit, Qt::Key_Return); }, Qt::QueuedConnection);
    }
};

TEST(SaveDialog, ANameWithoutItsSuffixIsAskedAboutLikeOneWithIt)
{
    QTemporaryDir dir;
    const QString existing = QDir(dir.path()).filePath(QStringLiteral("x.htm"));
    QFile old(existing);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("last week's test");
    old.close();
    AudioEngine audio;
    QtDesktop desktop(audio);
    const std::vector<std::tuple<QString, QMessageBox::StandardButton, QString>> cases{
        {"x", QMessageBox::No, QString()},
        {"x.htm", QMessageBox::No, QString()},
        {"x", QMessageBox::Yes, existing},
        {"y", QMessageBox::No, QDir(dir.path()).filePath(QStringLiteral("y.htm"))},
    };
    for (const auto &[typed, answer, chosen] : cases) {
        Person person{typed, answer, {}};
        QTimer hands;
        QObject::connect(&hands, &QTimer::timeout, [&] { person.act(); });
        hands.start(20);
        EXPECT_EQ(desktop.saveFileName(nullptr, QStringLiteral("Save Note Test As..."), dir.path(),
                                       QStringLiteral("html(*.htm)"), QStringLiteral("htm")),
                  chosen)
            << typed.toStdString();
        const int asked = typed == QLatin1String("y") ? 0 : 1;
        ASSERT_EQ(person.questions.size(), asked) << typed.toStdString();
        if (asked) {
            EXPECT_TRUE(person.questions.front().startsWith("x.htm already exists."))
                << person.questions.front().toStdString();
        }
    }
    QFile kept(existing);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "last week's test");
}

} // namespace
