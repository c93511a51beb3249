// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>

namespace staverly::host {

// A number that does not fit the type it is converted to.
class OverflowError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

} // namespace staverly::host
