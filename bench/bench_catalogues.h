#pragma once

#include <memory>

#include "core/app/language_table.h"
#include "core/selection/selection_session.h"
#include "core/workspace/workspace.h"

namespace kelvo::bench
{

// A selection session of the family over a workspace on the sample data, R404A chosen.
struct BenchSelection {
    explicit BenchSelection(UnitFamily family) : session(workspace, languages, family) {}

    Workspace workspace{KELVO_SOURCE_DATA_DIR};
    LanguageTable languages;
    SelectionSession session;
};

// The sample catalogue with its units repeated up to the table's 800, R404A loaded, every
// filter ticked, to 0 C and ambient 32 C.
std::unique_ptr<BenchSelection> fullCatalogue(UnitFamily family);

// 800 units that all pass the filters and are all evaluated at to -10 C, ambient 32 C: the
// sample's R404A BOX units listed there, repeated up to the table's capacity.
std::unique_ptr<BenchSelection> eightHundredListedUnits();

} // namespace kelvo::bench
