// SPDX-License-Identifier: GPL-3.0-or-later
#include "feedbackwords.h"

#include <QCoreApplication>

namespace staverly {

void FeedbackWords::load()
{
    static const std::array<const char *, 20> praise{
        QT_TRANSLATE_NOOP("FeedbackWords", "Wonderful"), QT_TRANSLATE_NOOP("FeedbackWords", "Terrific"),
        QT_TRANSLATE_NOOP("FeedbackWords", "Excellent"), QT_TRANSLATE_NOOP("FeedbackWords", "Spectacular"),
        QT_TRANSLATE_NOOP("FeedbackWords", "Fantastic"), QT_TRANSLATE_NOOP("FeedbackWords", "Stupendous"),
        QT_TRANSLATE_NOOP("FeedbackWords", "Brilliant"), QT_TRANSLATE_NOOP("FeedbackWords", "Great"),
        QT_TRANSLATE_NOOP("FeedbackWords", "Good"), QT_TRANSLATE_NOOP("FeedbackWords", "Alright"),
        QT_TRANSLATE_NOOP("FeedbackWords", "The best!"), QT_TRANSLATE_NOOP("FeedbackWords", "Your Cool!"),
        QT_TRANSLATE_NOOP("FeedbackWords", "Wow!"), QT_TRANSLATE_NOOP("FeedbackWords", "Smart Kid!"),
        QT_TRANSLATE_NOOP("FeedbackWords", "Amazing!"), QT_TRANSLATE_NOOP("FeedbackWords", "Genious!"),
        QT_TRANSLATE_NOOP("FeedbackWords", "Your a Virtuolo!"), QT_TRANSLATE_NOOP("FeedbackWords", "Your Hot!"),
        QT_TRANSLATE_NOOP("FeedbackWords", "Perfect!"), QT_TRANSLATE_NOOP("FeedbackWords", "Great!")};
    static const std::array<const char *, 20> failure{
        QT_TRANSLATE_NOOP("FeedbackWords", "Bad"), QT_TRANSLATE_NOOP("FeedbackWords", "Negative"),
        QT_TRANSLATE_NOOP("FeedbackWords", "Incorrect"), QT_TRANSLATE_NOOP("FeedbackWords", "Wrong"),
        QT_TRANSLATE_NOOP("FeedbackWords", "False"), QT_TRANSLATE_NOOP("FeedbackWords", "Mistake"),
        QT_TRANSLATE_NOOP("FeedbackWords", "No"), QT_TRANSLATE_NOOP("FeedbackWords", "-1"),
        QT_TRANSLATE_NOOP("FeedbackWords", "Wake up!"), QT_TRANSLATE_NOOP("FeedbackWords", "Come on!"),
        QT_TRANSLATE_NOOP("FeedbackWords", "Try Harder!"), QT_TRANSLATE_NOOP("FeedbackWords", "Think!"),
        QT_TRANSLATE_NOOP("FeedbackWords", "Next Time!"), QT_TRANSLATE_NOOP("FeedbackWords", "No Good!"),
        QT_TRANSLATE_NOOP("FeedbackWords", "Almost!"), QT_TRANSLATE_NOOP("FeedbackWords", "Come on!"),
        QT_TRANSLATE_NOOP("FeedbackWords", "Keep Trying!"), QT_TRANSLATE_NOOP("FeedbackWords", "Waiting..."),
        QT_TRANSLATE_NOOP("FeedbackWords", "Boo!"), QT_TRANSLATE_NOOP("FeedbackWords", "!!!!!")};
    for (std::size_t i = 0; i < 20; ++i) {
        praise_words[i] = QCoreApplication::translate("FeedbackWords", praise[i]);
        failure_words[i] = QCoreApplication::translate("FeedbackWords", failure[i]);
    }
}

} // namespace staverly
