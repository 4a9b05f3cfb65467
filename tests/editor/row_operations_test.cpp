#include <gtest/gtest.h>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "core/editor/edit_history.h"
#include "core/editor/editor_grids.h"
#include "core/editor/row_operations.h"
#include "core/text/numeric_text.h"

namespace kelvo
{
namespace
{

CompressorRecord compressor(const std::string& id, const std::string& refrigerant = "R404A")
{
    CompressorRecord r;
    r.id = id;
    r.refrigerant = refrigerant;
    r.model = "ZB" + id;
    r.manufacturer = "Copeland";
    r.kind = "SPIRAL";
    return r;
}

CondenserRecord condenser(const std::string& id, const std::string& refrigerant = "R404A")
{
    CondenserRecord r;
    r.id = id;
    r.refrigerant = refrigerant;
    r.model = "Skraplacz " + id;
    return r;
}

CondensingUnitRecord unit(const std::string& name, const std::string& compressorId,
                          const std::string& condenserId = "1")
{
    CondensingUnitRecord r;
    r.name = name;
    r.refrigerant = "R404A";
    r.housing = "BOX";
    r.compressorId = compressorId;
    r.compressorModel = "ZB" + compressorId;
    r.condenserId = condenserId;
    return r;
}

class RowOperations : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        for (int i = 1; i <= 5; ++i) {
            c.compressors.append(compressor(std::to_string(i)));
            c.condensers.append(condenser(std::to_string(i)));
        }
        c.condensers.at(5).refrigerant = "R22";
        c.units.append(unit("A1", "2"));
        c.units.append(unit("A2", "3"));
        c.units.append(unit("A3", "2"));
        c.units.append(unit("A4", "2"));
        FrameRecord frame;
        frame.id = "7";
        frame.name = "Rama 7";
        c.frames.append(frame);
    }

    std::unique_ptr<Catalogue> owned = std::make_unique<Catalogue>();
    Catalogue& c = *owned;
};

TEST_F(RowOperations, FreeIdentifierRestartsItsPassAfterEveryHitAndComparesNumbers)
{
    CompressorTable table;
    EXPECT_EQ(findFreeIdentifier(table), 1);
    table.append(compressor("2"));
    table.append(compressor("1"));
    EXPECT_EQ(findFreeIdentifier(table), 3);
    table.append(compressor("003"));
    EXPECT_EQ(findFreeIdentifier(table), 4);
    table.append(compressor("x4"));
    EXPECT_THROW(findFreeIdentifier(table), ConversionError);
}

TEST_F(RowOperations, AnEmptyCompressorGetsAFreeIdAndKeepsOnlyTheSuctionFieldsOfItsSlot)
{
    CompressorRecord leftover = compressor("99", "R22");
    leftover.suctionTemperature = "20";
    leftover.superheatMode = true;
    leftover.coeffSets[2].c[4] = "1,5";
    c.compressors.at(6) = leftover;

    const RowEdit edit = addEmptyRecord(c, EditorGrid::Compressors, "R134a");
    ASSERT_TRUE(edit.done);
    EXPECT_EQ(edit.index, 6);
    EXPECT_EQ(c.compressors.count(), 6);
    const CompressorRecord& added = c.compressors[6];
    EXPECT_EQ(added.id, "6");
    EXPECT_EQ(added.refrigerant, "R134a");
    EXPECT_TRUE(added.model.empty());
    EXPECT_TRUE(added.coeffSets[2].c[4].empty());
    EXPECT_EQ(added.suctionTemperature, "20");
    EXPECT_TRUE(added.superheatMode);
    EXPECT_EQ(edit.step.description, "Dodaj wolny wiersz – sprężarka 6");

    // An id that is no number stops the add before the count changes.
    c.condensers.at(2).id = "abc";
    const RowEdit refused = addEmptyRecord(c, EditorGrid::Condensers, "R404A");
    EXPECT_FALSE(refused.done);
    EXPECT_EQ(refused.message, invalidIntegerMessage("abc"));
    EXPECT_EQ(c.condensers.count(), 5);
}

