#include "gui/drawing/metafile_problem.h"

namespace kelvo::gui
{

QString describe(MetafileProblem problem)
{
    switch (problem) {
    case MetafileProblem::None:
        return {};
    case MetafileProblem::Unreadable:
        return QStringLiteral("The drawing file cannot be read.");
    case MetafileProblem::TooLarge:
        return QStringLiteral("The drawing file is larger than 16 MiB.");
    case MetafileProblem::Malformed:
        return QStringLiteral("The drawing file is damaged.");
    case MetafileProblem::Blank:
        return QStringLiteral("The drawing is blank.");
    case MetafileProblem::OutOfShape:
        return QStringLiteral("The drawing is more than 100 times as wide as high, or as high "
                              "as wide.");
    case MetafileProblem::OutOfRange:
        return QStringLiteral("The drawing reaches beyond the coordinates of a metafile.");
    }
    return {};
}

} // namespace kelvo::gui
