#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/editor/edit_history.h"
#include "core/editor/editor_inputs.h"
#include "core/editor/editor_listing.h"
#include "core/editor/row_commands.h"

namespace kelvo
{

class Workspace;

// The row commands of the editor's menus on the current rows of its grids, the coefficient
// import into the current compressor, and the edit history they and the record editors fill.
// Every change goes through the workspace, which tells every view what it did; the runner
// keeps the steps for Cofnij / Ponów.
class RowCommandRunner
{
  public:
    RowCommandRunner(Workspace& workspace, const HighlightedRecords& listing)
        : workspace_(workspace), listing_(listing)
    {
    }

    [[nodiscard]] std::optional<RowEdit> unavailable(RowCommand command) const;
    [[nodiscard]] std::string promptDefault(RowCommand command) const;
    [[nodiscard]] std::optional<std::string> questionBefore(RowCommand command,
                                                            std::string_view answer) const;
    // Runs the command with the prompt's answer; a new unit takes the counts typed into
    // `inputs`. The step is recorded when the command did something.
    RowEdit run(RowCommand command, std::string_view answer, const EditorInputs& inputs);

    [[nodiscard]] std::optional<int> currentCompressor() const;
    RowEdit importCoefficients(int set, const std::vector<std::string>& cells);
    RowEdit importCoefficients(int set, const std::filesystem::path& file);

    // A step done elsewhere (a record editor's session), kept when it did something.
    void record(const RowEdit& edit);
    // Cofnij / Ponów: the tables the step touched; nullopt when there was none.
    std::optional<std::vector<EditorGrid>> undo();
    std::optional<std::vector<EditorGrid>> redo();
    // A load forgets every step; a save keeps them.
    void clear() { history_.clear(); }

    [[nodiscard]] const EditHistory& history() const { return history_; }

  private:
    Workspace& workspace_;
    const HighlightedRecords& listing_;
    EditHistory history_;
};

} // namespace kelvo
