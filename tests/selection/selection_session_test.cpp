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
    workspace.keepDetailTexts(1, unit);
    workspace.loadPropertyTable("R22");
    EXPECT_TRUE(counter.changes.empty());
    session.unsubscribe(counter);
}

// After a switch of refrigerant or of the envelope filter, a highlighted row is the unit shown
// in full, as a fresh look computes it; where the unit shown left the list, no row is.
TEST(SelectionSession, AHighlightedRowIsTheUnitShownInFull)
{
    const LanguageTable languages;
    DiscardingMessageSink sink;
    const RefrigerantLoad refrigerants = loadRefrigerants(test::sampleDataFolder());
    Workspace workspace(test::sampleDataFolder(), refrigerants.registry);
    SelectionSession session(workspace, languages, UnitFamily::Box);
    session.open(sink);
    session.setInputs(everyBoxAt(-10), sink);
    const auto rowWhere = [&](bool outside) {
        const auto& rows = session.state().candidates.rows;
        for (std::size_t r = 0; r < rows.size(); ++r)
            if (rows[r].evaluated && rows[r].envelopeMark.empty() != outside)
                return static_cast<int>(r) + 1;
        return 0;
    };
    const auto onlyInside = [&](bool only) { session.setInsideEnvelopeOnly(only, sink); };
    const auto refrigerant = [&](const char* name) { session.chooseRefrigerant(name, sink); };
    struct Step {
        const char* what;
        std::function<int()> choose; // the row to choose first, 0 for none
        std::function<void()> change;
        bool stays; // the unit shown is still highlighted
    };
    const Step steps[] = {
        {"R404A row 4 to R449A", [] { return 4; }, [&] { refrigerant("R449A"); }, false},
        {"R449A row 1 to R290", [] { return 1; }, [&] { refrigerant("R290"); }, false},
        {"back to R404A", [] { return 0; }, [&] { refrigerant("R404A"); }, false},
        {"inside only, a unit inside", [&] { return rowWhere(false); }, [&] { onlyInside(true); },
         true},
        {"all again", [] { return 0; }, [&] { onlyInside(false); }, true},
        {"inside only, a unit outside", [&] { return rowWhere(true); }, [&] { onlyInside(true); },
         false},
    };
    for (const Step& step : steps) {
        if (const int row = step.choose()) {
            ASSERT_LE(row, static_cast<int>(session.state().candidates.rows.size())) << step.what;
            session.chooseRow(row, sink);
        }
        const int unit = session.state().details->unitIndex;
        step.change();
        const auto highlighted = session.highlightedRow();
        ASSERT_EQ(highlighted.has_value(), step.stays) << step.what;
        EXPECT_EQ(session.state().details->unitIndex, unit) << step.what;
        if (!highlighted) {
            EXPECT_TRUE(detailsOutdated(session.state())) << step.what;
            continue;
        }
        EXPECT_EQ(session.state().candidates.row(*highlighted)->unitIndex, unit) << step.what;
        const std::vector<std::string> before = shown(session);
        session.chooseRow(*highlighted, sink);
        EXPECT_EQ(shown(session), before) << step.what;
        EXPECT_FALSE(session.state().details->range.columns.empty()) << step.what;
    }
}

// The requirement typed follows a change of units, shown in the new ones, and finds the unit
// it found before.
TEST(SelectionSession, TheTypedCapacityFollowsTheUnits)
{
    const LanguageTable languages;
    DiscardingMessageSink sink;
    Workspace workspace(test::sampleDataFolder());
    SelectionSession session(workspace, languages, UnitFamily::Box);
    session.open(sink);
    session.setInputs(everyBoxAt(0), sink);
    struct Case {
        UnitSystem typedIn;
        const char* typed;
        const char* inSi;
        const char* inIp;
    };
    const Case cases[] = {
        {UnitSystem::Si, "10000", "10000", "34121"},
        {UnitSystem::InchPound, "34121", "10000", "34121"},
        {UnitSystem::Si, "2500,4", "2500,4", "8532"},
        {UnitSystem::InchPound, "abc", "abc", "abc"},
    };
    for (const Case& c : cases) {
        session.setUnits(c.typedIn);
        session.typeRequiredCapacity(c.typed);
        session.chooseRow(1, sink);
        session.selectByTypedCapacity(sink);
        const auto found = session.state().selectedRow;
        for (const UnitSystem units :
             {UnitSystem::InchPound, UnitSystem::Si, UnitSystem::InchPound}) {
            session.setUnits(units);
            EXPECT_EQ(session.requiredCapacityText(), units == UnitSystem::Si ? c.inSi : c.inIp)
                << c.typed;
            session.chooseRow(1, sink);
            session.selectByTypedCapacity(sink);
            EXPECT_EQ(session.state().selectedRow, found) << c.typed;
        }
    }
    session.open(sink);
    EXPECT_EQ(session.requiredCapacityText(), "");
}

} // namespace
} // namespace kelvo
