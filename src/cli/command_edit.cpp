#include "cli/command_edit.h"

#include <algorithm>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <string>
#include <tuple>

#include "cli/command_base.h"
#include "cli/editor_options.h"
#include "cli/number_options.h"
#include "cli/text_table.h"
#include "core/editor/catalogue_saving.h"
#include "core/editor/coefficient_import.h"
#include "core/editor/row_operations.h"
#include "core/io/file_system_ops.h"
#include "core/text/numeric_text.h"

namespace kelvo::cli
{
namespace
{

struct EditOptions;
// An operation on the catalogue as the command line names it, with the refrigerants it may
// read.
using Operation = RowEdit (*)(const EditOptions&, Catalogue&, const RefrigerantRegistry&);

struct EditOptions : CommonOptions {
    Operation operation = nullptr; // set by the chosen operation's subcommand
    std::optional<std::string> refrigerant;
    std::string table;
    std::string row;    // the current row: ROW or UNIT_ROW
    std::string answer; // the text typed into the operation's prompt: TARGET, SOURCE or ROW
    std::string compressorRow;
    std::string condenserRow;
    std::string frameRow;
    std::string compressorCount;
    std::string condenserCount;
    std::string coefficientSet; // qo or pe
    std::string file;
};

EditorGrid tableArgument(const std::string& name)
{
    if (name == "compressors")
        return EditorGrid::Compressors;
    if (name == "condensers")
        return EditorGrid::Condensers;
    return EditorGrid::Units; // the only other choice the parser lets through
}

// A row given on the command line, which its check has found a whole number; the operation
// refuses one its table does not hold, saying why.
int rowNumber(const std::string& text)
{
    return parseInteger(text).value_or(0);
}

RowEdit runAddUnit(const EditOptions& options, Catalogue& catalogue,
                   const RefrigerantRegistry& refrigerants)
{
    NewUnit unit;
    unit.refrigerant = *options.refrigerant;
    unit.compressor = rowNumber(options.compressorRow);
    unit.condenser = rowNumber(options.condenserRow);
    unit.frame = rowNumber(options.frameRow);
    unit.compressorCount = options.compressorCount;
    unit.condenserCount = options.condenserCount;
    return addUnit(catalogue, unit, EditorFilters{}, refrigerants);
}

template <EditorGrid table>
RowEdit runAddEmpty(const EditOptions& options, Catalogue& catalogue, const RefrigerantRegistry&)
{
    return addEmptyRecord(catalogue, table, options.refrigerant.value_or(""));
}

RowEdit runDelete(const EditOptions& options, Catalogue& catalogue, const RefrigerantRegistry&)
{
    return deleteRecord(catalogue, tableArgument(options.table), rowNumber(options.row));
}

RowEdit runMove(const EditOptions& options, Catalogue& catalogue, const RefrigerantRegistry&)
{
    return moveRecord(catalogue, tableArgument(options.table), rowNumber(options.row),
                      options.answer);
}

RowEdit runCopyEnvelopes(const EditOptions& options, Catalogue& catalogue,
                         const RefrigerantRegistry&)
{
    return copyEnvelopes(catalogue, rowNumber(options.row), options.answer);
}

RowEdit runCopyCompressor(const EditOptions& options, Catalogue& catalogue,
                          const RefrigerantRegistry&)
{
    return copyCompressor(catalogue, rowNumber(options.row), options.answer, *options.refrigerant);
}

template <EditorGrid what>
RowEdit runAssign(const EditOptions& options, Catalogue& catalogue, const RefrigerantRegistry&)
{
    return assignToUnit(catalogue, what, rowNumber(options.row), options.answer);
}

RowEdit runImportCoefficients(const EditOptions& options, Catalogue& catalogue,
                              const RefrigerantRegistry&)
{
    // Said here with its reason: the import itself only cancels a row it has no record of.
    const int row = rowNumber(options.row);
    if (auto refused = refusedRow(catalogue, EditorGrid::Compressors, row))
        return *std::move(refused);
    return importCoefficientsFromFile(catalogue, row, options.coefficientSet == "qo" ? 1 : 2,
                                      options.file);
}

std::string withNewlines(std::string text)
{
    std::replace(text.begin(), text.end(), '\r', '\n');
    return text;
}

void runEdit(const EditOptions& options, CommandContext& context)
{
    if (options.refrigerant)
        requireEditorRefrigerant(*options.refrigerant, context.refrigerants);
    const EditorJob job = openEditorJobForWriting(options.dataFolder, context.refrigerants);
    // A save writes every announced record: those a cut-short file lacks would become empty ones
    // and the file's last whole copy would survive only until the next save replaced its backup.
    if (const auto& notes = job.workspace->catalogue().loadNotes; !notes.empty())
        throw CommandFailure(notes.front() + "; saving would write the missing records as " +
                             "empty ones, so nothing was changed");
    RowEdit edit;
    {
        CatalogueEdit change(*job.workspace);
        edit = options.operation(options, change.catalogue(), context.refrigerants);
        change.done(edit.done ? edit.step.changes : ChangeSet{});
    }
    if (edit.done) {
        PosixFileSystemOps files;
        const SaveOutcome outcome = job.session->save(files, job.lock.get());
        if (!outcome.saved)
            throw CommandFailure(outcome.message);
        // The confirmation's further lines say what the save left undone.
        if (const auto more = outcome.message.find('\r'); more != std::string::npos) {
            if (outcome.notOnDisk)
                throw CommandFailure(withNewlines(outcome.message));
            context.err << "kelvo edit: " << withNewlines(outcome.message.substr(more + 1)) << "\n";
        }
    }

    const std::string message = withNewlines(edit.message);
    if (options.json)
        context.out << nlohmann::ordered_json{{"done", edit.done}, {"message", message}}.dump()
                    << "\n";
    else if (edit.done && !message.empty())
        context.out << message << "\n";
    if (!edit.done)
        throw CommandFailure(message.empty() ? std::string(kActionCancelled) : message);
}

enum class Refrigerant { Required, Accepted, None };

CLI::App* addOperation(CLI::App* edit, const std::shared_ptr<EditOptions>& options,
                       const std::string& name, const std::string& description, Operation operation,
                       Refrigerant refrigerant, const RefrigerantRegistry& refrigerants)
{
    const std::string known = editorRefrigerantList(refrigerants);
    auto* command = edit->add_subcommand(name, description);
    // --data and --json belong to "edit" but may follow the operation's arguments.
    command->fallthrough();
    command->callback([options, operation] { options->operation = operation; });
    if (refrigerant == Refrigerant::Required)
        command->add_option("--refrigerant", options->refrigerant, known)->required();
    else if (refrigerant == Refrigerant::Accepted)
        command->add_option("--refrigerant", options->refrigerant, known + " (not used)");
    return command;
}

void addRow(CLI::App* command, const std::shared_ptr<EditOptions>& options, const char* name,
            const char* description)
{
    command->add_option(name, options->row, description)->required()->check(wholeNumberText());
}

void addAnswer(CLI::App* command, const std::shared_ptr<EditOptions>& options, const char* name,
               const char* description)
{
    command->add_option(name, options->answer, description)->required()->check(wholeNumberText());
}

void addTable(CLI::App* command, const std::shared_ptr<EditOptions>& options)
{
    command->add_option("table", options->table, "compressors, condensers or units")
        ->required()
        ->check(CLI::IsMember({"compressors", "condensers", "units"}));
}

} // namespace

void addEditCommand(CLI::App& app, CommandContext& context)
{
    auto options = std::make_shared<EditOptions>();
    auto* edit = addCommand(app, context, "edit",
                            "One row operation of the catalogue editor, saved to the catalogue "
                            "files when it is carried out",
                            options, runEdit);
    edit->require_subcommand(1);

    auto* command =
        addOperation(edit, options, "add-unit",
                     "Add a unit of a compressor, a condenser and a frame (Dodaj nowy agregat)",
                     runAddUnit, Refrigerant::Required, context.refrigerants);
    for (const auto& [name, row, description] :
         {std::tuple{"--compressor-row", &options->compressorRow, "Compressor index (Poz.)"},
          {"--condenser-row", &options->condenserRow, "Condenser index (Poz.)"},
          {"--frame-row", &options->frameRow, "Frame index (Poz.)"}})
        command->add_option(name, *row, description)->required()->check(wholeNumberText());
    // The counts are stored as given: whole numbers from 1, which also keeps a line break out
    // of the line-based units file.
    command->add_option("--compressors", options->compressorCount, "Number of compressors")
        ->required()
        ->check(countText());
    command->add_option("--condensers", options->condenserCount, "Number of condensers")
        ->required()
        ->check(countText());

    addOperation(edit, options, "add-compressor",
                 "Add an empty compressor record (Dodaj wolny wiersz)",
                 runAddEmpty<EditorGrid::Compressors>, Refrigerant::Required, context.refrigerants);
    addOperation(edit, options, "add-condenser",
                 "Add an empty condenser record (Dodaj wolny wiersz)",
                 runAddEmpty<EditorGrid::Condensers>, Refrigerant::Required, context.refrigerants);
    addOperation(edit, options, "add-frame", "Add an empty frame record (Dodaj wolny wiersz)",
                 runAddEmpty<EditorGrid::Frames>, Refrigerant::None, context.refrigerants);

    command = addOperation(edit, options, "delete",
                           "Delete a record; units linked to it get the link 0 (Usuń wiersz)",
                           runDelete, Refrigerant::None, context.refrigerants);
    addTable(command, options);
    addRow(command, options, "row", "Index (Poz.) of the record to delete");

    command = addOperation(edit, options, "move",
                           "Move a record to another index (Przesuń aktualny wiersz)", runMove,
                           Refrigerant::None, context.refrigerants);
    addTable(command, options);
    addRow(command, options, "row", "Index (Poz.) of the record to move");
    addAnswer(command, options, "target", "Index (Poz.) it moves to");

    command = addOperation(edit, options, "copy-envelopes",
                           "Copy the envelopes of another compressor (Kopiuj kopertę)",
                           runCopyEnvelopes, Refrigerant::None, context.refrigerants);
    addRow(command, options, "row", "Index (Poz.) of the compressor that takes the envelopes");
    addAnswer(command, options, "source", "Index (Poz.) of the compressor copied from");

    command =
        addOperation(edit, options, "copy-compressor",
                     "Copy another compressor over one, which keeps its id (Kopiuj sprężarkę)",
                     runCopyCompressor, Refrigerant::Required, context.refrigerants);
    addRow(command, options, "row", "Index (Poz.) of the compressor overwritten");
    addAnswer(command, options, "source", "Index (Poz.) of the compressor copied from");

    command = addOperation(edit, options, "import-coefficients",
                           "Coefficients C0 .. C9 of the capacity (qo) or power (pe) polynomial "
                           "from cells A1 .. J1 of an .xlsx, .ods or .csv file",
                           runImportCoefficients, Refrigerant::None, context.refrigerants);
    addRow(command, options, "row", "Index (Poz.) of the compressor");
    command->add_option("set", options->coefficientSet, "qo or pe")
        ->required()
        ->check(CLI::IsMember({"qo", "pe"}));
    command->add_option("file", options->file, "The spreadsheet or .csv file")->required();

    struct Assignment {
        const char* name;
        const char* description;
        Operation run;
        const char* what;
    };
    for (const Assignment& a :
         {Assignment{"assign-condenser", "Link a unit to a condenser (Przyporządkuj skraplacz)",
                     runAssign<EditorGrid::Condensers>, "Index (Poz.) of the condenser"},
          Assignment{"assign-compressor", "Link a unit to a compressor (Przyporządkuj sprężarkę)",
                     runAssign<EditorGrid::Compressors>, "Index (Poz.) of the compressor"},
          Assignment{"assign-frame", "Link a unit to a frame (Przyporządkuj ramę)",
                     runAssign<EditorGrid::Frames>, "Index (Poz.) of the frame"}}) {
        command = addOperation(edit, options, a.name, a.description, a.run, Refrigerant::Accepted,
                               context.refrigerants);
        addRow(command, options, "unit-row", "Index (Poz.) of the unit");
        addAnswer(command, options, "row", a.what);
    }
}

} // namespace kelvo::cli
