// Selections of two screens (or two requests) evaluated at once on two threads over one
// workspace. CI runs this program under ThreadSanitizer as well, which reports any write the
// calculation makes to what the threads share.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "core/catalogue/catalogue_files.h"
#include "core/selection/candidate_list.h"
#include "core/selection/selection_state.h"
#include "core/selection/unit_details.h"
#include "core/selection/unit_point.h"
#include "core/text/message_sink.h"
#include "core/workspace/workspace.h"
#include "support/temp_folder.h"

namespace kelvo
{
namespace
{

struct Job {
    UnitFamily family;
    std::string refrigerant;
    double to;
};

struct Outcome {
    std::string figures; // every row of the list and every cell of its details
    TextsRead read;
};

// What a screen would show for the job: the list of every unit that passes all filters, and the
// details of each of its rows.
Outcome select(const Workspace& workspace, const Job& job)
{
    SelectionState state = initialSelection(job.family);
    tickAllFilters(state);
    state.evaporatingTemperature = job.to;
    Outcome outcome;
    PerformanceResult latest;
    const SelectionCalculation calculation{workspace, job.refrigerant, latest, outcome.read};
    DiscardingMessageSink sink;
    rebuildCandidateList(calculation, state, sink);
    std::ostringstream figures;
    for (std::size_t r = 0; r < state.candidates.rows.size(); ++r) {
        const Candidate& row = state.candidates.rows[r];
        figures << row.unitIndex << ' ' << row.capacityText << ' ' << row.powerText << ' '
                << row.mark << row.envelopeMark << ' ' << row.reason << '\n';
        const UnitDetails details =
            computeUnitDetails(calculation, state, static_cast<int>(r) + 1, sink);
        figures << details.data.capacity << ' ' << details.data.cop << ' ' << details.data.fanPower
                << ' ' << details.range.failure << '\n';
        for (const RangeColumn& column : details.range.columns)
            for (std::size_t k = 0; k < column.capacity.size(); ++k)
                figures << column.capacity[k].shown() << ' ' << column.power[k].shown() << ';';
        figures << '\n';
    }
    outcome.figures = figures.str();
    return outcome;
}

TEST(SideBySide, TwoThreadsOverOneWorkspaceShowWhatOneShowsAloneAndWriteNothing)
{
    Workspace workspace(test::sampleDataFolder(), test::sampleRefrigerants());
    workspace.loadCatalogue();
    std::vector<Job> jobs;
    for (const std::string& refrigerant : test::sampleRefrigerants().selectionNames()) {
        try {
            workspace.loadPropertyTable(refrigerant);
        } catch (const std::exception&) {
            // A refrigerant without a usable table is listed with its failures all the same.
        }
        for (const UnitFamily family : {UnitFamily::Box, UnitFamily::Base})
            jobs.push_back({family, refrigerant, -10});
    }
    jobs.push_back({UnitFamily::Box, "R404A", -35});
    const std::size_t catalogueBefore = catalogueFingerprint(workspace.catalogue());

    // Both threads start on cold number caches, the second going through the jobs backwards.
    const Workspace& shared = workspace;
    std::vector<Outcome> first(jobs.size());
    std::vector<Outcome> second(jobs.size());
    std::thread one([&] {
        for (std::size_t j = 0; j < jobs.size(); ++j)
            first[j] = select(shared, jobs[j]);
    });
    std::thread two([&] {
        for (std::size_t j = jobs.size(); j-- > 0;)
            second[j] = select(shared, jobs[j]);
    });
    one.join();
    two.join();

    EXPECT_EQ(catalogueFingerprint(workspace.catalogue()), catalogueBefore)
        << "evaluating wrote to the catalogue";
    bool anyFigures = false;
    for (std::size_t j = 0; j < jobs.size(); ++j) {
        const Outcome alone = select(shared, jobs[j]);
        EXPECT_EQ(first[j].figures, alone.figures) << jobs[j].refrigerant;
        EXPECT_EQ(second[j].figures, alone.figures) << jobs[j].refrigerant;
        EXPECT_TRUE(first[j].read == alone.read && second[j].read == alone.read);
        anyFigures = anyFigures || !alone.read.empty();
    }
    EXPECT_TRUE(anyFigures) << "no unit was evaluated: the test proves nothing";
}

} // namespace
} // namespace kelvo
