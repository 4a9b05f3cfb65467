#pragma once

#include <array>
#include <optional>

#include "core/catalogue/catalogue_files.h"
#include "core/chart/envelope_chart.h"
#include "core/editor/balance_display.h"
#include "core/editor/edit_history.h"
#include "core/editor/editor_filters.h"
#include "core/editor/editor_grids.h"
#include "core/editor/editor_inputs.h"

namespace kelvo
{

// Which grid was clicked last; decides the display the input boxes run.
enum class EditorSelectionKind { None = -1, Condenser = 1, Compressor = 2, Unit = 3 };

// What the catalogue editor's screen shows and keeps, owned by its EditorSession.
struct EditorState {
    EditorSelectionKind selectionKind = EditorSelectionKind::None;
    EditorFilters filters;
    // The item of the refrigerant menu that carries the check mark.
    std::string tickedRefrigerant;
    // The four grids, indexed by EditorGrid.
    std::array<EditorGridView, kEditorGridCount> grids;
    EditorInputs inputs;
    BalancePanels panels;
    // The chart's last drawing request; nullopt until a display draws it.
    std::optional<ChartRequest> chart;
    // Table index of the record open in each record editor.
    int currentCompressorIndex = 0;
    int currentCondenserIndex = 0;
    int currentUnitIndex = 0;
    int currentFrameIndex = 0;
    // All four catalogue files were read when the editor opened: only then may it save.
    bool catalogueLoaded = false;
    // catalogueFingerprint of the catalogue as last loaded or saved.
    std::size_t savedCatalogue = 0;
    // The four files as last loaded or saved, to tell a change made on disk by another program.
    CatalogueStamps filesOnDisk{};
    // Cofnij / Ponów: cleared by a load, kept over a save.
    EditHistory history;

    EditorGridView& grid(EditorGrid which) { return grids[static_cast<int>(which)]; }
    [[nodiscard]] const EditorGridView& grid(EditorGrid which) const
    {
        return grids[static_cast<int>(which)];
    }
};

} // namespace kelvo
