#pragma once

#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

#include "core/app/application_state.h"
#include "core/catalogue/catalogue_files.h"
#include "core/refrigerant/table_loader.h"
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
// the units it needs as tweaked copies. R404A is loaded; the BOX family with every filter
// ticked is chosen; to 0 C, ambient 32 C.
class SelectionTest : public ::testing::Test
{
  protected:
    static constexpr int kTemplateUnit = 3;

    void SetUp() override
    {
        sample_ = std::make_unique<Catalogue>();
        loadCatalogue(*sample_, sampleDataFolder());
        state = std::make_unique<ApplicationState>();
        state->programDir = sampleDataFolder();
        state->currentRefrigerant = "R404A";
        loadRefrigerantTable(state->refrigerant, state->programDir, "R404A.txt");
        const auto& unit = sample_->units[kTemplateUnit];
        state->catalogue.compressors.append(findRecord(sample_->compressors, unit.compressorId));
        state->catalogue.condensers.append(findRecord(sample_->condensers, unit.condenserId));
        state->catalogue.frames.append(findRecord(sample_->frames, unit.frameId));
        state->selection = initialSelection(UnitFamily::Box);
        tickAllFilters(state->selection);
    }

    template <class Tweak> int addUnit(Tweak tweak)
    {
        auto unit = sample_->units[kTemplateUnit];
        tweak(unit);
        return state->catalogue.units.append(unit);
    }
    int addUnit()
    {
        return addUnit([](CondensingUnitRecord&) {});
    }
    // A copy of compressor 1 under a new id, tweaked.
    template <class Tweak> int addCompressor(const char* id, Tweak tweak)
    {
        auto record = state->catalogue.compressors[1];
        record.id = id;
        tweak(record);
        return state->catalogue.compressors.append(record);
    }
    template <class Tweak> int addCondenser(const char* id, Tweak tweak)
    {
        auto record = state->catalogue.condensers[1];
        record.id = id;
        tweak(record);
        return state->catalogue.condensers.append(record);
    }
    template <class Tweak> int addFrame(const char* id, Tweak tweak)
    {
        auto record = state->catalogue.frames[1];
        record.id = id;
        tweak(record);
        return state->catalogue.frames.append(record);
    }

    CondensingUnitRecord& unit(int index) { return state->catalogue.units.at(index); }

    std::unique_ptr<ApplicationState> state;

  private:
    std::unique_ptr<Catalogue> sample_;
};

} // namespace kelvo::test