TEST_F(RowOperations, EmptyCondensersAndFramesKeepTheirSizesAndHousing)
{
    c.condensers.at(6).height = "650";
    c.condensers.at(6).model = "old";
    ASSERT_TRUE(addEmptyRecord(c, EditorGrid::Condensers, "R22").done);
    EXPECT_EQ(c.condensers[6].height, "650");
    EXPECT_TRUE(c.condensers[6].model.empty());
    EXPECT_EQ(c.condensers[6].id, "6");

    FrameRecord old;
    old.housing = "BASE";
    old.name = "stara";
    old.dimensions.a = "100";
    c.frames.at(2) = old;
    ASSERT_TRUE(addEmptyRecord(c, EditorGrid::Frames, "R22").done);
    EXPECT_EQ(c.frames[2].id, "1");
    EXPECT_EQ(c.frames[2].housing, "BASE");
    EXPECT_TRUE(c.frames[2].name.empty());
    EXPECT_TRUE(c.frames[2].dimensions.a.empty());
}

TEST_F(RowOperations, AFullTableRefusesAnAdd)
{
    auto full = std::make_unique<Catalogue>();
    for (int i = 1; i <= FrameTable::capacity; ++i) {
        FrameRecord frame;
        frame.id = std::to_string(i);
        full->frames.append(frame);
    }
    const RowEdit edit = addEmptyRecord(*full, EditorGrid::Frames, "R22");
    EXPECT_FALSE(edit.done);
    EXPECT_NE(edit.message.find("100"), std::string::npos) << edit.message;
    EXPECT_NE(edit.message.find(kActionCancelled), std::string::npos);
    EXPECT_EQ(full->frames.count(), 100);
}

TEST_F(RowOperations, ANewUnitIsBuiltFromTheChosenRowsAndCountsTheListedUnits)
{
    c.condensers.at(3).model = std::string(50, 'k');
    EditorFilters filters; // units without housing and version, of any compressor
    filters.compressorBrands = {true, true, true};
    filters.compressorKinds = {true, true, true};
    const RowEdit edit =
        addUnit(c, {"R404A", 4, 3, 1, "2", "1"}, filters, RefrigerantRegistry::builtIn());
    ASSERT_TRUE(edit.done);
    EXPECT_EQ(c.units.count(), 5);
    const CondensingUnitRecord& added = c.units[5];
    EXPECT_EQ(added.compressorId, "4");
    EXPECT_EQ(added.compressorModel, "ZB4");
    EXPECT_EQ(added.compressorCount, "2");
    EXPECT_EQ(added.condenserModel.str(), std::string(20, 'k'));
    EXPECT_EQ(added.condenserId, "3");
    EXPECT_EQ(added.frameId, "7");
    EXPECT_EQ(added.refrigerant, "R404A");
    EXPECT_EQ(edit.message, "1. Wstawiłem nowy agregat na pozycji nr : 5\r2. Uzupełnij pozostałe "
                            "dane :)\r3. Aktualna ilość agregatów dla czynnika chłodniczego R404A "
                            ": 1 szt.");
    EXPECT_FALSE(
        addUnit(c, {"R404A", 9, 3, 1, "1", "1"}, filters, RefrigerantRegistry::builtIn()).done);
}

TEST_F(RowOperations, DeletingACompressorUnlinksItsUnitsAndLeavesACopyPastTheCount)
{
    const RowEdit edit = deleteRecord(c, EditorGrid::Compressors, 2);
    ASSERT_TRUE(edit.done);
    EXPECT_EQ(c.compressors.count(), 4);
    EXPECT_EQ(c.compressors[2].id, "3");
    EXPECT_EQ(c.compressors[4].id, "5");
    EXPECT_EQ(c.compressors[5].id, "5"); // the slot past the count keeps its copy
    for (int u : {1, 3, 4}) {
        EXPECT_EQ(c.units[u].compressorId, "0");
        EXPECT_EQ(c.units[u].compressorModel, "ZB2");
    }
    EXPECT_EQ(c.units[2].compressorId, "3");
    EXPECT_FALSE(deleteRecord(c, EditorGrid::Units, 9).done);
}

