// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>

namespace staverly {

// The twenty praise words shown with a right answer and the twenty failure
// words shown with a wrong one.
struct FeedbackWords
{
    std::array<QString, 20> praise_words;
    std::array<QString, 20> failure_words;

    void load();
};

} // namespace staverly
