#include "gui/ui/output_guard.h"

#include <QFile>

#include "core/app/own_texts.h"
#include "core/workspace/data_files.h"
#include "core/workspace/workspace.h"
#include "gui/ui/qt_text.h"

namespace kelvo::gui
{

QString refusedOutput(const Workspace& workspace, const QString& path, int language)
{
    const auto file = dataFileAt(workspace.dataFolder(), workspace.refrigerants(),
                                 std::filesystem::path(QFile::encodeName(path).toStdString()));
    if (!file)
        return {};
    return fromUtf8Text(ownText(OwnText::OutputOnDataFile, language, file->string()));
}

OutputCheck outputCheckOf(const Workspace& workspace, int language)
{
    return [&workspace, language](const QString& path) {
        return refusedOutput(workspace, path, language);
    };
}

} // namespace kelvo::gui
