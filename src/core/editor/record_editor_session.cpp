#include "core/editor/record_editor_session.h"

#include <cmath>
#include <type_traits>

#include "core/catalogue/catalogue_changes.h"
#include "core/catalogue/lookups.h"
#include "core/editor/consistency_checks.h"
#include "core/editor/editor_grids.h"
#include "core/editor/row_operations.h"
#include "core/text/code_page.h"
#include "core/text/numeric_text.h"
#include "core/text/untrusted_text.h"
#include "core/workspace/workspace.h"

namespace kelvo
{
namespace
{

template <class Record, class CatalogueT> auto& tableOf(CatalogueT& catalogue)
{
    if constexpr (std::is_same_v<Record, CompressorRecord>)
        return catalogue.compressors;
    else if constexpr (std::is_same_v<Record, CondenserRecord>)
        return catalogue.condensers;
    else if constexpr (std::is_same_v<Record, CondensingUnitRecord>)
        return catalogue.units;
    else
        return catalogue.frames;
}

template <class Record> FormLayout layoutOf(const EditorForm<Record>& form)
{
    FormLayout layout;
    layout.windowName = form.windowName;
    layout.caption = form.caption;
    layout.housing = form.housing;
    layout.preview = form.preview;
    layout.store = form.store;
    for (const auto& row : form.rows)
        layout.controls.push_back({row.group,
                                   row.label,
                                   row.objectName,
                                   row.kind,
                                   row.unitLabel,
                                   row.unitLabelName,
                                   row.column,
                                   row.hint,
                                   row.items,
                                   row.shown,
                                   row.width(),
                                   {},
                                   row.number,
                                   row.physical,
                                   row.nonEmpty});
    for (const auto& check : form.checks)
        layout.checks.push_back({check.group, check.caption, check.objectName});
    if (form.suctionMode) {
        layout.suctionGroup = form.suctionMode->group;
        layout.temperatureGiven = form.suctionMode->temperatureGiven;
        layout.superheatGiven = form.suctionMode->superheatGiven;
    }
    return layout;
}

template <class Record> class SessionOf final : public RecordEditorSession
{
  public:
    SessionOf(RecordEditorHost& host, Workspace& shared, EditorGrid table, int index,
              const EditorForm<Record>& form)
        : RecordEditorSession(host, shared, table, index, layoutOf(form)), form_(form),
          before_(record())
    {
        opening_ = readFields(form_, before_, index);
        for (std::size_t i = 0; i < form_.rows.size(); ++i)
            if (form_.rows[i].refrigerant)
                layout_.controls[i].suggestions = workspace().refrigerants().editorNames();
    }

    FormValues& openingValues() { return opening_; }

    std::string store(const FormValues& values) override
    {
        if (!storing())
            return {};
        Record changed = record();
        std::string refusal = writeBack(form_, changed, values);
        if (refusal.empty())
            write(changed);
        return refusal;
    }

    [[nodiscard]] bool superheatMode() const override
    {
        if constexpr (requires(Record r) { r.superheatMode; })
            return record().superheatMode;
        return false;
    }

    void setSuperheatMode(bool value) override
    {
        if constexpr (requires(Record r) { r.superheatMode; }) {
            Record changed = record();
            changed.superheatMode = value;
            write(changed);
        }
    }

  protected:
    ChangeSet sessionChanges() override
    {
        // The record as it is against the record on opening, as one change.
        ChangeSet set;
        RecordPatch patch{table_, index_, recordDifferences(before_, record())};
        if (!patch.fields.empty())
            set.changes.emplace_back(std::move(patch));
        return set;
    }

  private:
    [[nodiscard]] const Record& record() const { return tableOf<Record>(catalogue())[index_]; }
    // Every store is announced, so that what shows the record follows it as it is typed.
    void write(const Record& changed)
    {
        CatalogueEdit change(workspace());
        CatalogueRecorder recorder(change.catalogue());
        recorder.setRecord(index_, changed);
        change.done(recorder.take());
    }

    const EditorForm<Record>& form_;
    Record before_;
};

} // namespace

int FormLayout::controlOf(std::string_view objectName) const
{
    for (std::size_t i = 0; i < controls.size(); ++i)
        if (controls[i].objectName == objectName)
            return static_cast<int>(i);
    return -1;
}

UnitDerivedTexts deriveUnitTexts(const Catalogue& catalogue, int unitIndex, char decimalSeparator)
{
    UnitDerivedTexts texts;
    const int frameIndex = findFrameOfUnit(catalogue, unitIndex);
    if (frameIndex == 0) {
        texts.dims.fill("?");
        texts.dimFi = "?";
        return texts;
    }
    const FrameRecord& frame = catalogue.frames[frameIndex];
    const DimensionTexts& d = frame.dimensions;
    texts.frameName = frame.name.str();
    texts.dims = {d.a.str(), d.b.str(), d.c.str(), d.d.str(),
                  d.e.str(), d.f.str(), d.g.str(), d.h.str()};
    texts.dimFi = frame.dimFi.str();
    if (frame.housing.view() != "BOX") {
        const CondenserRecord& condenser =
            catalogue.condensers[findCondenserOfUnit(catalogue, unitIndex)];
        const auto base = parseNumber(d.d.view());
        const auto height = parseNumber(condenser.height.view());
        const auto count = parseNumber(catalogue.units[unitIndex].condenserCount.view());
        const double c = base && height && count ? *base + *height * *count : NAN;
        texts.dims[2] = std::isfinite(c) ? formatNumber(c, decimalSeparator) : "?";
    }
    return texts;
}

bool RecordEditorSession::storing() const
{
    return host_.storing();
}

Workspace& RecordEditorSession::workspace()
{
    return workspace_;
}

const Catalogue& RecordEditorSession::catalogue() const
{
    return workspace_.catalogue();
}

std::string RecordEditorSession::fieldWarning(std::string_view objectName,
                                              std::string_view text) const
{
    const int at = layout_.controlOf(objectName);
    if (at < 0)
        return {};
    const FormControl& control = layout_.controls[static_cast<std::size_t>(at)];
    const std::string caption(control.label.empty() ? control.group : control.label);
    if (control.nonEmpty && text.find_first_not_of(' ') == std::string_view::npos)
        return caption + ": pole nie może być puste";
    const bool readAsNumber = control.number != FieldNumber::None || control.physical;
    if (!readAsNumber || (text.empty() && control.number != FieldNumber::Required))
        return {};
    const auto value = parseNumber(text);
    if (!value)
        return caption + ": '" + quotedText(toUtf8(text)) + "' nie jest liczbą";
    if (control.physical && !withinPhysicalRange(*control.physical, *value))
        return impossibleValueLine({*control.physical, std::string(text)});
    return {};
}

std::filesystem::path RecordEditorSession::drawingFile(std::string_view drawingText) const
{
    return workspace_.dataFolder() / "wmf" / (toUtf8(drawingText) + ".wmf");
}

std::string RecordEditorSession::close(const FormValues& values)
{
    std::string refusal = layout_.store.onClose ? store(values) : std::string();
    RowEdit edit;
    edit.done = true;
    edit.step = {"Edytuj wiersz – " + std::string(recordNoun(table_)) + " " +
                     std::to_string(index_),
                 sessionChanges()};
    host_.recordStep(edit);
    return refusal;
}

std::unique_ptr<RecordEditorSession>
openRecordEditorSession(RecordEditorHost& host, Workspace& workspace, EditorGrid table, int index)
{
    switch (table) {
    case EditorGrid::Compressors:
        return std::make_unique<SessionOf<CompressorRecord>>(host, workspace, table, index,
                                                             compressorEditorForm());
    case EditorGrid::Condensers:
        return std::make_unique<SessionOf<CondenserRecord>>(host, workspace, table, index,
                                                            condenserEditorForm());
    case EditorGrid::Frames:
        return std::make_unique<SessionOf<FrameRecord>>(host, workspace, table, index,
                                                        frameEditorForm());
    case EditorGrid::Units:
        break;
    }
    auto session = std::make_unique<SessionOf<CondensingUnitRecord>>(host, workspace, table, index,
                                                                     unitEditorForm());
    const UnitDerivedTexts derived =
        deriveUnitTexts(workspace.catalogue(), index, workspace.displaySeparator());
    FormValues& shown = session->openingValues();
    const FormLayout& layout = session->layout();
    const auto show = [&](std::string_view name, const std::string& text) {
        shown.texts[static_cast<std::size_t>(layout.controlOf(name))] = text;
    };
    show("Edit26", derived.frameName);
    for (std::size_t i = 0; i < derived.dims.size(); ++i)
        show("Edit" + std::to_string(28 + i), derived.dims[i]);
    show("Edit36", derived.dimFi);
    return session;
}

bool previewMayStretch(double drawingWidth, double drawingHeight, double areaWidth,
                       double areaHeight)
{
    constexpr double kMaxStretch = 4.0;
    if (!(drawingWidth > 0 && drawingHeight > 0 && areaWidth > 0 && areaHeight > 0))
        return false;
    const double stretch = (areaWidth / areaHeight) / (drawingWidth / drawingHeight);
    return std::isfinite(stretch) && stretch <= kMaxStretch && stretch >= 1.0 / kMaxStretch;
}

} // namespace kelvo
