#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "core/catalogue/records.h"
#include "core/performance/physical_ranges.h"

namespace kelvo
{

// The four record editors (compressor, condensing unit, condenser, frame) described once as
// data: every control with its group, caption, objectName, the record field it shows and
// stores, and its unit label. The editor windows are built from these forms and store through
// the generic readFields / writeBack below.
//
// Everything here works on record bytes (Windows-1250). Captions are UTF-8 and exact. A window
// converts a control's text with fromUtf8 before writeBack, so that the cut to the width falls
// on record characters, not on UTF-8 bytes.

// Reads a text field's bytes and stores a value cut to the field's width.
template <class Record> struct TextField {
    std::string_view (*read)(const Record&) = nullptr;
    void (*write)(Record&, std::string_view) = nullptr;
    std::size_t width = 0;

    explicit operator bool() const { return read != nullptr; }
};

template <class Record> struct FlagField {
    bool (*read)(const Record&) = nullptr;
    void (*write)(Record&, bool) = nullptr;
};

namespace detail
{
template <class Record, class Get>
using FieldOf = std::remove_cvref_t<decltype(Get{}(std::declval<Record&>()))>;
}

// The field a captureless lambda `[](auto& r) -> auto& { return r.coeffSets[0].c[3]; }`
// names, for const and mutable records alike. The width is the field type's own.
template <class Record, class Get> constexpr TextField<Record> textField(Get)
{
    using Field = detail::FieldOf<Record, Get>;
    static_assert(std::is_empty_v<Get>, "the accessor must not capture");
    return {[](const Record& r) -> std::string_view { return Get{}(r).view(); },
            [](Record& r, std::string_view value) { Get{}(r).assign(value); }, Field::width};
}

template <class Record, class Get> constexpr FlagField<Record> flagField(Get)
{
    static_assert(std::is_same_v<detail::FieldOf<Record, Get>, bool>, "not a flag");
    return {[](const Record& r) -> bool { return Get{}(r); },
            [](Record& r, bool value) { Get{}(r) = value; }};
}

enum class ControlKind {
    Position,     // disabled edit with the record's table index; no field
    Edit,         // line edit bound to its field
    ReadOnlyEdit, // disabled line edit; shows its field and is stored back all the same
    ComboBox,     // fixed list of items; item 0 ("?") stands for every other text
    Display,      // disabled edit the window fills from another record; no field
};

// Which value of the suction switch shows the row (and its unit label).
enum class SuctionVisibility { Always, WhenTemperatureGiven, WhenSuperheatGiven };

// Whether the program reads a field as a decimal number ("," or "."), for "Sprawdź dane".
enum class FieldNumber {
    None,     // a text
    Optional, // a number, or empty when not given (read as missing, never as a fault)
    Required, // a number the calculation cannot do without while the row is shown
};

template <class Record> struct FieldRow {
    std::string_view group{}; // group box caption; empty for the window's top area
    std::string_view label{}; // caption of the label before the control; empty when none
    std::string objectName{}; // the control, e.g. "Edit16"
    ControlKind kind = ControlKind::Edit;
    TextField<Record> field{};             // empty for Position and Display
    std::string_view unitLabel{};          // exact text after the control; may be empty
    std::string_view unitLabelName{};      // objectName of the unit label where one is fixed
    std::string_view column{};             // grid column caption ("to", "tk"); empty elsewhere
    std::string_view hint{};               // tool tip of the control
    std::vector<std::string_view> items{}; // ComboBox items, item 0 first
    SuctionVisibility shown = SuctionVisibility::Always;
    bool derived = false; // the window replaces the stored text with one derived on opening
    FieldNumber number = FieldNumber::None;
    bool refrigerant = false; // a refrigerant name: the registry's names are offered
    // The range a number there must lie in, where the calculation reads it.
    std::optional<PhysicalField> physical{};
    bool nonEmpty = false; // a text every list and search names the record by

    [[nodiscard]] std::size_t width() const { return field.width; }
    [[nodiscard]] bool stored() const { return static_cast<bool>(field); }
};

template <class Record> struct CheckRow {
    std::string_view group{};
    std::string_view caption{};
    std::string_view objectName{}; // e.g. "CheckBox9"
    FlagField<Record> flag{};      // ticked = true
};

struct RadioButtonSpec {
    std::string_view objectName{};
    std::string_view caption{};
    std::string_view editName{}; // the edit shown while this button is selected
};

// Two radio buttons over the record's superheatMode. A click stores the flag at once (through
// `superheatMode`), then the window shows the edit of the selected button and its unit label
// and hides the other. Both texts stay stored whichever is hidden; writeBack does not touch
// the flag.
template <class Record> struct SuctionModeSwitch {
    std::string_view group{};
    FlagField<Record> superheatMode{};
    RadioButtonSpec temperatureGiven{}; // selected when superheatMode is false
    RadioButtonSpec superheatGiven{};   // selected when superheatMode is true
};

// The unit editor's housing combo box: "BOX" hides the version box and its label and shows
// the BOX accessories in place of the BASE ones. Hidden controls keep and store their values.
struct HousingSwitch {
    std::string_view comboName{};
    std::string_view boxText{};
    std::string_view hiddenForBox{}; // control hidden with its label when the housing is boxText
    std::string_view boxGroup{};
    std::string_view baseGroup{};

