#pragma once

#include <optional>
#include <string>

#include "core/editor/editor_session.h"
#include "core/text/message_sink.h"

namespace kelvo::test
{

// The balance panels and the chart of an editor, as one text to compare.
inline std::string lookOf(const BalancePanels& p, const std::optional<ChartRequest>& chart)
{
    std::string text = p.compressorIndex + "|" + p.condenserIndex + "|" + p.compressorModel + "|" +
                       p.condenserModel + "|" + p.refrigerant + "|" + p.evaporatingPressure + "|" +
                       p.condensingPressure + "|" + p.condenserAt15K + "|" + p.capacity + "|" +
                       p.power + "|" + p.condensingTemperature + "|" + p.frameName + "|" +
                       (p.compressorModelDiffers ? "red" : "") + "|" +
                       (p.condenserModelDiffers ? "red" : "");
    if (chart)
        text += "|chart " + std::to_string(chart->compressor) + " " + std::to_string(chart->ok) +
                " " + std::to_string(chart->tk) + " " + std::to_string(chart->to);
    return text;
}

inline std::string lookOf(const EditorSession& editor)
{
    return lookOf(editor.panels(), editor.chart());
}

inline int rowListing(const EditorGridView& grid, int index)
{
    for (std::size_t r = 0; r < grid.rows.size(); ++r)
        if (grid.rows[r].index == index)
            return static_cast<int>(r) + 1;
    return 0;
}

// What a fresh editor over a copy of the shown editor's catalogue, with its refrigerant,
// filters and inputs, shows after a click on each row the shown one highlights, the grid of
// its display (`display`) last. Without a highlighted row there: empty panels and no chart.
inline std::string freshLook(const EditorSession& shown, EditorGrid display)
{
    if (!shown.grid(display).currentIndex()) {
        BalancePanels cleared;
        cleared.refrigerant = shown.refrigerant();
        return lookOf(cleared, std::nullopt);
    }
    Workspace fresh(shown.workspace().dataFolder());
    fresh.replaceCatalogue(shown.workspace().catalogue());
    EditorSession look(fresh);
    look.chooseRefrigerant(shown.refrigerant());
    const auto boxes = editorFilterBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i)
        look.setFilter(i, *findEditorFilterTick(shown.filters(), boxes[i].option->objectName));
    DiscardingMessageSink sink;
    const auto click = [&](EditorGrid grid) {
        if (const auto index = shown.grid(grid).currentIndex())
            look.clickRow(grid, rowListing(look.grid(grid), *index), 0, sink);
    };
    click(EditorGrid::Frames);
    if (display != EditorGrid::Units)
        click(display == EditorGrid::Compressors ? EditorGrid::Condensers
                                                 : EditorGrid::Compressors);
    click(display);
    look.setInputs(shown.inputs(), sink);
    return lookOf(look);
}

} // namespace kelvo::test
