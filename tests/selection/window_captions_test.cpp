// Every caption table of the selection window: each control named once, each caption entry
// translated in all five languages, each figure's field reachable.
#include <gtest/gtest.h>
#include <set>
#include <string>

#include "core/app/language_table.h"
#include "core/editor/editor_filters.h"
#include "core/selection/unit_details.h"
#include "core/selection/window_captions.h"

namespace kelvo
{
namespace
{

// Collects the objectNames of one window and the language entries its captions use.
class WindowWalk
{
  public:
    void control(std::string_view name, int entry)
    {
        EXPECT_FALSE(name.empty());
        EXPECT_TRUE(names_.insert(std::string(name)).second) << "named twice: " << name;
        if (entry != 0)
            entries_.push_back({std::string(name), entry});
    }

    void expectTranslated() const
    {
        const LanguageTable languages;
        for (const auto& [name, entry] : entries_)
            for (int language = 1; language <= kLanguageCount; ++language)
                EXPECT_FALSE(languages.text(language, entry).empty())
                    << name << ": entry " << entry << " is empty in language " << language;
    }

    [[nodiscard]] std::size_t count() const { return names_.size(); }

  private:
    std::set<std::string> names_;
    std::vector<std::pair<std::string, int>> entries_;
};

template <std::size_t N> void walkFilter(WindowWalk& walk, const FilterGroup<N>& group)
{
    std::set<std::string_view> values;
    for (const FilterOption& option : group) {
        walk.control(option.objectName, option.captionEntry);
        EXPECT_TRUE(values.insert(option.value).second) << option.value;
    }
}

TEST(SelectionWindowCaptions, EveryControlIsNamedOnceAndTranslatedInEveryLanguage)
{
    WindowWalk walk;
    for (const CaptionedControl& caption : kSelectionWindowCaptions)
        walk.control(caption.objectName, caption.entry);
    walkFilter(walk, kSelectionKindFilter);
    walkFilter(walk, kSelectionBrandFilter);
    walkFilter(walk, kSelectionVersionFilter);

    // Each data page's figures: a label with its caption, a panel, a text that reaches its
    // own field of the details (a distinct marker set in every field comes back distinct).
    UnitDetails details;
    int marker = 0;
    for (std::string* field : {&details.data.evaporatingTemperature,
                               &details.data.ambientTemperature,
                               &details.data.unitName,
                               &details.data.compressorModel,
                               &details.data.capacity,
                               &details.data.power,
                               &details.data.fanPower,
                               &details.data.totalPower,
                               &details.data.cop,
                               &details.data.version,
                               &details.data.condensingTemperature,
                               &details.data.subcooling,
                               &details.data.suctionTemperature,
                               &details.fan.name,
                               &details.fan.diameter,
                               &details.fan.supply,
                               &details.fan.power,
                               &details.fan.currentMax,
                               &details.fan.capacitor,
                               &details.fan.speed,
                               &details.fan.maxTemperature,
                               &details.compressor.model,
                               &details.compressor.displacement,
                               &details.compressor.oilVolume,
                               &details.compressor.oilType,
                               &details.compressor.mass,
                               &details.compressor.maxCurrent,
                               &details.compressor.maxCurrentZ,
                               &details.compressor.starting})
        *field = "m" + std::to_string(++marker);
    std::set<std::string> shown;
    std::size_t lines = 0;
    for (const DetailPage* page : {&kUnitDataPage, &kFanDataPage, &kCompressorDataPage}) {
        std::set<std::string_view> keys;
        for (const DetailLine& line : page->lines) {
            walk.control(line.labelName, line.entry);
            walk.control(line.panelName, 0);
            EXPECT_TRUE(keys.insert(line.key).second) << line.key;
            shown.insert(line.text(details));
            ++lines;
        }
    }
    EXPECT_EQ(shown.size(), lines) << "two lines show the same field";
    EXPECT_EQ(lines, 13u + 8u + 8u);

    Dimensions sizes{"a", "b", "c", "d", "e", "f", "g", "h"};
    std::string letters;
    std::set<std::pair<int, int>> places;
    for (const DimensionField& field : kDimensionFields) {
        walk.control(field.panelName, 0);
        letters += sizes.*field.value;
        EXPECT_EQ(sizes.*field.value, std::string(1, char(field.letter[0] - 'A' + 'a')));
        EXPECT_TRUE(places.insert({field.row, field.column}).second) << field.letter;
    }
    EXPECT_EQ(letters, "abcdefgh");

    for (const AccessoryGroupCaption* group :
         {&kBaseStandardAccessories, &kBaseAdditionalAccessories, &kBoxStandardAccessories,
          &kBoxAdditionalAccessories}) {
        walk.control(group->groupName, group->entry);
        for (const AccessoryLineCaption& line : group->lines) {
            walk.control(line.boxName, line.entry);
            if (!line.quantityName.empty()) {
                walk.control(line.quantityName, 0);
                walk.control(line.unitLabelName, line.unitLabelEntry);
            }
        }
    }
    EXPECT_EQ(kBaseStandardAccessories.lines.size(),
              std::size_t{CondensingUnitRecord::baseAccessoryCount});
    EXPECT_EQ(kBoxStandardAccessories.lines.size(),
              std::size_t{CondensingUnitRecord::boxAccessoryCount});
    walk.expectTranslated();
}

TEST(SelectionWindowCaptions, ControlsTakeTheirCaptionEntryFromTheTables)
{
    EXPECT_EQ(controlCaptionEntry("GroupBox2"), 21);
    EXPECT_EQ(controlCaptionEntry("CheckBox43"), 24);
    EXPECT_EQ(controlCaptionEntry("Label31"), 96);
    EXPECT_EQ(controlCaptionEntry("Label5"), 72);
    EXPECT_EQ(controlCaptionEntry("Panel13"), 0);
    EXPECT_EQ(controlCaptionEntry("NoSuchControl"), 0);
}

TEST(EditorWindowCaptions, FilterBoxesAreNamedOnceAndCaptioned)
{
    WindowWalk walk;
    for (const EditorFilterBox& box : editorFilterBoxes()) {
        walk.control(box.option->objectName, 0);
        EXPECT_FALSE(box.option->caption.empty()) << box.option->objectName;
        EXPECT_FALSE(box.groupCaption.empty());
    }
    EXPECT_EQ(walk.count(), 17u);
}

} // namespace
} // namespace kelvo
