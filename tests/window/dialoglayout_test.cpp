// The dialogs are placed control by control: in this desktop's fonts every
// caption must still show whole, with no control covering another.
#include "mainwindowfixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

using namespace staverly;
using test::MainWindowFixture;

namespace {

struct OpenedBy
{
    const char *dialog;
    QAction *frmMain::*item;
};

class DialogLayout : public MainWindowFixture, public ::testing::WithParamInterface<OpenedBy>
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        store(keys::StartUp, "False");
    }
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

// Every pair of shown controls side by side in one parent that overlap, and
// every captioned control narrower than its text.
void collectFaults(const QWidget *parent, QStringList &faults)
{
    QList<const QWidget *> shown;
    for (const QObject *object : parent->children()) {
        auto *w = qobject_cast<const QWidget *>(object);
        if (w && !w->isWindow() && w->isVisibleTo(parent))
            shown.append(w);
    }
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const QWidget *a = shown[i];
        if (captioned(a) && a->width() < a->sizeHint().width())
            faults << QStringLiteral("%1 is %2 wide for a text of %3").arg(nameOf(a)).arg(a->width()).arg(a->sizeHint().width());
        for (qsizetype j = i + 1; j < shown.size(); ++j) {
            // A pixel or two of margin under a neighbour hides nothing.
            const QRect both = drawn(a).intersected(drawn(shown[j]));
            if (both.width() > 2 && both.height() > 2)
                faults << QStringLiteral("%1 (%2) covers %3 (%4)")
                              .arg(nameOf(a), placeOf(drawn(a)), nameOf(shown[j]), placeOf(drawn(shown[j])));
        }
        if (!parent->rect().contains(a->geometry()))
            faults << nameOf(a) + QStringLiteral(" reaches outside ") + nameOf(parent);
        collectFaults(a, faults);
    }
}

TEST_P(DialogLayout, CaptionsShowWholeAndNoControlCoversAnother)
{
    start();
    QStringList faults;
    bool opened = false;
    desktop.onModal(GetParam().dialog, [&](QDialog &dialog) {
        opened = true;
        collectFaults(&dialog, faults);
        dialog.reject();
    });
    (w().*GetParam().item)->trigger();
    ASSERT_TRUE(opened);
    EXPECT_TRUE(faults.isEmpty()) << faults.join(QStringLiteral("; ")).toStdString();
}

// Below its lowest shown control a dialog keeps a margin, not an empty band.
TEST_P(DialogLayout, NoEmptyBandBelowTheLowestControl)
{
    start();
    int band = -1;
    int margin = -1;
    desktop.onModal(GetParam().dialog, [&](QDialog &dialog) {
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
    (w().*GetParam().item)->trigger();
    EXPECT_GE(band, 0);
    EXPECT_LE(band, margin + 12) << GetParam().dialog;
}

INSTANTIATE_TEST_SUITE_P(Dialogs, DialogLayout,
                         ::testing::Values(OpenedBy{"setupFrm", &frmMain::setupItem},
                                           OpenedBy{"midiFrm", &frmMain::midiItem},
                                           OpenedBy{"playerFrm", &frmMain::playItem},
                                           OpenedBy{"gradesFrm", &frmMain::gradesItem},
                                           OpenedBy{"testFrm", &frmMain::testItem}),
                         [](const auto &info) { return std::string(info.param.dialog); });

} // namespace
