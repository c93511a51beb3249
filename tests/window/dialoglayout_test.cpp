// SPDX-License-Identifier: GPL-3.0-or-later
// Every window in every language, on the screen the run is for (96 dpi, and
// 120 dpi in its own run): each caption shows whole, and where controls are
// placed one by one no control covers another.
#include "mainwindowfixture.h"

#include "notenames.h"
#include "programlayout.h"
#include "translations.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

using namespace staverly;
using test::MainWindowFixture;

namespace {

struct Window
{
    const char *name;
    // What opens it; none for the main window itself.
    QAction *frmMain::*item;
    // The main window's controls lie over one another by design (the keys,
    // the click area over the counters): there only captions are checked.
    bool apart;
};

const Window windows[] = {{"frmMain", nullptr, false},
                          {"setupFrm", &frmMain::setupItem, true},
                          {"midiFrm", &frmMain::midiItem, true},
                          {"playerFrm", &frmMain::playItem, true},
                          {"gradesFrm", &frmMain::gradesItem, true},
                          {"testFrm", &frmMain::testItem, true},
                          {"progressFrm", &frmMain::progressItem, true}};

std::vector<const char *> languages()
{
    std::vector<const char *> codes;
    for (const Translations::Language &language : Translations::offered())
        codes.push_back(language.code);
    return codes;
}

using Param = std::tuple<Window, const char *>;

class DialogLayout : public MainWindowFixture, public ::testing::WithParamInterface<Param>
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        store(keys::StartUp, "False");
        const QString language = QString::fromLatin1(std::get<1>(GetParam()));
        // The note names follow the language, as at a pupil's start.
        store(keys::Language, language);
        translations.install(Translations::localeFor(language), ProgramLayout::current().programFolder());
    }
    Translations translations;
};

QString nameOf(const QWidget *w)
{
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
}

bool captioned(const QWidget *w)
{
    if (qobject_cast<const QAbstractButton *>(w))
        return !static_cast<const QAbstractButton *>(w)->text().isEmpty();
    if (auto *label = qobject_cast<const QLabel *>(w))
        return !label->text().isEmpty();
    return false;
}

// A label that wraps its text needs the height of its lines, and room
// for its longest word.
QString wrapFault(const QLabel *label)
{
    const QRect room = label->contentsRect();
    const QRect needs =
        label->fontMetrics().boundingRect(room, int(label->alignment()) | Qt::TextWordWrap, label->text());
    if (needs.width() <= room.width() && needs.height() <= room.height())
        return {};
    return QStringLiteral("%1 is %2x%3 for \"%4\", which needs %5x%6")
        .arg(nameOf(label))
        .arg(room.width())
        .arg(room.height())
        .arg(label->text())
        .arg(needs.width())
        .arg(needs.height());
}

QString captionFault(const QWidget *w)
{
    if (auto *label = qobject_cast<const QLabel *>(w); label && label->wordWrap())
        return label->text().isEmpty() ? QString() : wrapFault(label);
    // A frame's title is cut where the frame is narrower.
    const int needs = qobject_cast<const QGroupBox *>(w) ? w->minimumSizeHint().width()
                      : captioned(w)                     ? w->sizeHint().width()
                                                         : 0;
    if (w->width() >= needs)
        return {};
    return QStringLiteral("%1 is %2 wide for a text of %3").arg(nameOf(w)).arg(w->width()).arg(needs);
}

// What a control draws on: check boxes, option buttons and labels centre
// their text in a taller box, whose empty rows may lie under a neighbour.
QRect drawn(const QWidget *w)
{
    const QRect box = w->geometry();
    if (qobject_cast<const QPushButton *>(w) || !captioned(w) || w->sizeHint().height() >= box.height())
        return box;
    const int spare = box.height() - w->sizeHint().height();
    return box.adjusted(0, spare / 2, 0, -(spare - spare / 2));
}

