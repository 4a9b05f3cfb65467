#include <gtest/gtest.h>
#include <memory>
#include <string>

#include "core/editor/editor_session.h"
#include "core/editor/record_editor_session.h"
#include "support/workspace_edits.h"

namespace kelvo
{
namespace
{

class RecordEditors : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        Catalogue c;
        CondenserRecord condenser;
        condenser.refrigerant = "R404A";
        condenser.id = "4";
        condenser.height = "650";
        c.condensers.append(condenser);
        FrameRecord frame;
        frame.id = "9";
        frame.name = "Rama BASE";
        frame.housing = "BASE";
        frame.dimensions.c = "1234";
        frame.dimensions.d = "800";
        frame.dimFi = "12";
        c.frames.append(frame);
        CondensingUnitRecord unit;
        unit.refrigerant = "R404A";
        unit.name = "Agregat";
        unit.housing = "Box";
        unit.version = "KB";
        unit.condenserId = "4";
        unit.condenserCount = "2";
        unit.frameId = "9";
        unit.dimensions.c = "stare";
        c.units.append(unit);
        CompressorRecord compressor;
        compressor.refrigerant = "R404A";
        compressor.id = "1";
        compressor.envelopes[0].to[8] = "-40";
        compressor.envelopes[0].tk[9] = "30";
        compressor.suctionTemperature = "20";
        c.compressors.append(compressor);
        workspace.replaceCatalogue(c);
        // Every record listed, each grid on its first row.
        const auto boxes = editorFilterBoxes();
        for (std::size_t i = 0; i < boxes.size(); ++i)
            if (boxes[i].option->caption == "ALL")
                editor.setFilter(i, true);
        editor.chooseRefrigerant("R404A");
    }
    const Catalogue& catalogue() const { return workspace.catalogue(); }

    static std::string& text(FormValues& values, const RecordEditorSession& session,
                             const char* name)
    {
        const int row = session.layout().controlOf(name);
        EXPECT_GE(row, 0) << name;
        return values.texts.at(static_cast<std::size_t>(row));
    }

    Workspace workspace{"data"};
    EditorSession editor{workspace};
};

TEST_F(RecordEditors, TheUnitEditorDerivesItsDimensionsAndStoresThemOnClosing)
{
    auto session = editor.openRecordEditor(EditorGrid::Units);
    ASSERT_TRUE(session);
    EXPECT_EQ(session->index(), 1);
    FormValues values = session->opening();
    EXPECT_EQ(text(values, *session, "Edit26"), "Rama BASE");
    EXPECT_EQ(text(values, *session, "Edit30"), "2100"); // 800 + 650 x 2
    EXPECT_EQ(text(values, *session, "Edit31"), "800");
    EXPECT_EQ(text(values, *session, "Edit36"), "12");
    EXPECT_EQ(text(values, *session, "ComboBox1"), "?"); // "Box" is no item
    session->close(values);
    const CondensingUnitRecord& unit = catalogue().units[1];
    EXPECT_EQ(unit.dimensions.c, "2100");
    EXPECT_EQ(unit.housing, "?");
    EXPECT_EQ(unit.version, "KB");

    // A "BOX" frame gives its own C; texts that are no numbers, or no frame, give "?".
    Catalogue c = catalogue();
    c.frames.at(1).housing = "BOX";
    EXPECT_EQ(deriveUnitTexts(c, 1, ',').dims[2], "1234");
    c.frames.at(1).housing = "BASE";
    c.units.at(1).condenserCount = "dwa";
    EXPECT_EQ(deriveUnitTexts(c, 1, ',').dims[2], "?");
    c.units.at(1).frameId = "5";
    const UnitDerivedTexts none = deriveUnitTexts(c, 1, ',');
    EXPECT_TRUE(none.frameName.empty());
    EXPECT_EQ(none.dims[0], "?");
    EXPECT_EQ(none.dimFi, "?");
}

TEST_F(RecordEditors, TheCompressorEditorCutsToTheWidthAndKeepsWhatItDoesNotShow)
{
    auto session = editor.openRecordEditor(EditorGrid::Compressors);
    ASSERT_TRUE(session);
    EXPECT_EQ(session->layout().controls.at(session->layout().controlOf("Edit5")).suggestions,
              workspace.refrigerants().editorNames());
    FormValues values = session->opening();
    EXPECT_EQ(text(values, *session, "Edit1"), "1");
    text(values, *session, "Edit16") = std::string(60, '7');
    text(values, *session, "Edit38") = "-35";
    session->setSuperheatMode(true);
    session->close(values);
    const CompressorRecord& c = catalogue().compressors[1];
    EXPECT_EQ(c.coeffSets[0].c[0].str(), std::string(50, '7'));
    EXPECT_EQ(c.envelopes[0].to[0], "-35");
    EXPECT_EQ(c.envelopes[0].to[8], "-40");
    EXPECT_EQ(c.envelopes[0].tk[9], "30");
    EXPECT_TRUE(c.superheatMode);
    EXPECT_EQ(c.suctionTemperature, "20");
}

