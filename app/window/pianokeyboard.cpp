// SPDX-License-Identifier: GPL-3.0-or-later
#include "pianokeyboard.h"

#include "accessibletexts.h"
#include "formlayout.h"
#include "mainartwork.h"
#include "namedaccessible.h"
#include "pianokey.h"
#include "notenames.h"
#include "pianokeys.h"

#include <QColor>
#include <QCoreApplication>
#include <QKeyEvent>
#include <algorithm>

namespace staverly {

PianoKeyboard::Keys PianoKeyboard::build(QWidget *parent)
{
    const QCursor cursor = MainArtwork::keyCursor();
    Keys keys{};
    for (int k = 0; k < NoteModel::Keys; ++k) {
        auto *key = new PianoKey(k, parent);
        // Named before a screen reader first asks, which fixes how it is read.
        NamedAccessible::setName(key, AccessibleTexts::key(NoteModel::keyToMidi(k, 0)));
        key->setCursor(cursor);
        const QRect r = PianoKeys::keyTwips(k).toRect();
        key->setGeometry(twips(r.x(), 3780 + r.y(), r.width(), r.height()));
        const bool black = PianoKeys::isBlack(k);
        key->setBlack(black);
        key->setBackColor(black ? QColor(0x10, 0x10, 0x10) : QColor(Qt::white));
        keys[std::size_t(k)] = key;
    }
    // Drawn over the white keys.
    for (int k = 0; k < NoteModel::Keys; ++k) {
        if (PianoKeys::isBlack(k))
            keys[std::size_t(k)]->raise();
    }
    for (int k = 1; k < NoteModel::Keys; ++k)
        QWidget::setTabOrder(keys[std::size_t(k - 1)], keys[std::size_t(k)]);
    return keys;
}

QString PianoKeyboard::middleCaption()
{
    const QString label = QCoreApplication::translate("NoteModel", "Middle %1").arg(NoteNames::current().white(0));
    QStringList lines;
    for (const QString &word : label.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!lines.isEmpty())
            lines << QString();
        for (const QChar letter : word)
            lines << QString(letter) + QLatin1Char(' ');
    }
    // The platform's line break stands for CR LF.
    return lines.join(QLatin1Char('\n')) + QLatin1Char(' ');
}

void PianoKeyboard::showClef(const Keys &keys, qint16 cleff)
{
    const int marked = cleff == 0 ? 12 : 36;
    const int plain = cleff == 0 ? 36 : 12;
    keys[std::size_t(marked)]->setBackColor(QColor(0xE0, 0xE0, 0xE0));
    keys[std::size_t(marked)]->setText(middleCaption());
    keys[std::size_t(plain)]->setBackColor(Qt::white);
    keys[std::size_t(plain)]->setText(QString());
    for (int k = 0; k < NoteModel::Keys; ++k)
        NamedAccessible::setName(keys[std::size_t(k)], AccessibleTexts::key(NoteModel::keyToMidi(k, cleff)));
}

int PianoKeyboard::moveTo(int index, const QKeyEvent &key)
{
    if (key.modifiers() & ~Qt::KeypadModifier)
        return -1;
    int to = index;
    switch (key.key()) {
    case Qt::Key_Left:
        to = index - 1;
        break;
    case Qt::Key_Right:
        to = index + 1;
        break;
    case Qt::Key_Home:
        to = 0;
        break;
    case Qt::Key_End:
        to = NoteModel::Keys - 1;
        break;
    default:
        return -1;
    }
    return std::clamp(to, 0, NoteModel::Keys - 1);
}

} // namespace staverly