    [[nodiscard]] bool showsBox(std::string_view comboText) const { return comboText == boxText; }
};

// Stretched preview of `programDir` + "wmf" + separator + the drawing field + ".wmf"; an empty
// picture when it cannot be loaded.
struct DrawingPreview {
    std::string_view group{};
    std::string_view objectName{};
    std::string_view sourceEdit{}; // the row whose text names the drawing
};

// When the window stores the form into the record.
struct StoreMoments {
    bool onClose = true;
    bool onEveryKeyRelease = false;    // in any editable control
    std::string_view onKeyReleaseIn{}; // in this control only (then the preview reloads)
};

template <class Record> struct EditorForm {
    std::string_view windowName{}; // e.g. "TForm8"
    std::string_view caption{};
    std::vector<FieldRow<Record>> rows{}; // in the order the window lays them out
    std::vector<CheckRow<Record>> checks{};
    std::optional<SuctionModeSwitch<Record>> suctionMode{};
    std::optional<HousingSwitch> housing{};
    std::optional<DrawingPreview> preview{};
    StoreMoments store{};

    // Index of the row with this objectName, or -1.
    [[nodiscard]] int rowOf(std::string_view objectName) const
    {
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (rows[i].objectName == objectName)
                return static_cast<int>(i);
        return -1;
    }
};

const EditorForm<CompressorRecord>& compressorEditorForm(); // TForm8
const EditorForm<CondensingUnitRecord>& unitEditorForm();   // TForm9
const EditorForm<CondenserRecord>& condenserEditorForm();   // TForm10
const EditorForm<FrameRecord>& frameEditorForm();           // TForm12

// How a message names a row: its group and caption ("Sprężarka: Typ sprężarki"), an envelope
// point with its column ("Koperta pracy 1: tk 3").
template <class Record> std::string fieldName(const FieldRow<Record>& row);

// Whether the suction switch of `record` shows the row (rows outside the switch always).
template <class Record>
bool rowShown(const EditorForm<Record>& form, const FieldRow<Record>& row, const Record& record);

// What a form's controls show, in record bytes: one text per row, one tick per check box.
struct FormValues {
    std::vector<std::string> texts{};
    std::vector<bool> checks{};
};

// The item a combo box selects for a record text: the item equal to it, else item 0.
int comboItemIndex(const std::vector<std::string_view>& items, std::string_view text);

// The controls' contents for a record: each field's text (a combo box's selected item), the
// table index in the Position row, empty texts in Display rows.
template <class Record>
FormValues readFields(const EditorForm<Record>& form, const Record& record, int position);

// Stores every row that has a field, cut to its width, and every check box's tick. Fields no
// row names are left as they are. A combo box on item 0 stores "?": an unlisted text ("Box")
// opens as "?" and is stored as "?".
// A text that holds a line break or another control byte, and is not what its field already
// holds, is refused: nothing is stored, and the message returned names its field. Empty when
// stored.
// Throws std::invalid_argument when the values do not have one entry per row and check box.
// These functions exist for the four record types above.
template <class Record>
std::string writeBack(const EditorForm<Record>& form, Record& record, const FormValues& values);

} // namespace kelvo
