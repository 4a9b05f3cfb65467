#pragma once

#include <array>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalogue/catalogue_changes.h"
#include "core/editor/editor_filters.h"
#include "core/editor/record_field_maps.h"
#include "core/editor/row_operations.h"

namespace kelvo
{

struct Catalogue;
class Workspace;

// What a record editor needs of the catalogue editor it was opened from.
class RecordEditorHost
{
  public:
    // False while a window fills its controls: nothing is stored then.
    [[nodiscard]] virtual bool storing() const = 0;
    // The editor's history takes the record editor's session as one step.
    virtual void recordStep(const RowEdit& edit) = 0;

  protected:
    ~RecordEditorHost() = default;
};

// A record editor's form without its record type, for the window that shows it: the rows of
// the field map (same order, same meaning) without their field accessors.
struct FormControl {
    std::string_view group;
    std::string_view label;
    std::string objectName;
    ControlKind kind = ControlKind::Edit;
    std::string_view unitLabel;
    std::string_view unitLabelName;
    std::string_view column;
    std::string_view hint;
    std::vector<std::string_view> items;
    SuctionVisibility shown = SuctionVisibility::Always;
    std::size_t width = 0; // characters the field stores; 0 for rows without a field
    // What the control offers to type (the registry's refrigerants); free text all the same.
    std::vector<std::string> suggestions = {};
    FieldNumber number = FieldNumber::None;
    std::optional<PhysicalField> physical = std::nullopt;
    bool nonEmpty = false;
};

struct FormCheck {
    std::string_view group;
    std::string_view caption;
    std::string_view objectName;
};

struct FormLayout {
    std::string_view windowName;
    std::string_view caption;
    std::vector<FormControl> controls;
    std::vector<FormCheck> checks;
    std::string_view suctionGroup;      // empty when the form has no suction switch
    RadioButtonSpec temperatureGiven{}; // selected when superheatMode is false
    RadioButtonSpec superheatGiven{};   // selected when superheatMode is true
    std::optional<HousingSwitch> housing;
    std::optional<DrawingPreview> preview;
    StoreMoments store;

    [[nodiscard]] int controlOf(std::string_view objectName) const;
};

// What the unit editor shows besides the unit's own texts: the name of its frame and the
// dimensions A .. H and Fi, derived from the frame (and, for C, from the condenser) each time
// the editor opens; they are stored in the unit when it closes.
struct UnitDerivedTexts {
    std::string frameName;             // empty when no frame is linked
    std::array<std::string, 8> dims{}; // A .. H; "?" without a frame
    std::string dimFi;
};
// C: the frame's C for a "BOX" frame; otherwise frame D + condenser height x the unit's
// condenserCount, formatted with `decimalSeparator`; "?" when a text is no number or no frame
// is linked.
UnitDerivedTexts deriveUnitTexts(const Catalogue& catalogue, int unitIndex, char decimalSeparator);

// One open record editor over one record of the catalogue. Texts are record bytes.
class RecordEditorSession
{
  public:
    virtual ~RecordEditorSession() = default;

    [[nodiscard]] const FormLayout& layout() const { return layout_; }
    [[nodiscard]] EditorGrid table() const { return table_; }
    [[nodiscard]] int index() const { return index_; }
    // What the controls show on opening (derived texts included).
    [[nodiscard]] const FormValues& opening() const { return opening_; }

    // Stores the controls into the record, which every view of it follows at once; does nothing
    // while the calculation is disabled (the window is filling its controls). A text with a line
    // break or another control byte is refused as writeBack refuses it: nothing is stored, and the
    // message naming the field is returned. Empty when stored or not storing.
    virtual std::string store(const FormValues& values) = 0;
    // The radio buttons: store the record's superheatMode at once.
    [[nodiscard]] virtual bool superheatMode() const = 0;
    virtual void setSuperheatMode(bool value) = 0;

    // Why the text typed into control `objectName` (record bytes) is no usable value: no number
    // where the calculation reads one, or a number outside its physical range (UTF-8, as the
    // editor speaks); empty when it is usable. The window marks such a field when it is left;
    // the text is stored all the same, as the catalogue stores texts.
    [[nodiscard]] std::string fieldWarning(std::string_view objectName,
                                           std::string_view text) const;

    // The file the preview shows for the drawing text in its control.
    [[nodiscard]] std::filesystem::path drawingFile(std::string_view drawingText) const;

    // Closing: stores once more when the form stores on closing and records everything the
    // session changed as one step of the editor's history.
    // Returns that store's refusal, if any. The session must not be used afterwards.
    std::string close(const FormValues& values);

  protected:
    RecordEditorSession(RecordEditorHost& host, Workspace& workspace, EditorGrid table, int index,
                        FormLayout layout)
        : host_(host), workspace_(workspace), table_(table), index_(index),
          layout_(std::move(layout))
    {
    }
    [[nodiscard]] bool storing() const;
    [[nodiscard]] Workspace& workspace();
    [[nodiscard]] const Catalogue& catalogue() const;
    // The session's step: the record as it is now against the record on opening.
    virtual ChangeSet sessionChanges() = 0;

    RecordEditorHost& host_;
    Workspace& workspace_;
    EditorGrid table_;
    int index_;
    FormLayout layout_;
    FormValues opening_;
};

// The record editor of record `index` of `table`, opened from `host` (see
// EditorSession::openRecordEditor).
std::unique_ptr<RecordEditorSession>
openRecordEditorSession(RecordEditorHost& host, Workspace& workspace, EditorGrid table, int index);

// Whether a drawing with these bounds may be stretched into an area of this size. Real
// drawings are stretched by a few times at most; a far stronger stretch gains nothing and
// drives the text renderer into sizes it cannot handle, so the preview keeps the aspect
// ratio instead.
bool previewMayStretch(double drawingWidth, double drawingHeight, double areaWidth,
                       double areaHeight);

} // namespace kelvo
