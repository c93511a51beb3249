#include "feedbackwords.h"

namespace staverly {

void FeedbackWords::load()
{
    static const std::array<const char *, 20> praise{
        "Wonderful", "Terrific",   "Excellent", "Spectacular", "Fantastic",
        "Stupendous", "Brilliant", "Great",     "Good",        "Alright",
        "The best!", "Your Cool!", "Wow!",      "Smart Kid!",  "Amazing!",
        "Genious!",  "Your a Virtuolo!", "Your Hot!", "Perfect!", "Great!"};
    static const std::array<const char *, 20> failure{
        "Bad",        "Negative", "Incorrect",  "Wrong",    "False",
        "Mistake",    "No",       "-1",         "Wake up!", "Come on!",
        "Try Harder!", "Think!",  "Next Time!", "No Good!", "Almost!",
        "Come on!",   "Keep Trying!", "Waiting...", "Boo!", "!!!!!"};
    for (std::size_t i = 0; i < 20; ++i) {
        praise_words[i] = QString::fromLatin1(praise[i]);
        failure_words[i] = QString::fromLatin1(failure[i]);
    }
}

} // namespace staverly
