#include <gtest/gtest.h>

#include "core/app/language_table.h"
#include "core/catalogue/catalogue_changes.h"
#include "core/catalogue/lookups.h"
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

} // namespace
} // namespace kelvo
