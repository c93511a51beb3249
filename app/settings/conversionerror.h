// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>

namespace staverly {

// A stored text that does not fit its key's type.
class ConversionError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The text is not a number or switch word at all ("abc", "").
class TypeMismatch : public ConversionError
{
public:
    using ConversionError::ConversionError;
};

// The text is a number, but outside the 16-bit range.
class Overflow : public ConversionError
{
public:
    using ConversionError::ConversionError;
};

} // namespace staverly
