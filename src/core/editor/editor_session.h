#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/app/calculation_pause.h"
#include "core/editor/balance_display.h"
#include "core/refrigerant/table_loader.h"

namespace kelvo
{

struct ApplicationState;
class MessageSink;

// Puts state.editor into the state of a freshly opened editor, without touching files: no grid
// clicked, opening filter ticks, input boxes with their defaults, heat factor 1.1, empty panels
// and grids, no chart.
void resetEditor(ApplicationState& state);

// Opening of the editor window: resetEditor, the refrigerant names, the four catalogue files of
// state.programDir, then selectRefrigerant("R404A"), with the calculation disabled until the
// refrigerant is chosen. A catalogue file that fails stops the loading there (the tables read
// before it stay, the failed one is as it was) and the grids show what was read.
struct EditorOpening {
    bool catalogueLoaded = false; // all four files read; saving is safe only then
    std::string message;          // for the user (UTF-8, names the file); empty when all went well
};
EditorOpening openEditor(ApplicationState& state, const LoadProgress& progress = {});

// The refrigerant menu: ticks only that item, makes it the refrigerant in use and shows it in
// Panel5, loads its property table and refills the compressor, condenser, unit and frame grids
// in that order, all with the calculation disabled. The grids are refilled even when the table
// cannot be read; the result is then the message naming the file (UTF-8), otherwise empty.
// A name that is not one of kEditorRefrigerantMenu changes nothing and returns a message.
std::string selectRefrigerant(ApplicationState& state, std::string_view name,
                              const LoadProgress& progress = {});

// A click on a filter box: sets its tick and refills the one grid the box belongs to, which it
// returns; nullopt (and nothing changed) for an unknown objectName.
std::optional<EditorGrid> filterBoxClicked(ApplicationState& state, std::string_view objectName,
                                           bool ticked);

// Grid clicks on the current row of the grid's view in state.editor (the caller moves the
// cursor first). Each does nothing while the calculation is disabled or when the current row
// is the blank row (result.ran false).
//  Compressor / condenser grid: remembers the kind of click, enables the count boxes, refills
//  ComboBox1 with the pair list ("0" selected) and runs the pair display with the current rows
//  of both grids.
BalanceDisplay compressorRowClicked(ApplicationState& state, MessageSink& sink);
BalanceDisplay condenserRowClicked(ApplicationState& state, MessageSink& sink);
//  Unit grid: disables the count boxes, shows the unit's record (showUnitRecord) and runs the
//  unit display.
BalanceDisplay unitRowClicked(ApplicationState& state, MessageSink& sink);
//  Frame grid: enables the count boxes and shows the frame's name and index. Returns false when
//  nothing happened.
bool frameRowClicked(ApplicationState& state);

// The panels and boxes a unit click fills from the unit record: Panel1 (its compressor model
// copy), Panel5 (refrigerant), Panel2 (condenser model copy), ComboBox3 / ComboBox4 texts
// (counts), Panel15 (name of the frame its frameId links to, empty when none) and ComboBox1
// with the unit's evaporating range, first item shown.
void showUnitRecord(ApplicationState& state, int unitIndex);

// A change in one of the six input boxes: the unit display after a unit click, otherwise the
// pair display with the current rows of the compressor and condenser grids.
BalanceDisplay inputChanged(ApplicationState& state, MessageSink& sink);

// Edit14 changed: keeps its text and sets the heat factor from it (see
// condenserHeatFactorFromText).
void heatFactorTextChanged(ApplicationState& state, std::string_view text);

} // namespace kelvo
