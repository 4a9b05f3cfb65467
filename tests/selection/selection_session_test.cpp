#include <functional>
#include <gtest/gtest.h>

#include "core/app/language_table.h"
#include "core/catalogue/catalogue_changes.h"
#include "core/catalogue/lookups.h"
#include "core/refrigerant/refrigerant_file.h"
#include "core/selection/selection_feedback.h"
#include "core/selection/selection_session.h"
#include "core/selection/window_captions.h"
#include "core/text/message_sink.h"
#include "support/temp_folder.h"

namespace kelvo
{
namespace
{

struct ChangeCounter : SelectionObserver {
    void selectionChanged(const SelectionChange& change) override { changes.push_back(change); }
    std::vector<SelectionChange> changes;
};

SelectionInputs everyBoxAt(double to)
{
    SelectionInputs inputs;
    tickAllFilters(inputs);
    inputs.evaporatingTemperature = to;
    return inputs;
}

// What a session shows: each row's unit, figures and marks, and the unit data and range tables
// of the details.
std::vector<std::string> shown(const SelectionSession& session)
{
    std::vector<std::string> texts;
    for (const Candidate& c : session.state().candidates.rows)
        texts.push_back(std::to_string(c.unitIndex) + " " + c.capacityText + " " + c.powerText +
                        c.mark + c.envelopeMark);
    if (const auto& details = session.state().details) {
        texts.push_back("row " + std::to_string(details->row));
        for (const DetailLine& line : kUnitDataPage.lines)
            texts.push_back(line.text(*details));
        for (const RangeColumn& column : details->range.columns)
            for (const RangeCell& cell : column.capacity)
                texts.push_back(cell.shown());
    }
    return texts;
}

// After an edit of the catalogue, and after its undo, the session shows what a session opened
// on the catalogue as it is then shows.
TEST(SelectionSession, FollowsTheWorkspaceAsAFreshSessionWouldShowIt)
{
    const LanguageTable languages;
    DiscardingMessageSink sink;
    Workspace workspace(test::sampleDataFolder());
    SelectionSession session(workspace, languages, UnitFamily::Box);
    session.open(sink);
    session.setInputs(everyBoxAt(-10), sink);
    const int unit = session.state().candidates.rows.at(2).unitIndex;
    session.chooseRow(3, sink);
    ChangeCounter counter;
    session.subscribe(counter);

    const auto expectAsFresh = [&](const char* after) {
        Workspace fresh(test::sampleDataFolder());
        fresh.replaceCatalogue(workspace.catalogue());
        SelectionSession opened(fresh, languages, UnitFamily::Box);
        opened.chooseRefrigerant("R404A", sink);
        opened.setInputs(everyBoxAt(-10), sink);
        opened.chooseRow(opened.state().candidates.rowOfUnit(unit), sink);
        EXPECT_EQ(shown(session), shown(opened)) << after;
        ASSERT_EQ(counter.changes.size(), 1U) << after;
        EXPECT_TRUE(counter.changes[0].list && counter.changes[0].details) << after;
        counter.changes.clear();
    };

    const std::vector<std::string> before = shown(session);
    const int compressor = findCompressorOfUnit(workspace.catalogue(), unit);
    ChangeSet doubled;
    {
        CatalogueEdit edit(workspace);
        CatalogueRecorder recorder(edit.catalogue());
        CompressorRecord record = recorder.catalogue().compressors[compressor];
        record.capacitySet().multiplier = "2";
        recorder.setRecord(compressor, record);
        doubled = recorder.take();
        edit.done(doubled);
    }
    expectAsFresh("the capacity doubled");
    EXPECT_NE(shown(session), before);

    workspace.revert(doubled);
    expectAsFresh("the edit undone");
    EXPECT_EQ(shown(session), before);

    // Texts written with decimal commas change no figure, and a table of another refrigerant
    // is not the session's.
    TextsRead read;
    read.add(TextsRead::Texts::DetailCondenser, 1);
    read.add(TextsRead::Texts::DetailUnit, unit);
    workspace.keepTextsRead(read);
    workspace.loadPropertyTable("R22");
    EXPECT_TRUE(counter.changes.empty());
    session.unsubscribe(counter);
}

// After a switch of refrigerant or of the envelope filter, a highlighted row is the unit shown
// in full, as choosing it afresh shows it; where that unit left the list, no row is. The typed
// requirement follows a change of units and finds the unit it found before.
TEST(SelectionSession, AHighlightedRowIsTheUnitShownInFull)
{
    const LanguageTable languages;
    DiscardingMessageSink sink;
    const RefrigerantLoad refrigerants = loadRefrigerants(test::sampleDataFolder());
    Workspace workspace(test::sampleDataFolder(), refrigerants.registry);
    SelectionSession session(workspace, languages, UnitFamily::Box);
    session.open(sink);
    session.setInputs(everyBoxAt(-10), sink);
    const std::function<void()> steps[] = {
        [&] { session.chooseRefrigerant("R449A", sink); },
        [&] { session.chooseRefrigerant("R404A", sink); },
        [&] { session.setInsideEnvelopeOnly(true, sink); },
        [&] { session.setInsideEnvelopeOnly(false, sink); },
    };
    // Row 3 of R404A at -10 C works outside its envelope, rows 1 and 4 inside.
    for (const int row : {3, 1, 4})
        for (const auto& step : steps) {
            session.chooseRow(std::min<int>(row, session.state().candidates.rows.size()), sink);
            const int unit = session.state().details->unitIndex;
            step();
            const auto highlighted = session.highlightedRow();
            EXPECT_EQ(highlighted.has_value(), session.state().candidates.rowOfUnit(unit) != 0);
            EXPECT_EQ(detailsOutdated(session.state()), !highlighted);
            if (!highlighted)
                continue;
            const std::vector<std::string> before = shown(session);
            session.chooseRow(*highlighted, sink);
            EXPECT_EQ(shown(session), before) << row;
        }

    session.typeRequiredCapacity("10000");
    session.selectByTypedCapacity(sink);
    const auto found = session.state().selectedRow;
    for (const auto& [units, text] :
         {std::pair{UnitSystem::InchPound, "34121"}, {UnitSystem::Si, "10000"}}) {
        session.setUnits(units);
        EXPECT_EQ(session.requiredCapacityText(), text);
        session.chooseRow(2, sink);
        session.selectByTypedCapacity(sink);
        EXPECT_EQ(session.state().selectedRow, found);
    }
}

} // namespace
} // namespace kelvo