TEST_F(RowOperations, DeletesOfUsedRecordsAndCopiesOverRecordsWithDataAskFirst)
{
    for (int u = 0; u < 5; ++u)
        c.units.append(unit("B", "4"));
    c.units.append(unit("C", "5"));
    c.compressors.at(5).model = "";
    ASSERT_TRUE(addEmptyRecord(c, EditorGrid::Compressors, "R404A").done); // row 6
    c.compressors.at(2).envelopes[1].to[9] = "-10";
    const auto whole = CompressorCopy::WholeRecord;
    const auto envelopes = CompressorCopy::Envelopes;
    const std::string used = " Usunąć?";
    const std::string overwrite = "Sprężarka ZB1 nie jest pusta. Nadpisać ją sprężarką z wiersza ";
    struct Case {
        std::optional<std::string> asked;
        std::optional<std::string> expected;
    };
    const Case cases[] = {
        {deleteQuestion(c, EditorGrid::Compressors, 2),
         "Sprężarka ZB2 jest używana przez 3 agregaty." + used},
        {deleteQuestion(c, EditorGrid::Compressors, 3),
         "Sprężarka ZB3 jest używana przez 1 agregat." + used},
        {deleteQuestion(c, EditorGrid::Compressors, 4),
         "Sprężarka ZB4 jest używana przez 5 agregatów." + used},
        {deleteQuestion(c, EditorGrid::Compressors, 5),
         "Sprężarka z wiersza 5 jest używana przez 1 agregat." + used},
        {deleteQuestion(c, EditorGrid::Condensers, 1),
         "Skraplacz Skraplacz 1 jest używany przez 10 agregatów." + used},
        {deleteQuestion(c, EditorGrid::Compressors, 1), std::nullopt},
        {deleteQuestion(c, EditorGrid::Units, 1), std::nullopt},
        {deleteQuestion(c, EditorGrid::Compressors, 9), std::nullopt},
        {copyQuestion(c, whole, 1, "2"), overwrite + "2?"},
        {copyQuestion(c, whole, 6, "2"), std::nullopt}, // as "Dodaj wolny wiersz" left it
        {copyQuestion(c, whole, 1, "1"), std::nullopt},
        {copyQuestion(c, whole, 1, "abc"), std::nullopt},
        {copyQuestion(c, envelopes, 1, "2"), std::nullopt},
        {copyQuestion(c, envelopes, 2, "1"),
         "Sprężarka ZB2 ma już koperty pracy. Nadpisać je kopertami sprężarki z wiersza 1?"},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(cases[i].asked, cases[i].expected) << "case " << i;
}

TEST_F(RowOperations, MovesShiftTheRecordsBetweenBothWays)
{
    ASSERT_TRUE(moveRecord(c, EditorGrid::Compressors, 5, "2").done);
    const auto ids = [&] {
        std::string s;
        for (int i = 1; i <= c.compressors.count(); ++i)
            s += c.compressors[i].id.str();
        return s;
    };
    EXPECT_EQ(ids(), "15234");
    ASSERT_TRUE(moveRecord(c, EditorGrid::Compressors, 2, "5").done);
    EXPECT_EQ(ids(), "12345");
    for (const char* bad : {"", "6", "0", "2,5", "x"}) {
        const RowEdit edit = moveRecord(c, EditorGrid::Compressors, 1, bad);
        EXPECT_FALSE(edit.done) << bad;
        EXPECT_EQ(edit.message.rfind(std::string(kActionCancelled) + "\r", 0), 0u) << bad;
    }
    EXPECT_EQ(ids(), "12345");
}

TEST_F(RowOperations, CopiesTakeEnvelopesOrTheWholeRecordButKeepTheirOwnId)
{
    c.compressors.at(4).refrigerant = "R22";
    c.compressors.at(4).envelopes[1].tk[9] = "55";
    c.compressors.at(4).model = "źródło";
    ASSERT_TRUE(copyEnvelopes(c, 1, "4").done);
    EXPECT_EQ(c.compressors[1].envelopes[1].tk[9], "55");
    EXPECT_EQ(c.compressors[1].model, "ZB1");

    ASSERT_TRUE(copyCompressor(c, 2, "4", "R404A").done);
    EXPECT_EQ(c.compressors[2].id, "2");
    EXPECT_EQ(c.compressors[2].refrigerant, "R404A");
    EXPECT_EQ(c.compressors[2].model, "źródło");
    EXPECT_FALSE(copyCompressor(c, 2, "", "R404A").done);
    EXPECT_FALSE(copyEnvelopes(c, 2, "77").done);
}

TEST_F(RowOperations, AssignmentsCheckTheRefrigerantExceptForFrames)
{
    const CondensingUnitRecord before = c.units[1];
    const RowEdit mismatch = assignToUnit(c, EditorGrid::Condensers, 1, "5");
    EXPECT_FALSE(mismatch.done);
    EXPECT_EQ(mismatch.message, "Skraplacz i Agregat nie posiadają tych samych czynników "
                                "chłodniczych\rAkcja anulowana !");
    EXPECT_TRUE(recordDifferences(before, c.units[1]).empty());

    ASSERT_TRUE(assignToUnit(c, EditorGrid::Condensers, 1, "4").done);
    EXPECT_EQ(c.units[1].condenserId, "4");
    EXPECT_EQ(c.units[1].condenserModel, "Skraplacz 4");
    ASSERT_TRUE(assignToUnit(c, EditorGrid::Compressors, 1, "5").done);
    EXPECT_EQ(c.units[1].compressorModel, "ZB5");

    c.units.at(2).refrigerant = "R22";
    const RowEdit frame = assignToUnit(c, EditorGrid::Frames, 2, "1");
    ASSERT_TRUE(frame.done);
    EXPECT_EQ(c.units[2].frameId, "7");
    EXPECT_TRUE(frame.refill.empty());

    // A cancelled prompt: nothing, and nothing said.
    const RowEdit silent = assignToUnit(c, EditorGrid::Frames, 2, "");
    EXPECT_FALSE(silent.done);
    EXPECT_TRUE(silent.message.empty());
}

TEST_F(RowOperations, EveryRefusalSaysWhyOnItsSecondLine)
{
    const EditorFilters filters;
    const std::pair<RowEdit, std::string> refusals[] = {
        {deleteRecord(c, EditorGrid::Units, 9), "wiersz 9 jest poza zakresem 1 .. 4"},
        {moveRecord(c, EditorGrid::Compressors, 0, "2"), "wiersz 0 jest poza zakresem 1 .. 5"},
        {moveRecord(c, EditorGrid::Compressors, 1, ""), "nie podano numeru wiersza"},
        {moveRecord(c, EditorGrid::Compressors, 1, "2,5"), "„2,5” nie jest liczbą całkowitą"},
        {moveRecord(c, EditorGrid::Compressors, 1, "6"), "wiersz 6 jest poza zakresem 1 .. 5"},
        {copyEnvelopes(c, 2, "77"), "wiersz 77 jest poza zakresem 1 .. 5"},
        // Record bytes are quoted as UTF-8, control bytes escaped.
        {copyCompressor(c, 2, "\xF3\x1B", "R404A"), "„ó\\x1B” nie jest liczbą całkowitą"},
        {assignToUnit(c, EditorGrid::Condensers, 5, "1"), "wiersz 5 jest poza zakresem 1 .. 4"},
        {assignToUnit(c, EditorGrid::Condensers, 1, "abc"), "„abc” nie jest liczbą całkowitą"},
        {assignToUnit(c, EditorGrid::Frames, 2, "2"),
         "wiersz 2 tabeli ram jest poza zakresem 1 .. 1"},
        {addUnit(c, {"R404A", 9, 3, 1, "1", "1"}, filters, RefrigerantRegistry::builtIn()),
         "wiersz 9 tabeli sprężarek jest poza zakresem 1 .. 5"},
        {addUnit(c, {"R404A", 1, 1, 1, "0", "1"}, filters, RefrigerantRegistry::builtIn()),
         "ilość sprężarek „0” nie jest liczbą całkowitą większą od 0"},
        {addUnit(c, {"R404A", 1, 1, 1, "1", "1\r\n2"}, filters, RefrigerantRegistry::builtIn()),
         "ilość skraplaczy „1\\x0D\\x0A2” nie jest liczbą całkowitą większą od 0"},
        {deleteRecord(*std::make_unique<Catalogue>(), EditorGrid::Units, 1),
         "tabela agregatów jest pusta"}};
    for (const auto& [edit, why] : refusals) {
        EXPECT_FALSE(edit.done) << why;
        EXPECT_EQ(edit.message, std::string(kActionCancelled) + "\r" + why);
    }
    EXPECT_EQ(c.units.count(), 4);
}

} // namespace
} // namespace kelvo
