// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>

namespace staverly::host {

// A value that is not a number where one is needed.
class TypeMismatchError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

} // namespace staverly::host
