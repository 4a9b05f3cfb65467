#pragma once

#include <QColor>

namespace kelvo::gui
{

// The program's background colour.
inline const QColor kSkyBlue{166, 202, 240};

} // namespace kelvo::gui
