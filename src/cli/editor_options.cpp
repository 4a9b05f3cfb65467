#include "cli/editor_options.h"

#include "cli/command_base.h"
#include "cli/command_error.h"
#include "cli/data_option.h"
#include "cli/refrigerant_option.h"
#include "core/editor/editor_session.h"
#include "core/text/numeric_text.h"
#include "core/text/untrusted_text.h"

namespace kelvo::cli
{

void requireEditorRefrigerant(const std::string& name, const RefrigerantRegistry& refrigerants)
{
    requireRefrigerant(name, refrigerants, RefrigerantOrder::Editor);
}

std::string editorRefrigerantList(const RefrigerantRegistry& refrigerants)
{
    return refrigerantList(refrigerants, RefrigerantOrder::Editor);
}

int tableIndexOption(const char* option, const std::string& text, int count)
{
    const auto value = parseInteger(text);
    if (!value)
        throw CommandError(std::string(option) + ": not a whole number: '" + quotedText(text) +
                           "'");
    // A well-formed index the table does not hold is a refusal, not a bad command line.
    if (*value < 1 || *value > count)
        throw CommandFailure(std::string(option) + ": " + std::to_string(*value) +
                             " is outside 1 .. " + std::to_string(count));
    return *value;
}

int wholeNumberOption(const char* option, const std::string& text, int first, int last)
{
    const auto value = parseInteger(text);
    if (!value || *value < first || *value > last)
        throw CommandError(std::string(option) + ": '" + quotedText(text) +
                           "' is not a whole number in " + std::to_string(first) + " .. " +
                           std::to_string(last));
    return *value;
}

EditorJob openEditorJob(const std::string& dataFolder, const RefrigerantRegistry& refrigerants)
{
    EditorJob job;
    CatalogueStamps files{};
    job.workspace = openWorkspace(dataFolder, refrigerants, &files);
    job.session = std::make_unique<EditorSession>(*job.workspace);
    // The workspace has read all four files or thrown, so a save replaces only what was read.
    job.session->openLoaded(files);
    return job;
}

EditorJob openEditorJobForWriting(const std::string& dataFolder,
                                  const RefrigerantRegistry& refrigerants)
{
    EditorJob job;
    CatalogueStamps files{};
    job.workspace = openWorkspaceForWriting(dataFolder, refrigerants, job.lock, files);
    job.session = std::make_unique<EditorSession>(*job.workspace);
    job.session->openLoaded(files);
    return job;
}

} // namespace kelvo::cli
