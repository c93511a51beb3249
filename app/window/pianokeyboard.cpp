#include "pianokeyboard.h"

#include "accessibletexts.h"
#include "formlayout.h"
#include "mainartwork.h"
#include "pianokey.h"

#include <QColor>

namespace staverly {

PianoKeyboard::Keys PianoKeyboard::build(QWidget *parent)
{
    // The black keys' lefts are not a formula: they follow the drawn keyboard.
    static const std::array<std::pair<int, int>, 20> blackLefts{{
        {1, 180},   {3, 530},   {6, 1200},  {8, 1550},  {10, 1895}, {13, 2585}, {15, 2910},
        {18, 3580}, {20, 3930}, {22, 4280}, {25, 4920}, {27, 5280}, {30, 5950}, {32, 6310},
        {34, 6660}, {37, 7340}, {39, 7680}, {42, 8340}, {44, 8690}, {46, 9050}}};
    const QCursor cursor = MainArtwork::keyCursor();
    Keys keys{};
    int white = 0;
    for (int k = 0; k < NoteModel::Keys; ++k) {
        auto *key = new PianoKey(k, parent);
        key->setCursor(cursor);
        if (NoteModel::isBlackKey(k)) {
            key->setBlack(true);
            key->setBackColor(QColor(0x10, 0x10, 0x10));
        } else {
            key->setGeometry(twips(340 * white, 3780, 330, 2630));
            key->setBackColor(Qt::white);
            ++white;
        }
        keys[std::size_t(k)] = key;
    }
    for (const auto &[index, left] : blackLefts) {
        PianoKey *key = keys[std::size_t(index)];
        key->setGeometry(twips(left, 3780, 230, 1590));
        key->raise();
    }
    for (int k = 1; k < NoteModel::Keys; ++k)
        QWidget::setTabOrder(keys[std::size_t(k - 1)], keys[std::size_t(k)]);
    return keys;
}

void PianoKeyboard::showClef(const Keys &keys, qint16 cleff)
{
    const int marked = cleff == 0 ? 12 : 36;
    const int plain = cleff == 0 ? 36 : 12;
    keys[std::size_t(marked)]->setBackColor(QColor(0xE0, 0xE0, 0xE0));
    // One letter a line; the platform's line break stands for CR LF.
    keys[std::size_t(marked)]->setText(QStringLiteral("M \ni \nd \nd \nl \ne \n\nC  "));
    keys[std::size_t(plain)]->setBackColor(Qt::white);
    keys[std::size_t(plain)]->setText(QString());
    for (int k = 0; k < NoteModel::Keys; ++k)
        keys[std::size_t(k)]->setAccessibleName(AccessibleTexts::key(NoteModel::keyToMidi(k, cleff)));
}

} // namespace staverly
