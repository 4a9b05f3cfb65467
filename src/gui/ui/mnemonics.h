#pragma once

#include <QStringList>

namespace kelvo::gui
{

// The same captions with an "&" before the first letter of each that no caption before it has
// taken, so that every menu of a bar (or item of a menu) opens with its own Alt key; a caption
// without a free letter gets none. Existing "&" are doubled so that they stay visible.
QStringList withMnemonics(const QStringList& captions);

} // namespace kelvo::gui
