#pragma once

#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>
#include <vector>

#include "core/app/language_table.h"
#include "core/catalogue/catalogue_files.h"
#include "core/selection/selection_session.h"
#include "core/text/message_sink.h"
#include "core/workspace/workspace.h"
#include "support/temp_folder.h"

namespace kelvo::test
{

template <class Table, class Id> const auto& findRecord(const Table& table, const Id& id)
{
    for (int i = 1; i <= table.count(); ++i)
        if (table[i].id.view() == id.view())
            return table[i];
    throw std::runtime_error("sample record not found");
}

// A small catalogue made by hand from one sample unit that evaluates well (a Copeland scroll
// BOX unit for R404A): its compressor, condenser and frame sit at index 1, and each test adds
// the units it needs as tweaked copies. A session of the BOX family has R404A chosen and every
// filter ticked; to 0 C, ambient 32 C. Each change of the catalogue goes through the workspace,
// which the session follows.
class SelectionTest : public ::testing::Test
{
  protected:
    static constexpr int kTemplateUnit = 3;

    void SetUp() override
    {
        sample_ = std::make_unique<Catalogue>();
        loadCatalogue(*sample_, sampleDataFolder());
        workspace = std::make_unique<Workspace>(sampleDataFolder());
        const auto& unit = sample_->units[kTemplateUnit];
        edit([&](Catalogue& catalogue) {
            catalogue.compressors.append(findRecord(sample_->compressors, unit.compressorId));
            catalogue.condensers.append(findRecord(sample_->condensers, unit.condenserId));
            catalogue.frames.append(findRecord(sample_->frames, unit.frameId));
        });
        openSession(UnitFamily::Box);
    }

    // A new session of the family with R404A and every filter ticked.
    void openSession(UnitFamily family)
    {
        session.reset();
        session = std::make_unique<SelectionSession>(*workspace, languages, family);
        DiscardingMessageSink sink;
        session->chooseRefrigerant("R404A", sink);
        SelectionInputs inputs;
        tickAllFilters(inputs);
        session->setInputs(inputs, sink);
    }

    // The session's inputs changed by `change`, with one build of the list.
    template <class Change> void setInputs(Change change, MessageSink& sink)
    {
        SelectionInputs inputs = session->state();
        change(inputs);
        session->setInputs(inputs, sink);
    }
    template <class Change> void setInputs(Change change)
    {
        DiscardingMessageSink sink;
        setInputs(change, sink);
    }

    // The catalogue changed by `change`, as a whole catalogue replacing the workspace's.
    template <class Change> void edit(Change change)
    {
        Catalogue catalogue = workspace->catalogue();
        change(catalogue);
        workspace->replaceCatalogue(std::move(catalogue));
    }

    template <class Tweak> int addUnit(Tweak tweak)
    {
        auto unit = sample_->units[kTemplateUnit];
        tweak(unit);
        int index = 0;
        edit([&](Catalogue& catalogue) { index = catalogue.units.append(unit); });
        return index;
    }
    int addUnit()
    {
        return addUnit([](CondensingUnitRecord&) {});
    }
    // A copy of compressor 1 under a new id, tweaked.
    template <class Tweak> int addCompressor(const char* id, Tweak tweak)
    {
        return addCopy(&Catalogue::compressors, id, tweak);
    }
    template <class Tweak> int addCondenser(const char* id, Tweak tweak)
    {
        return addCopy(&Catalogue::condensers, id, tweak);
    }
    template <class Tweak> int addFrame(const char* id, Tweak tweak)
    {
        return addCopy(&Catalogue::frames, id, tweak);
    }
    template <class Tweak> void editUnit(int index, Tweak tweak)
    {
        edit([&](Catalogue& catalogue) { tweak(catalogue.units.at(index)); });
    }

    [[nodiscard]] const Catalogue& catalogue() const { return workspace->catalogue(); }
    [[nodiscard]] const SelectionState& selection() const { return session->state(); }
    [[nodiscard]] std::vector<int> listedUnits() const
    {
        std::vector<int> units;
        for (const auto& c : selection().candidates.rows)
            units.push_back(c.unitIndex);
        return units;
    }

    LanguageTable languages;
    std::unique_ptr<Workspace> workspace;
    std::unique_ptr<SelectionSession> session;

  private:
    template <class Table, class Tweak>
    int addCopy(Table Catalogue::*table, const char* id, Tweak tweak)
    {
        int index = 0;
        edit([&](Catalogue& catalogue) {
            auto record = (catalogue.*table)[1];
            record.id = id;
            tweak(record);
            index = (catalogue.*table).append(record);
        });
        return index;
    }

    std::unique_ptr<Catalogue> sample_;
};

} // namespace kelvo::test
