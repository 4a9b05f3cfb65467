#pragma once

#include <QString>
#include <functional>

namespace kelvo
{
class Workspace;
}

namespace kelvo::gui
{

// Why a window may not write its output at `path` (a file of the data folder), in `language`;
// empty when it may.
QString refusedOutput(const Workspace& workspace, const QString& path, int language);

// The same as a function, for windows that know no workspace.
using OutputCheck = std::function<QString(const QString& path)>;
OutputCheck outputCheckOf(const Workspace& workspace, int language);

} // namespace kelvo::gui
