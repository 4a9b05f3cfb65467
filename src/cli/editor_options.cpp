#include "cli/editor_options.h"

#include "cli/command_base.h"
#include "cli/command_error.h"
#include "cli/data_option.h"
#include "core/app/application_state.h"
#include "core/editor/editor_session.h"
#include "core/text/numeric_text.h"
#include "core/text/untrusted_text.h"

namespace kelvo::cli
{

void requireEditorRefrigerant(const std::string& name)
{
    for (const char* known : kEditorRefrigerantMenu)
        if (name == known)
            return;
    throw CommandError("--refrigerant: unknown refrigerant '" + quotedText(name) +
                       "' (known: R134a, R407C, R404A, R22)");
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

void openEditorCatalogue(ApplicationState& state, const std::string& dataFolder)
{
    openCatalogue(state, dataFolder);
    const CatalogueStamps loaded = state.editor.filesOnDisk;
    resetEditor(state);
    state.editor.filesOnDisk = loaded;
    // openCatalogue has read all four files or thrown, so a save replaces only what was read.
    state.editor.catalogueLoaded = true;
}

std::unique_ptr<FolderLock> openEditorCatalogueForWriting(ApplicationState& state,
                                                          const std::string& dataFolder)
{
    auto lock = openCatalogueForWriting(state, dataFolder);
    const CatalogueStamps loaded = state.editor.filesOnDisk;
    resetEditor(state);
    state.editor.filesOnDisk = loaded;
    state.editor.catalogueLoaded = true;
    return lock;
}

} // namespace kelvo::cli
