#include <gtest/gtest.h>
#include <set>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "core/catalogue/record_layouts.h"
#include "core/editor/record_field_maps.h"

namespace kelvo
{
namespace
{

// Every text field and flag of a record through the file layout, which names each field once.
// With `fill`, each text gets a sentinel of its own and the flags alternate.
struct RecordFields {
    bool fill = false;
    std::vector<const std::string*> texts; // a field's own storage identifies it
    std::vector<std::size_t> widths;
    std::vector<bool*> flags;

    template <std::size_t N> void field(FixedText<N>& text)
    {
        if (fill)
            text = "s" + std::to_string(texts.size());
        texts.push_back(&text.str());
        widths.push_back(N);
    }
    void flag(bool& value)
    {
        if (fill)
            value = flags.size() % 2 == 0;
        flags.push_back(&value);
    }
    void skip(int) {}
};

template <class Record> RecordFields fieldsOf(Record& record, bool fill = false)
{
    RecordFields fields;
    fields.fill = fill;
    visitLines(record, fields);
    return fields;
}

template <class Record> std::vector<std::string> snapshot(Record& record)
{
    std::vector<std::string> all;
    const auto fields = fieldsOf(record);
    for (const auto* text : fields.texts)
        all.push_back(*text);
    for (const bool* flag : fields.flags)
        all.push_back(*flag ? "1" : "0");
    return all;
}

using Untouched = std::set<const std::string*>;

// What each window never shows nor changes (beside superheatMode, which its radio buttons own).
Untouched untouchedOf(CompressorRecord& r)
{
    Untouched fields = {&r.id.str(), &r.envelopes[0].tag.str(), &r.envelopes[1].tag.str()};
    for (std::size_t s = 0; s < r.coeffSets.size(); ++s) {
        fields.insert(&r.coeffSets[s].tag.str());
        if (s >= 2) { // sets 3 and 4
            fields.insert(&r.coeffSets[s].multiplier.str());
            for (const auto& c : r.coeffSets[s].c)
                fields.insert(&c.str());
        }
    }
    for (const auto& envelope : r.envelopes)
        for (std::size_t k = 8; k < 10; ++k) { // points 9 and 10
            fields.insert(&envelope.to[k].str());
            fields.insert(&envelope.tk[k].str());
        }
    return fields;
}
Untouched untouchedOf(CondensingUnitRecord& r)
{
    return {&r.compressorId.str(), &r.condenserId.str(), &r.frameId.str()};
}
Untouched untouchedOf(CondenserRecord& r)
{
    return {&r.id.str(), &r.note.str()};
}
Untouched untouchedOf(FrameRecord& r)
{
    return {&r.id.str()};
}

template <class Record> void walkForm(const EditorForm<Record>& form)
{
    SCOPED_TRACE(std::string(form.windowName));
    EXPECT_FALSE(form.caption.empty());

    std::set<std::string_view> names;
    auto addName = [&](std::string_view name) {
        EXPECT_TRUE(!name.empty() && names.insert(name).second) << "objectName '" << name << "'";
    };
    for (const auto& row : form.rows) {
        addName(row.objectName);
        if (!row.unitLabelName.empty())
            addName(row.unitLabelName);
        // A row without a label of its own is named by its group (and its radio button).
        EXPECT_FALSE(row.label.empty() && row.group.empty()) << row.objectName;
        EXPECT_EQ(row.stored(),
                  row.kind != ControlKind::Position && row.kind != ControlKind::Display);
        if (row.kind == ControlKind::ComboBox) {
            EXPECT_TRUE(row.items.size() >= 2 && row.items.front() == "?") << row.objectName;
        }
    }
    for (const auto& check : form.checks) {
        addName(check.objectName);
        EXPECT_FALSE(check.caption.empty() || check.group.empty()) << check.objectName;
    }
    if (form.suctionMode)
        for (const auto& button :
             {form.suctionMode->temperatureGiven, form.suctionMode->superheatGiven}) {
            addName(button.objectName);
            EXPECT_FALSE(button.caption.empty());
            EXPECT_GE(form.rowOf(button.editName), 0) << button.editName;
        }
    if (form.preview) {
        addName(form.preview->objectName);
        EXPECT_GE(form.rowOf(form.preview->sourceEdit), 0);
    }

    // A distinct value through each row's accessor, then find the one field that took it.
    Record record;
    const auto fields = fieldsOf(record, true);
    for (std::size_t i = 0; i < form.rows.size(); ++i)
        if (form.rows[i].stored())
            form.rows[i].field.write(record, "v" + std::to_string(i));
    Untouched covered;
    for (std::size_t i = 0; i < form.rows.size(); ++i) {
        const auto& row = form.rows[i];
        if (!row.stored())
            continue;
        const std::string value = "v" + std::to_string(i);
        EXPECT_EQ(row.field.read(record), value) << row.objectName << " shares its field";
        std::size_t k = 0;
        while (k < fields.texts.size() && *fields.texts[k] != value)
            ++k;
        ASSERT_LT(k, fields.texts.size()) << row.objectName;
        EXPECT_EQ(row.width(), fields.widths[k]) << row.objectName;
        covered.insert(fields.texts[k]);
    }
    Untouched changeable;
    const auto untouched = untouchedOf(record);
    for (const auto* text : fields.texts)
        if (untouched.count(text) == 0)
            changeable.insert(text);
    EXPECT_EQ(covered, changeable) << "the rows do not name exactly the changeable fields";

    // Each check box owns one flag; all flags but superheatMode are owned.
    std::set<const bool*> owned;
    for (const auto& check : form.checks) {
        const auto before = snapshot(record);
        check.flag.write(record, !check.flag.read(record));
        const auto after = snapshot(record);
        int flipped = 0;
        for (std::size_t k = 0; k < fields.flags.size(); ++k)
            if (before[fields.texts.size() + k] != after[fields.texts.size() + k]) {
                ++flipped;
                owned.insert(fields.flags[k]);
            }
        EXPECT_EQ(flipped, 1) << check.objectName;
    }
    EXPECT_EQ(owned.size(), fields.flags.size() - (form.suctionMode ? 1 : 0));
    if (form.suctionMode) { // the radio buttons own the remaining flag
        const auto& mode = form.suctionMode->superheatMode;
        for (bool* flag : fields.flags)
            if (owned.count(flag) == 0) {
                mode.write(record, !*flag);
                EXPECT_EQ(mode.read(record), *flag);
            }
    }
}

// Storing what was read changes nothing; storing long texts cuts each to its width and leaves
// the untouched fields and superheatMode alone.
template <class Record> void checkWriteBack(const EditorForm<Record>& form)
{
    SCOPED_TRACE(std::string(form.windowName));
    Record record;
    const auto fields = fieldsOf(record, true);
    for (const auto& row : form.rows) // a combo box holds one of its items
        if (row.kind == ControlKind::ComboBox)
            row.field.write(record, row.items.back());
    const auto before = snapshot(record);
    bool mode = false;
    if constexpr (requires(Record & x) { x.superheatMode; })
        mode = record.superheatMode;
    auto values = readFields(form, record, 7);
    writeBack(form, record, values);
    EXPECT_EQ(snapshot(record), before);

    for (std::size_t i = 0; i < form.rows.size(); ++i) {
        const auto& row = form.rows[i];
        values.texts[i] = row.kind == ControlKind::ComboBox
                              ? std::string(row.items.back())
                              : std::to_string(i) + std::string(60, 'z');
    }
    values.checks.flip();
    writeBack(form, record, values);
    for (std::size_t i = 0; i < form.rows.size(); ++i) {
        if (form.rows[i].stored()) {
            EXPECT_EQ(form.rows[i].field.read(record),
                      values.texts[i].substr(0, form.rows[i].width()))
                << form.rows[i].objectName;
        }
    }
    EXPECT_EQ(readFields(form, record, 7).checks, values.checks);
    const auto after = snapshot(record);
    const auto untouched = untouchedOf(record);
    for (std::size_t k = 0; k < fields.texts.size(); ++k) {
        if (untouched.count(fields.texts[k]) != 0) {
            EXPECT_EQ(after[k], before[k]) << "field " << k;
        }
    }
    if constexpr (requires(Record & x) { x.superheatMode; }) {
        EXPECT_EQ(record.superheatMode, mode);
    }

    values.texts.pop_back();
    EXPECT_THROW(writeBack(form, record, values), std::invalid_argument);
}

TEST(RecordFieldMaps, EveryFormNamesEachChangeableFieldOnceWithItsWidth)
{
    walkForm(compressorEditorForm());
    walkForm(unitEditorForm());
    walkForm(condenserEditorForm());
    walkForm(frameEditorForm());
}

TEST(RecordFieldMaps, WriteBackCutsToTheWidthAndLeavesUnshownFieldsAlone)
{
    checkWriteBack(compressorEditorForm());
    checkWriteBack(unitEditorForm());
    checkWriteBack(condenserEditorForm());
    checkWriteBack(frameEditorForm());
}

template <class Record> const auto& rowNamed(const EditorForm<Record>& form, std::string_view name)
{
    const int i = form.rowOf(name);
    if (i < 0)
        throw std::out_of_range(std::string(name));
    return form.rows[static_cast<std::size_t>(i)];
}

TEST(RecordFieldMaps, RowsAreTheWindowsControls)
{
    const auto& compressor = compressorEditorForm();
    EXPECT_EQ(compressor.rows.size(), 75u);
    CompressorRecord r;
    auto writes = [&](std::string_view name, const auto& field) {
        rowNamed(compressor, name).field.write(r, name);
        return field == name;
    };
    EXPECT_TRUE(writes("Edit38", r.envelopes[0].to[0]));
    EXPECT_TRUE(writes("Edit39", r.envelopes[0].tk[0]));
    EXPECT_TRUE(writes("Edit53", r.envelopes[0].tk[7]));
    EXPECT_TRUE(writes("Edit54", r.envelopes[1].to[0]));
    EXPECT_TRUE(writes("Edit19", r.coeffSets[0].c[3]));
    EXPECT_TRUE(writes("Edit37", r.coeffSets[1].multiplier));
    EXPECT_EQ(rowNamed(compressor, "Edit39").label, "1");
    EXPECT_EQ(rowNamed(compressor, "Edit39").column, "tk");
    EXPECT_EQ(rowNamed(compressor, "Edit6").unitLabel, "kg]"); // the window's own text
    EXPECT_EQ(rowNamed(compressor, "Edit73").unitLabelName, "Label70");
    EXPECT_EQ(rowNamed(compressor, "Edit75").shown, SuctionVisibility::WhenSuperheatGiven);

    const auto& unit = unitEditorForm();
    EXPECT_EQ(unit.rows.size(), 32u);
    ASSERT_EQ(unit.checks.size(), 19u);
    EXPECT_EQ(unit.checks[12].objectName, "CheckBox7");
    EXPECT_EQ(unit.checks[12].caption, "1x presostat wys. ciśnienia "); // with its blank
    CondensingUnitRecord u;
    unit.checks[12].flag.write(u, true);
    EXPECT_TRUE(u.boxAccessories[5]);
    EXPECT_TRUE(rowNamed(unit, "Edit30").derived);
    EXPECT_EQ(rowNamed(unit, "Edit30").label, "C");
    EXPECT_TRUE(unit.housing->showsBox("BOX"));
    EXPECT_FALSE(unit.housing->showsBox("Box"));

    EXPECT_EQ(rowNamed(condenserEditorForm(), "Edit3").width(), 50u);
    EXPECT_TRUE(condenserEditorForm().store.onClose);
    EXPECT_EQ(rowNamed(frameEditorForm(), "Edit1").width(), 50u);
    EXPECT_EQ(rowNamed(frameEditorForm(), "Edit10").kind, ControlKind::Position);
}

TEST(RecordFieldMaps, AnUnlistedComboTextOpensAndIsStoredAsQuestionMark)
{
    const auto& form = unitEditorForm();
    const auto housing = static_cast<std::size_t>(form.rowOf("ComboBox1"));
    const auto version = static_cast<std::size_t>(form.rowOf("ComboBox2"));
    CondensingUnitRecord r;
    r.housing = "Box";
    r.version = "KB";
    auto values = readFields(form, r, 3);
    EXPECT_EQ(values.texts[0], "3");
    EXPECT_EQ(values.texts[housing], "?");
    EXPECT_EQ(values.texts[version], "KB");
    values.texts[static_cast<std::size_t>(form.rowOf("Edit26"))] = "frame name"; // not stored
    writeBack(form, r, values);
    EXPECT_EQ(r.housing, "?");

    values.texts[housing] = "BOX";
    values.texts[version] = "?"; // chosen over a listed text: stored
    writeBack(form, r, values);
    EXPECT_EQ(r.housing, "BOX");
    EXPECT_EQ(r.version, "?");
}

// The catalogue files hold one field a line: a changed text with a line break or another
// control byte refuses the whole form, naming its field.
TEST(RecordFieldMaps, AControlByteInAChangedTextRefusesTheWholeForm)
{
    const auto& form = compressorEditorForm();
    const auto row = [&](const char* name) { return static_cast<std::size_t>(form.rowOf(name)); };
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"Edit3", "ZB\r\n45", "Sprężarka: Typ sprężarki"},
        {"Edit43", "4\t0", "Koperta pracy 1: tk 3"}};
    for (const auto& [name, text, field] : cases) {
        CompressorRecord r;
        r.model = "ZB45";
        const auto before = snapshot(r);
        auto values = readFields(form, r, 1);
        values.texts[row("Edit2")] = "Frascold";
        values.texts[row(name)] = text;
        EXPECT_EQ(writeBack(form, r, values),
                  "Pole „" + std::string(field) +
                      "” zawiera znak końca wiersza lub inny znak sterujący\rZmian nie zapisano.");
        EXPECT_EQ(snapshot(r), before) << name;
    }
    // A record read with such a byte stays editable.
    CompressorRecord r;
    r.model = "Z\tB";
    auto values = readFields(form, r, 1);
    values.texts[row("Edit2")] = "Frascold";
    EXPECT_EQ(writeBack(form, r, values), "");
    EXPECT_EQ(r.manufacturer, "Frascold");
}

} // namespace
} // namespace kelvo