QString placeOf(const QRect &r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// Every captioned control too small for its text, and with `apart`, every
// pair of shown controls side by side in one parent that overlap.
void collectFaults(const QWidget *parent, bool apart, QStringList &faults)
{
    QList<const QWidget *> shown;
    for (const QObject *object : parent->children()) {
        auto *w = qobject_cast<const QWidget *>(object);
        if (w && !w->isWindow() && w->isVisibleTo(parent))
            shown.append(w);
    }
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const QWidget *a = shown[i];
        if (const QString fault = captionFault(a); !fault.isEmpty())
            faults << fault;
        for (qsizetype j = i + 1; apart && j < shown.size(); ++j) {
            // A pixel or two of margin under a neighbour hides nothing.
            const QRect both = drawn(a).intersected(drawn(shown[j]));
            if (both.width() > 2 && both.height() > 2)
                faults << QStringLiteral("%1 (%2) covers %3 (%4)")
                              .arg(nameOf(a), placeOf(drawn(a)), nameOf(shown[j]), placeOf(drawn(shown[j])));
        }
        if (!parent->rect().contains(a->geometry()))
            faults << nameOf(a) + QStringLiteral(" reaches outside ") + nameOf(parent);
        collectFaults(a, apart, faults);
    }
}

// Everything the lesson writes on the main window's message line.
QStringList lessonMessages(const LessonEngine &lesson)
{
    QStringList texts{LessonEngine::tr("Click New to start!"), LessonEngine::tr("Click on the New button..."),
                      LessonEngine::tr("Over Time!"), QStringLiteral("300 ) - ?")};
    for (const QString &word : lesson.words.praise_words) {
        for (int pitch = 0; pitch < 12; ++pitch)
            texts << NoteNames::current().pitchClass(pitch) + QLatin1Char('\n') + word;
    }
    for (const QString &word : lesson.words.failure_words) {
        texts << LessonEngine::tr("Too Low") + QLatin1Char('\n') + word;
        texts << LessonEngine::tr("Too High") + QLatin1Char('\n') + word;
    }
    return texts;
}

TEST_P(DialogLayout, CaptionsShowWholeAndNoControlCoversAnother)
{
    const Window &window = std::get<0>(GetParam());
    start();
    QStringList faults;
    if (!window.item) {
        collectFaults(w().centralWidget(), window.apart, faults);
        for (const QString &text : lessonMessages(w().lesson)) {
            w().msglbl->setText(text);
            if (const QString fault = wrapFault(w().msglbl); !fault.isEmpty())
                faults << fault;
        }
    } else {
        bool opened = false;
        desktop.onModal(window.name, [&](QDialog &dialog) {
            opened = true;
            collectFaults(&dialog, window.apart, faults);
            dialog.reject();
        });
        (w().*window.item)->trigger();
        ASSERT_TRUE(opened);
    }
    faults.removeDuplicates();
    EXPECT_TRUE(faults.isEmpty()) << faults.join(QStringLiteral("; ")).toStdString();
}

// Below its lowest shown control a dialog keeps a margin, not an empty band.
class DialogBand : public DialogLayout
{
};

TEST_P(DialogBand, NoEmptyBandBelowTheLowestControl)
{
    const Window &window = std::get<0>(GetParam());
    start();
    int band = -1;
    int margin = -1;
    desktop.onModal(window.name, [&](QDialog &dialog) {
        int bottom = 0;
        margin = dialog.width();
        for (const QObject *object : dialog.children()) {
            auto *control = qobject_cast<const QWidget *>(object);
            if (!control || control->isWindow() || !control->isVisibleTo(&dialog))
                continue;
            // An empty label draws nothing: the room it takes is a band.
            auto *label = qobject_cast<const QLabel *>(control);
            if (label && label->text().isEmpty() && label->pixmap().isNull())
                continue;
            bottom = std::max(bottom, control->geometry().bottom() + 1);
            margin = std::min(margin, control->x());
        }
        band = dialog.height() - bottom;
        dialog.reject();
    });
    (w().*window.item)->trigger();
    EXPECT_GE(band, 0);
    EXPECT_LE(band, margin + 12) << window.name;
}

INSTANTIATE_TEST_SUITE_P(Dialogs, DialogLayout, ::testing::Combine(::testing::ValuesIn(windows),
                                                                   ::testing::ValuesIn(languages())),
                         [](const auto &info) {
                             return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param);
                         });

// The main window is laid out by its own rules: only the dialogs here.
INSTANTIATE_TEST_SUITE_P(Dialogs, DialogBand, ::testing::Combine(::testing::ValuesIn(windows + 1, std::end(windows)),
                                                                 ::testing::ValuesIn(languages())),
                         [](const auto &info) {
                             return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param);
                         });

} // namespace
