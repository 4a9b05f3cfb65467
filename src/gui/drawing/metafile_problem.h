#pragma once

#include <QString>

namespace kelvo::gui
{

// Why a metafile gives no picture.
enum class MetafileProblem {
    None,       // the picture holds a drawing
    Unreadable, // missing, a folder or not readable
    TooLarge,   // larger than the renderer reads
    Malformed,  // a header or record does not hold together
    Blank,      // it draws nothing, or nothing of any size
    OutOfShape, // its box is more than 100 times as wide as high, or as high as wide
    OutOfRange, // its box reaches beyond the coordinates a metafile can hold
};

// The reason in a short English sentence, for logs and tool tips; empty for None.
QString describe(MetafileProblem problem);

} // namespace kelvo::gui
