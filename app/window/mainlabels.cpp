// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainlabels.h"

#include "focuslabel.h"
#include "formlayout.h"
#include "lessonengine.h"
#include "mainartwork.h"
#include "noticeboard.h"
#include "playerlist.h"

#include <QLabel>
#include <QPushButton>

namespace staverly {

namespace {

QFont fontOf(const QStringList &families, int pixelSize)
{
    QFont f;
    f.setFamilies(families);
    f.setPixelSize(pixelSize);
    f.setBold(true);
    return f;
}

} // namespace

QLabel *MainLabels::counter(QWidget *parent, const char *name, int top)
{
    auto *label = new FocusLabel(QStringLiteral("0"), parent);
    label->setObjectName(QString::fromLatin1(name));
    // Wide enough for "100": the numbers must never be cut off.
    label->setGeometry(px(1550), px(top), 42, px(435));
    label->setFont(fontOf({QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue")}, 20));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Reached by Tab, for a screen reader to read: the focus shows.
    label->setStyleSheet(QStringLiteral("QLabel { color: #80FF80; background: transparent; }"
                                        "QLabel:focus { border: 1px dotted #80FF80; }"));
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

QLabel *MainLabels::playerName(QWidget *parent, LessonEngine &lesson)
{
    auto *label = new QLabel(tr("Player *.*"), parent);
    label->setObjectName(QStringLiteral("nameLbl"));
    label->setGeometry(twips(450, 2355, 1260, 390));
    label->setToolTip(tr("Click here to change current player."));
    // A name is shown as typed, never read as markup.
    label->setTextFormat(Qt::PlainText);
    label->setFont(fontOf({QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue")}, 15));
    label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    label->setCursor(Qt::PointingHandCursor);
    QObject::connect(&lesson, &LessonEngine::playerConfirmed, label,
                     [label](const QString &name) { label->setText(PlayerList::shortLabel(name)); });
    return label;
}

QLabel *MainLabels::message(QWidget *parent)
{
    auto *label = new FocusLabel(tr("Click on the New button..."), parent);
    label->setObjectName(QStringLiteral("msglbl"));
    label->setGeometry(twips(100, 2880, 1900, 660));
    label->setFont(fontOf({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")}, 12));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    // The MIDI meter overlaps the label's top edge; the text starts below it.
    label->setContentsMargins(0, px(2775 + 195) - px(2880), 0, 0);
    return label;
}

QLabel *MainLabels::notice(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QStringLiteral("noticeLbl"));
    // Above the counters: clear of the staff, the message line and the keys.
    label->setGeometry(4, 8, 159, 22);
    label->setFont(fontOf({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}, 9));
    label->setStyleSheet(QStringLiteral("color: #FFD98A; background: transparent;"));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setWordWrap(true);
    label->hide();
    return label;
}

void MainLabels::showNotices(QLabel *notice, const NoticeBoard &board)
{
    notice->setText(board.brief());
    notice->setToolTip(board.texts().join(QLatin1Char('\n')));
    notice->setVisible(!board.notices().empty());
}

QPushButton *MainLabels::button(QWidget *parent, const char *name, const char *icon, int left, const QString &tip)
{
    auto *b = new QPushButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    // Below the two lines of the message, clear of the high slider.
    b->setGeometry(px(left), px(3375), px(650), px(3670 - 3375));
    b->setIcon(MainArtwork::buttonIcon(QString::fromLatin1(icon)));
    b->setIconSize(QSize(16, 16));
    b->setToolTip(tip);
    b->setFocusPolicy(Qt::TabFocus);
    // Return presses the focused one, as Space is the clue.
    b->setAccessibleDescription(tip);
    b->setAutoDefault(true);
    return b;
}

} // namespace staverly