TEST_F(RecordEditors, AFieldThatIsNoUsableValueIsToldWhyWhenLeft)
{
    const struct {
        EditorGrid table;
        const char* control;
        const char* text;
        const char* said; // empty: nothing to tell
    } cases[] = {
        {EditorGrid::Compressors, "Edit38", "abc", "'abc' nie jest liczbą"},
        {EditorGrid::Compressors, "Edit38", "-300", "punkt obszaru pracy '-300' (>= -273,15 C)"},
        {EditorGrid::Compressors, "Edit38", "1e400", "'1e400' nie jest liczbą"},
        {EditorGrid::Compressors, "Edit38", "", ""}, // a point not given
        {EditorGrid::Compressors, "Edit26", "-1", "mnożnik Qo '-1' (> 0)"},
        {EditorGrid::Compressors, "Edit16", "-5000", ""}, // a coefficient may be negative
        {EditorGrid::Units, "Edit2", "  ", "Nazwa: pole nie może być puste"},
        {EditorGrid::Units, "Edit7", "-300", "to max '-300' (>= -273,15 C)"},
        {EditorGrid::Units, "Edit6", "", "to min: '' nie jest liczbą"},
        {EditorGrid::Units, "Edit76", "-500", "dochłodzenie '-500' (>= 0)"},
        {EditorGrid::Units, "Edit7", "10,5", ""},
        {EditorGrid::Condensers, "Edit15", "-0.2", "moc wentylatora '-0.2' (>= 0)"},
    };
    for (const auto& c : cases) {
        auto session = editor.openRecordEditor(c.table);
        ASSERT_TRUE(session);
        const std::string said = session->fieldWarning(c.control, c.text);
        if (std::string(c.said).empty())
            EXPECT_EQ(said, "") << c.control << " " << c.text;
        else
            EXPECT_NE(said.find(c.said), std::string::npos) << said;
        session->close(session->opening());
    }
}

TEST_F(RecordEditors, OneSessionIsOneStepOfTheHistory)
{
    auto session = editor.openRecordEditor(EditorGrid::Condensers);
    ASSERT_TRUE(session);
    FormValues values = session->opening();
    for (const char* typed : {"1", "12", "123"}) {
        text(values, *session, "Edit5") = typed;
        session->store(values); // every key release
    }
    EXPECT_EQ(catalogue().condensers[1].coeffA, "123");
    session->close(values);
    EXPECT_EQ(editor.history().undoSteps(), 1u);
    EXPECT_EQ(editor.history().undoDescription(), "Edytuj wiersz – skraplacz 1");
    ASSERT_TRUE(editor.undo());
    EXPECT_TRUE(catalogue().condensers[1].coeffA.empty());

    // Closing unchanged is no step.
    auto frame = editor.openRecordEditor(EditorGrid::Frames);
    ASSERT_TRUE(frame);
    frame->close(frame->opening());
    EXPECT_EQ(editor.history().undoSteps(), 0u);
}

TEST_F(RecordEditors, NothingIsStoredWhileTheWindowFillsItsControls)
{
    auto session = editor.openRecordEditor(EditorGrid::Frames);
    ASSERT_TRUE(session);
    FormValues values = session->opening();
    text(values, *session, "Edit11") = "inna";
    {
        const CalculationPause filling = editor.pauseCalculation();
        session->store(values);
    }
    EXPECT_EQ(catalogue().frames[1].name, "Rama BASE");
    session->store(values);
    EXPECT_EQ(catalogue().frames[1].name, "inna");
    EXPECT_EQ(editor.grid(EditorGrid::Frames).rows[0].name, "inna") << "the grid follows";
    EXPECT_EQ(session->drawingFile("R1"), std::filesystem::path("data") / "wmf" / "R1.wmf");
}

TEST_F(RecordEditors, NoCurrentRowOpensNothing)
{
    workspace.replaceCatalogue(Catalogue{});
    EXPECT_FALSE(editor.openRecordEditor(EditorGrid::Units));
    EXPECT_FALSE(editor.openRecordEditor(EditorGrid::Frames));
}

TEST(DrawingPreview, StretchesOnlyWithinWhatRealDrawingsNeed)
{
    EXPECT_TRUE(previewMayStretch(400, 300, 300, 300));
    EXPECT_TRUE(previewMayStretch(100, 400, 200, 400));
    EXPECT_FALSE(previewMayStretch(1, 10000, 64, 48));
    EXPECT_FALSE(previewMayStretch(0, 10, 64, 48));
}

} // namespace
} // namespace kelvo
