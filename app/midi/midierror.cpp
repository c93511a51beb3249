#include "midierror.h"

namespace staverly {

MidiError::MidiError(Code code, const QString &description)
    : std::runtime_error(description.toLocal8Bit().toStdString())
    , m_code(code)
    , m_description(description)
{
}

} // namespace staverly
