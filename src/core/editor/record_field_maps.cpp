#include "core/editor/record_field_maps.h"

#include <array>
#include <stdexcept>
#include <utility>

#include "core/text/untrusted_text.h"

namespace kelvo
{
namespace
{

// The field of `Record` at `path`, e.g. FIELD(envelopes[1].to[7]).
#define FIELD(path) textField<Record>([](auto& r) -> auto& { return r.path; })
#define FLAG(path) flagField<Record>([](auto& r) -> auto& { return r.path; })

std::string edit(std::size_t number)
{
    return "Edit" + std::to_string(number);
}

constexpr std::array<std::string_view, 10> kCoefficientLabels = {"C0", "C1", "C2", "C3", "C4",
                                                                 "C5", "C6", "C7", "C8", "C9"};
constexpr std::array<std::string_view, 8> kPointLabels = {"1", "2", "3", "4", "5", "6", "7", "8"};
constexpr std::array<std::string_view, 8> kDimensionLabels = {"A", "B", "C", "D",
                                                              "E", "F", "G", "H"};

constexpr std::string_view kSuctionGroup = "Na ssaniu sprężarki";
constexpr RadioButtonSpec kTemperatureGiven = {"RadioButton1", "Temperatura na ssaniu sprężarki",
                                               "Edit73"};
constexpr RadioButtonSpec kSuperheatGiven = {"RadioButton2", "Przegrzanie", "Edit75"};

// ---- Compressor ------------------------------------------------------------------------------

using CompressorRows = std::vector<FieldRow<CompressorRecord>>;

// C0 .. C9 and the multiplier of coefficient set `Set` (0-based), in consecutive edits.
template <std::size_t Set, std::size_t... C>
void addCoefficientSet(CompressorRows& rows, std::string_view group, std::size_t firstEdit,
                       std::index_sequence<C...>)
{
    using Record = CompressorRecord;
    (rows.push_back({.group = group,
                     .label = kCoefficientLabels[C],
                     .objectName = edit(firstEdit + C),
                     .field = FIELD(coeffSets[Set].c[C]),
                     .number = FieldNumber::Optional}),
     ...);
    // Sets 1 and 2 are the capacity and the power the calculation scales.
    std::optional<PhysicalField> physical;
    if (Set < 2)
        physical = Set == 0 ? PhysicalField::CapacityMultiplier : PhysicalField::PowerMultiplier;
    rows.push_back({.group = group,
                    .label = "Mnożnik",
                    .objectName = edit(firstEdit + sizeof...(C)),
                    .field = FIELD(coeffSets[Set].multiplier),
                    .physical = physical});
}

// Points 1 .. 8 of envelope `Env` (0-based): point k's "to" and "tk" in edits firstEdit + 2k
// and firstEdit + 2k + 1 (k from 0). Points 9 and 10 have no control.
template <std::size_t Env, std::size_t... P>
void addEnvelope(CompressorRows& rows, std::string_view group, std::size_t firstEdit,
                 std::index_sequence<P...>)
{
    using Record = CompressorRecord;
    (
        [&] {
            rows.push_back({.group = group,
                            .label = kPointLabels[P],
                            .objectName = edit(firstEdit + 2 * P),
                            .field = FIELD(envelopes[Env].to[P]),
                            .column = "to",
                            .number = FieldNumber::Optional,
                            .physical = PhysicalField::EnvelopeTemperature});
            rows.push_back({.group = group,
                            .label = kPointLabels[P],
                            .objectName = edit(firstEdit + 2 * P + 1),
                            .field = FIELD(envelopes[Env].tk[P]),
                            .column = "tk",
                            .number = FieldNumber::Optional,
                            .physical = PhysicalField::EnvelopeTemperature});
        }(),
        ...);
}

// The suction state (gas temperature or superheat, with the radio buttons that choose) and
// the subcooling, as the compressor and the unit editors both show them; the compressor
// editor names the two unit labels.
template <class Record>
void addSuctionFields(EditorForm<Record>& form, std::string_view temperatureUnitName = {},
                      std::string_view superheatUnitName = {})
{
    form.rows.push_back({.group = kSuctionGroup,
                         .objectName = "Edit73",
                         .field = FIELD(suctionTemperature),
                         .unitLabel = "[C]",
                         .unitLabelName = temperatureUnitName,
                         .shown = SuctionVisibility::WhenTemperatureGiven,
                         .number = FieldNumber::Required,
                         .physical = PhysicalField::SuctionTemperature});
    form.rows.push_back({.group = kSuctionGroup,
                         .objectName = "Edit75",
                         .field = FIELD(superheat),
                         .unitLabel = "[K]",
                         .unitLabelName = superheatUnitName,
                         .shown = SuctionVisibility::WhenSuperheatGiven,
                         .number = FieldNumber::Required,
                         .physical = PhysicalField::Superheat});
    form.rows.push_back({.group = "Dochłodzenie",
                         .objectName = "Edit76",
                         .field = FIELD(subcooling),
                         .unitLabel = "[K]",
                         .number = FieldNumber::Required,
                         .physical = PhysicalField::Subcooling});
    form.suctionMode = SuctionModeSwitch<Record>{kSuctionGroup, FLAG(superheatMode),
                                                 kTemperatureGiven, kSuperheatGiven};
}

EditorForm<CompressorRecord> makeCompressorForm()
{
    using Record = CompressorRecord;
    constexpr std::string_view compressor = "Sprężarka";
    constexpr std::string_view oil = "Olej";
    constexpr std::string_view motor = "Silnik";
    EditorForm<Record> form{.windowName = "TForm8", .caption = "Sprężarka"};
    auto& rows = form.rows;
    rows = {
        {.group = compressor,
         .label = "Pozycja",
         .objectName = "Edit1",
         .kind = ControlKind::Position},
        {.group = compressor,
         .label = "Producent sprężarki",
         .objectName = "Edit2",
         .field = FIELD(manufacturer)},
        {.group = compressor,
         .label = "Typ sprężarki",
         .objectName = "Edit3",
         .field = FIELD(model)},
        {.group = compressor,
         .label = "Rodzaj sprężarki",
         .objectName = "Edit4",
         .field = FIELD(kind)},
        {.group = compressor,
         .label = "Czynnik chłodniczy",
         .objectName = "Edit5",
         .field = FIELD(refrigerant),
         .refrigerant = true},
        {.group = compressor,
         .label = "Masa sprężarki",
         .objectName = "Edit6",
         .field = FIELD(mass),
         .unitLabel = "kg]",
         .number = FieldNumber::Optional},
        {.group = compressor,
         .label = "Temp gaz",
         .objectName = "Edit10",
         .field = FIELD(gasTemperature),
         .unitLabel = "[C]",
         .number = FieldNumber::Optional},
        {.group = compressor,
         .label = "Przegrzanie",
         .objectName = "Edit11",
         .field = FIELD(nominalSuperheat),
         .unitLabel = "[K]",
         .number = FieldNumber::Optional},
        {.group = compressor,
         .label = "Dochłodzenie",
         .objectName = "Edit12",
         .field = FIELD(nominalSubcooling),
         .unitLabel = "[K]",
         .number = FieldNumber::Optional},
        {.group = compressor,
         .label = "Wydajność skokowa",
         .objectName = "Edit13",
         .field = FIELD(displacement),
         .unitLabel = "[m3/h]",
         .number = FieldNumber::Optional},
        {.group = oil, .label = "Typ oleju", .objectName = "Edit7", .field = FIELD(oilType)},
        {.group = oil,
         .label = "Ilość oleju",
         .objectName = "Edit8",
         .field = FIELD(oilVolume),
         .unitLabel = "[dm3]",
         .number = FieldNumber::Optional},
        {.group = motor,
         .label = "Moc silnika",
         .objectName = "Edit9",
         .field = FIELD(motorPower),
         .unitLabel = "[kW]",
         .number = FieldNumber::Optional},
        {.group = motor,
         .label = "Max prąd",
         .objectName = "Edit14",
         .field = FIELD(maxCurrent),
         .unitLabel = "[A]",
         .number = FieldNumber::Optional},
        {.group = motor,
         .label = "Max prąd Z",
         .objectName = "Edit15",
         .field = FIELD(maxCurrentZ),
         .unitLabel = "[A]",
         .number = FieldNumber::Optional},
        {.group = motor, .label = "Zasilanie", .objectName = "Edit70", .field = FIELD(powerSupply)},
        {.group = motor, .label = "Rozruch", .objectName = "Edit71", .field = FIELD(starting)},
        {.group = motor,
         .label = "Zabezpieczenie",
         .objectName = "Edit72",
         .field = FIELD(protection)},
    };
    addCoefficientSet<0>(rows, "Współczynniki - Qo", 16, std::make_index_sequence<10>());
    addCoefficientSet<1>(rows, "Współczynniki - Pe", 27, std::make_index_sequence<10>());
    addEnvelope<0>(rows, "Koperta pracy 1", 38, std::make_index_sequence<8>());
    addEnvelope<1>(rows, "Koperta pracy 2", 54, std::make_index_sequence<8>());
    addSuctionFields(form, "Label70", "Label68");
    form.store = {.onClose = true};
    return form;
}

// ---- Condensing unit -------------------------------------------------------------------------

EditorForm<CondensingUnitRecord> makeUnitForm()
{
    using Record = CondensingUnitRecord;
    constexpr std::string_view compressor = "Sprężarka";
    constexpr std::string_view condenser = "Skraplacz";
    constexpr std::string_view dimensions = "Wymiary";
    constexpr std::string_view connections = "Króćce";
    constexpr std::string_view base = "Akcesoria podstawowe - BASE";
    constexpr std::string_view box = "Akcesoria podstawowe - BOX";
    EditorForm<Record> form{.windowName = "TForm9", .caption = "Agregat"};
    auto& rows = form.rows;
    rows = {
        {.label = "Pozycja", .objectName = "Edit1", .kind = ControlKind::Position},
        {.label = "Nazwa", .objectName = "Edit2", .field = FIELD(name), .nonEmpty = true},
        {.label = "Postać",
         .objectName = "ComboBox1",
         .kind = ControlKind::ComboBox,
         .field = FIELD(housing),
         .items = {"?", "BASE", "BOX"}},
        {.label = "Wersja",
         .objectName = "ComboBox2",
         .kind = ControlKind::ComboBox,
         .field = FIELD(version),
         .items = {"?", "SB", "KB"}},
        {.label = "Zakres",
         .objectName = "ComboBox3",
         .kind = ControlKind::ComboBox,
         .field = FIELD(range),
         .items = {"?", "HITEMP", "MIDTEMP", "LOWTEMP"}},
        {.label = "to min",
         .objectName = "Edit6",
         .field = FIELD(toMin),
         .number = FieldNumber::Required,
         .physical = PhysicalField::ToMin},
        {.label = "to max",
         .objectName = "Edit7",
         .field = FIELD(toMax),
         .number = FieldNumber::Required,
         .physical = PhysicalField::ToMax},
        {.label = "Czynnik chłodniczy",
         .objectName = "Edit9",
         .kind = ControlKind::ReadOnlyEdit,
         .field = FIELD(refrigerant)},
        {.label = "Głośność",
         .objectName = "Edit13",
         .field = FIELD(noiseLevel),
         .unitLabel = "dB(A) z 10m",
         .number = FieldNumber::Optional},
        {.label = "Rysunek",
         .objectName = "Edit68",
         .field = FIELD(drawing),
         .unitLabel = ".wmf (.pdf)"},
        {.label = "Masa agregatu",
         .objectName = "Edit71",
         .field = FIELD(mass),
         .unitLabel = "[kg]",
         .number = FieldNumber::Optional},
        {.group = compressor,
         .label = "Nazwa",
         .objectName = "Edit14",
         .field = FIELD(compressorModel)},
        {.group = compressor,
         .label = "Ilość",
         .objectName = "Edit15",
         .kind = ControlKind::ReadOnlyEdit,
         .field = FIELD(compressorCount),
         .number = FieldNumber::Required,
         .physical = PhysicalField::CompressorCount},
        {.group = condenser,
         .label = "Nazwa",
         .objectName = "Edit16",
         .kind = ControlKind::ReadOnlyEdit,
         .field = FIELD(condenserModel)},
        {.group = condenser,
         .label = "Ilość",
         .objectName = "Edit17",
         .kind = ControlKind::ReadOnlyEdit,
         .field = FIELD(condenserCount),
         .number = FieldNumber::Required,
         .physical = PhysicalField::CondenserCount},
        {.group = "Zbiornik",
         .label = "Pojemność",
         .objectName = "Edit23",
         .field = FIELD(receiverVolume),
         .number = FieldNumber::Optional},
        {.group = "Rama", .label = "Nazwa", .objectName = "Edit26", .kind = ControlKind::Display},
    };
    const std::array<TextField<Record>, 8> dims = {
        FIELD(dimensions.a), FIELD(dimensions.b), FIELD(dimensions.c), FIELD(dimensions.d),
        FIELD(dimensions.e), FIELD(dimensions.f), FIELD(dimensions.g), FIELD(dimensions.h)};
    for (std::size_t i = 0; i < dims.size(); ++i)
        rows.push_back({.group = dimensions,
                        .label = kDimensionLabels[i],
                        .objectName = edit(28 + i),
                        .kind = ControlKind::ReadOnlyEdit,
                        .field = dims[i],
                        .unitLabel = "[mm]",
                        .derived = true,
                        .number = FieldNumber::Optional});
    rows.push_back({.group = dimensions,
                    .label = "Fi",
                    .objectName = "Edit36",
                    .kind = ControlKind::ReadOnlyEdit,
                    .field = FIELD(dimFi),
                    .unitLabel = "[mm]",
                    .derived = true,
                    .number = FieldNumber::Optional});
    rows.push_back(
        {.group = dimensions, .label = "Uwagi", .objectName = "Edit37", .field = FIELD(remarks)});
    rows.push_back({.group = connections,
                    .label = "Ssanie",
                    .objectName = "Edit11",
                    .field = FIELD(suctionConnection)});
    rows.push_back({.group = connections,
                    .label = "Ciecz",
                    .objectName = "Edit12",
                    .field = FIELD(liquidConnection)});

    form.checks = {
        {base, "Grzałka karteru", "CheckBox9", FLAG(baseAccessories[0])},
        {base, "Zawory odcinające na sprężarce", "CheckBox10", FLAG(baseAccessories[1])},
        {base, "Wziernik oleju na sprężarce", "CheckBox11", FLAG(baseAccessories[2])},
        {base, "Presostat podwójny", "CheckBox1", FLAG(baseAccessories[3])},
        {base, "Presostat różnicowy", "CheckBox2", FLAG(baseAccessories[4])},
        {base, "Puszka przyłączeniowa", "CheckBox12", FLAG(baseAccessories[5])},
        {base, "Zbiornik cieczy czynnika", "CheckBox3", FLAG(baseAccessories[6])},
        {box, "Grzałka karteru", "CheckBox4", FLAG(boxAccessories[0])},
        {box, "Zawory odcinające na sprężarce", "CheckBox5", FLAG(boxAccessories[1])},
        {box, "Wziernik oleju na sprężarce", "CheckBox6", FLAG(boxAccessories[2])},
        {box, "Presostat podwójny", "CheckBox8", FLAG(boxAccessories[3])},
        {box, "Presostat różnicowy", "CheckBox20", FLAG(boxAccessories[4])},
        {box, "1x presostat wys. ciśnienia ", "CheckBox7", FLAG(boxAccessories[5])},
        {box, "Zbiornik cieczy czynnika", "CheckBox21", FLAG(boxAccessories[6])},
        {box, "Obudowa szafy elektrycznej", "CheckBox22", FLAG(boxAccessories[7])},
        {box, "Okablowanie do listwy zaciskowej", "CheckBox23", FLAG(boxAccessories[8])},
        {box, "Filtr osuszacz", "CheckBox24", FLAG(boxAccessories[9])},
        {box, "Wziernik w linii cieczy", "CheckBox25", FLAG(boxAccessories[10])},
        {box, "Zawór odc. w linii cieczy", "CheckBox26", FLAG(boxAccessories[11])},
    };
    addSuctionFields(form);
    form.housing = HousingSwitch{.comboName = "ComboBox1",
                                 .boxText = "BOX",
                                 .hiddenForBox = "ComboBox2",
                                 .boxGroup = box,
                                 .baseGroup = base};
    form.preview =
        DrawingPreview{.group = "Rysunek", .objectName = "Image1", .sourceEdit = "Edit68"};
    form.store = {.onClose = true, .onKeyReleaseIn = "Edit68"};
    return form;
}

// ---- Condenser -------------------------------------------------------------------------------

EditorForm<CondenserRecord> makeCondenserForm()
{
    using Record = CondenserRecord;
    constexpr std::string_view capacity = "Qk - 2 punkty";
    constexpr std::string_view fans = "Wentylatory";
    constexpr std::string_view size = "Wymiary skraplacza";
    EditorForm<Record> form{.windowName = "TForm10", .caption = "Skraplacz"};
    form.rows = {
        {.label = "Pozycja", .objectName = "Edit1", .kind = ControlKind::Position},
        {.label = "Producent", .objectName = "Edit2", .field = FIELD(manufacturer)},
        {.label = "Typ skraplacza", .objectName = "Edit3", .field = FIELD(model)},
        {.label = "Czynnik chłodniczy",
         .objectName = "Edit4",
         .field = FIELD(refrigerant),
         .refrigerant = true},
        {.label = "Masa",
         .objectName = "Edit10",
         .field = FIELD(mass),
         .unitLabel = "[kg]",
         .number = FieldNumber::Optional},
        {.group = "Qk - WSP A",
         .label = "A",
         .objectName = "Edit5",
         .field = FIELD(coeffA),
         .number = FieldNumber::Optional},
        {.group = capacity,
         .label = "dt1",
         .objectName = "Edit6",
         .field = FIELD(dt1),
         .number = FieldNumber::Optional},
        {.group = capacity,
         .label = "Qk1",
         .objectName = "Edit7",
         .field = FIELD(qk1),
         .number = FieldNumber::Optional},
        {.group = capacity,
         .label = "dt2",
         .objectName = "Edit8",
         .field = FIELD(dt2),
         .number = FieldNumber::Optional},
        {.group = capacity,
         .label = "Qk2",
         .objectName = "Edit9",
         .field = FIELD(qk2),
         .number = FieldNumber::Optional},
        {.group = fans,
         .label = "DT Max",
         .objectName = "Edit11",
         .field = FIELD(fanDtMax),
         .unitLabel = "[C]",
         .number = FieldNumber::Optional},
        {.group = fans, .label = "Nazwa", .objectName = "Edit12", .field = FIELD(fanName)},
        {.group = fans,
         .label = "Średnica",
         .objectName = "Edit13",
         .field = FIELD(fanDiameter),
         .unitLabel = "[mm]",
         .number = FieldNumber::Optional},
        {.group = fans, .label = "Zasilanie", .objectName = "Edit14", .field = FIELD(fanSupply)},
        {.group = fans,
         .label = "Ne nom",
         .objectName = "Edit15",
         .field = FIELD(fanPower),
         .unitLabel = "[kW]",
         .number = FieldNumber::Optional,
         .physical = PhysicalField::FanPower},
        {.group = fans,
         .label = "A max",
         .objectName = "Edit16",
         .field = FIELD(fanCurrentMax),
         .unitLabel = "[A]",
         .number = FieldNumber::Optional},
        {.group = fans,
         .label = "Kondensator",
         .objectName = "Edit17",
         .field = FIELD(fanCapacitor)},
        {.group = fans,
         .label = "Obroty",
         .objectName = "Edit18",
         .field = FIELD(fanSpeed),
         .unitLabel = "[1/min]",
         .number = FieldNumber::Optional},
        {.group = fans,
         .label = "Temperatura",
         .objectName = "Edit19",
         .field = FIELD(fanTemperature),
         .unitLabel = "[C]",
         .number = FieldNumber::Optional},
        {.group = fans, .label = "OCHR", .objectName = "Edit20", .field = FIELD(fanProtection)},
        {.group = fans,
         .label = "Ilość",
         .objectName = "Edit21",
         .field = FIELD(fanCount),
         .unitLabel = "[szt]",
         .number = FieldNumber::Optional,
         .physical = PhysicalField::FanCount},
        {.group = size,
         .label = "Długość",
         .objectName = "Edit22",
         .field = FIELD(length),
         .unitLabel = "[mm]",
         .number = FieldNumber::Optional},
        {.group = size,
         .label = "Szerokość",
         .objectName = "Edit23",
         .field = FIELD(width),
         .unitLabel = "[mm]",
         .number = FieldNumber::Optional},
        {.group = size,
         .label = "Wysokość",
         .objectName = "Edit24",
         .field = FIELD(height),
         .unitLabel = "[mm]",
         .number = FieldNumber::Optional},
    };
    // Stored at every key release and once more on closing, so that a change made without a
    // key (pasted with the mouse, say) is not lost.
    form.store = {.onClose = true, .onEveryKeyRelease = true};
    return form;
}

// ---- Frame -----------------------------------------------------------------------------------

EditorForm<FrameRecord> makeFrameForm()
{
    using Record = FrameRecord;
    constexpr std::string_view dimensions = "Wymiary";
    EditorForm<Record> form{.windowName = "TForm12", .caption = "Rama"};
    auto& rows = form.rows;
    rows = {
        {.label = "Pozycja", .objectName = "Edit10", .kind = ControlKind::Position},
        {.label = "Nazwa", .objectName = "Edit11", .field = FIELD(name)},
        {.label = "Typ", .objectName = "Edit12", .field = FIELD(housing), .hint = "BASE, BOX"},
        {.label = "Rysunek", .objectName = "Edit1", .field = FIELD(drawing), .unitLabel = ".wmf"},
        {.label = "Masa",
         .objectName = "Edit14",
         .field = FIELD(mass),
         .unitLabel = "[kg]",
         .number = FieldNumber::Optional},
    };
    const std::array<TextField<Record>, 8> dims = {
        FIELD(dimensions.a), FIELD(dimensions.b), FIELD(dimensions.c), FIELD(dimensions.d),
        FIELD(dimensions.e), FIELD(dimensions.f), FIELD(dimensions.g), FIELD(dimensions.h)};
    for (std::size_t i = 0; i < dims.size(); ++i)
        rows.push_back({.group = dimensions,
                        .label = kDimensionLabels[i],
                        .objectName = edit(2 + i),
                        .field = dims[i],
                        .unitLabel = "[mm]",
                        .number = FieldNumber::Optional});
    rows.push_back({.group = dimensions,
                    .label = "Fi",
                    .objectName = "Edit13",
                    .field = FIELD(dimFi),
                    .unitLabel = "[mm]",
                    .number = FieldNumber::Optional});
    form.preview =
        DrawingPreview{.group = "Rysunek", .objectName = "Image1", .sourceEdit = "Edit1"};
    form.store = {.onClose = true, .onKeyReleaseIn = "Edit1"};
    return form;
}

#undef FIELD
#undef FLAG

} // namespace

const EditorForm<CompressorRecord>& compressorEditorForm()
{
    static const auto form = makeCompressorForm();
    return form;
}

const EditorForm<CondensingUnitRecord>& unitEditorForm()
{
    static const auto form = makeUnitForm();
    return form;
}

const EditorForm<CondenserRecord>& condenserEditorForm()
{
    static const auto form = makeCondenserForm();
    return form;
}

const EditorForm<FrameRecord>& frameEditorForm()
{
    static const auto form = makeFrameForm();
    return form;
}

int comboItemIndex(const std::vector<std::string_view>& items, std::string_view text)
{
    for (std::size_t i = 1; i < items.size(); ++i)
        if (items[i] == text)
            return static_cast<int>(i);
    return 0;
}

template <class Record> std::string fieldName(const FieldRow<Record>& row)
{
    std::string name(row.label);
    if (!row.column.empty())
        name = std::string(row.column) + " " + name;
    if (name.empty())
        name = row.objectName;
    return row.group.empty() ? name : std::string(row.group) + ": " + name;
}

template <class Record>
bool rowShown(const EditorForm<Record>& form, const FieldRow<Record>& row, const Record& record)
{
    if (row.shown == SuctionVisibility::Always || !form.suctionMode)
        return true;
    const bool superheatGiven = form.suctionMode->superheatMode.read(record);
    return superheatGiven == (row.shown == SuctionVisibility::WhenSuperheatGiven);
}

template <class Record>
FormValues readFields(const EditorForm<Record>& form, const Record& record, int position)
{
    FormValues values;
    values.texts.reserve(form.rows.size());
    for (const auto& row : form.rows) {
        if (row.kind == ControlKind::Position)
            values.texts.push_back(std::to_string(position));
        else if (!row.stored())
            values.texts.emplace_back();
        else if (row.kind == ControlKind::ComboBox)
            values.texts.emplace_back(row.items[static_cast<std::size_t>(
                comboItemIndex(row.items, row.field.read(record)))]);
        else
            values.texts.emplace_back(row.field.read(record));
    }
    values.checks.reserve(form.checks.size());
    for (const auto& check : form.checks)
        values.checks.push_back(check.flag.read(record));
    return values;
}

template <class Record>
std::string writeBack(const EditorForm<Record>& form, Record& record, const FormValues& values)
{
    if (values.texts.size() != form.rows.size() || values.checks.size() != form.checks.size())
        throw std::invalid_argument("writeBack: the values do not match the form " +
                                    std::string(form.windowName));
    // The catalogue files hold one field a line: a break would shift every later field. A text
    // the field already holds is no change, so a record read with such a byte stays editable.
    for (std::size_t i = 0; i < form.rows.size(); ++i) {
        const auto& row = form.rows[i];
        if (row.stored() && holdsControlByte(values.texts[i]) &&
            values.texts[i] != row.field.read(record))
            return "Pole „" + fieldName(row) +
                   "” zawiera znak końca wiersza lub inny znak sterujący\rZmian nie zapisano.";
    }
    for (std::size_t i = 0; i < form.rows.size(); ++i) {
        const auto& row = form.rows[i];
        if (!row.stored())
            continue;
        row.field.write(record, values.texts[i]);
    }
    for (std::size_t i = 0; i < form.checks.size(); ++i)
        form.checks[i].flag.write(record, values.checks[i]);
    return {};
}

template FormValues readFields(const EditorForm<CompressorRecord>&, const CompressorRecord&, int);
template FormValues readFields(const EditorForm<CondensingUnitRecord>&, const CondensingUnitRecord&,
                               int);
template FormValues readFields(const EditorForm<CondenserRecord>&, const CondenserRecord&, int);
template FormValues readFields(const EditorForm<FrameRecord>&, const FrameRecord&, int);
template std::string writeBack(const EditorForm<CompressorRecord>&, CompressorRecord&,
                               const FormValues&);
template std::string writeBack(const EditorForm<CondensingUnitRecord>&, CondensingUnitRecord&,
                               const FormValues&);
template std::string writeBack(const EditorForm<CondenserRecord>&, CondenserRecord&,
                               const FormValues&);
template std::string writeBack(const EditorForm<FrameRecord>&, FrameRecord&, const FormValues&);
template std::string fieldName(const FieldRow<CompressorRecord>&);
template std::string fieldName(const FieldRow<CondensingUnitRecord>&);
template std::string fieldName(const FieldRow<CondenserRecord>&);
template std::string fieldName(const FieldRow<FrameRecord>&);
template bool rowShown(const EditorForm<CompressorRecord>&, const FieldRow<CompressorRecord>&,
                       const CompressorRecord&);
template bool rowShown(const EditorForm<CondensingUnitRecord>&,
                       const FieldRow<CondensingUnitRecord>&, const CondensingUnitRecord&);
template bool rowShown(const EditorForm<CondenserRecord>&, const FieldRow<CondenserRecord>&,
                       const CondenserRecord&);
template bool rowShown(const EditorForm<FrameRecord>&, const FieldRow<FrameRecord>&,
                       const FrameRecord&);

} // namespace kelvo
