#include "core/spreadsheet/workbook_writer.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <optional>
#include <unistd.h>
#include <xlsxwriter.h>

#include "core/io/file_io.h"
#include "core/io/output_file.h"
#include "core/spreadsheet/classic_locale.h"
#include "core/spreadsheet/first_row_cells.h"
#include "core/text/numeric_text.h"

namespace kelvo
{
namespace
{

// The library's error in our words: its own texts are English and speak of its internals.
WorkbookFailure libraryFailure(lxw_error error)
{
    switch (error) {
    case LXW_ERROR_MEMORY_MALLOC_FAILED:
        return {WorkbookProblem::NoMemory, {}};
    case LXW_ERROR_MAX_STRING_LENGTH_EXCEEDED:
        return {WorkbookProblem::CellTooLong, {}};
    case LXW_ERROR_CREATING_XLSX_FILE:
    case LXW_ERROR_CREATING_TMPFILE:
    case LXW_ERROR_READING_TMPFILE:
    case LXW_ERROR_ZIP_FILE_OPERATION:
    case LXW_ERROR_ZIP_FILE_ADD:
    case LXW_ERROR_ZIP_CLOSE:
        return {WorkbookProblem::TemporaryFile, {}};
    default:
        return {WorkbookProblem::Library, std::to_string(static_cast<int>(error))};
    }
}

WorkbookFailure internal(std::string what)
{
    return {WorkbookProblem::Internal, std::move(what)};
}

bool insideSheet(int row, int column)
{
    return row >= 1 && row <= kSpreadsheetMaxRows && column >= 1 &&
           column <= kSpreadsheetMaxColumns;
}

std::optional<WorkbookFailure> writeCell(lxw_worksheet* sheet, const SpreadsheetCell& cell,
                                         lxw_format* highlight)
{
    if (!insideSheet(cell.row, cell.column))
        return internal("a cell outside the sheet (row " + std::to_string(cell.row) + ", column " +
                        std::to_string(cell.column) + ")");
    const auto row = static_cast<lxw_row_t>(cell.row - 1);
    const auto column = static_cast<lxw_col_t>(cell.column - 1);
    const std::optional<double> number = cell.asText ? std::nullopt : parseNumber(cell.text);
    lxw_format* format = cell.highlighted ? highlight : nullptr;
    const lxw_error error =
        number ? worksheet_write_number(sheet, row, column, *number, format)
               : worksheet_write_string(sheet, row, column, cell.text.c_str(), format);
    if (error != LXW_NO_ERROR)
        return libraryFailure(error);
    return std::nullopt;
}

std::optional<WorkbookFailure> setWidth(lxw_worksheet* sheet, int column, double width)
{
    if (!insideSheet(1, column))
        return internal("column " + std::to_string(column) + " outside the sheet");
    const auto index = static_cast<lxw_col_t>(column - 1);
    const lxw_error error = worksheet_set_column(sheet, index, index, width, nullptr);
    if (error != LXW_NO_ERROR)
        return libraryFailure(error);
    return std::nullopt;
}

// Fills the sheet; the first failure's reason, or nothing.
std::optional<WorkbookFailure> fillSheet(lxw_workbook* workbook, lxw_worksheet* sheet,
                                         const std::vector<SpreadsheetCell>& cells,
                                         const std::map<int, double>& columnWidths)
{
    lxw_format* highlight = nullptr;
    if (std::any_of(cells.begin(), cells.end(),
                    [](const SpreadsheetCell& cell) { return cell.highlighted; })) {
        highlight = workbook_add_format(workbook);
        if (!highlight)
            return libraryFailure(LXW_ERROR_MEMORY_MALLOC_FAILED);
        format_set_bold(highlight);
        format_set_bg_color(highlight, 0xC6EFCE);
    }
    for (const auto& [column, width] : columnWidths)
        if (auto failure = setWidth(sheet, column, width))
            return failure;
    for (const SpreadsheetCell& cell : cells)
        if (auto failure = writeCell(sheet, cell, highlight))
            return failure;
    return std::nullopt;
}

// Writes the whole workbook to `temporary`; the reason it failed, or nothing.
std::optional<WorkbookFailure> writeTemporary(const std::filesystem::path& temporary,
                                              const std::vector<SpreadsheetCell>& cells,
                                              const std::map<int, double>& columnWidths)
{
    // The library prints numbers with the process locale.
    const ClassicLocaleOnThisThread classicLocale;
    // The library's own temporary files stay in the private folder too.
    std::string folder = temporary.parent_path().string();
    lxw_workbook_options options{};
    options.tmpdir = folder.data();
    lxw_workbook* workbook = workbook_new_opt(temporary.c_str(), &options);
    if (!workbook)
        return internal("the workbook cannot be made");
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, nullptr);
    std::optional<WorkbookFailure> failure =
        sheet ? fillSheet(workbook, sheet, cells, columnWidths)
              : std::optional<WorkbookFailure>(internal("the sheet cannot be added"));
    // Closing also frees the workbook, so it runs even after a failure.
    const lxw_error closed = workbook_close(workbook);
    if (!failure && closed != LXW_NO_ERROR)
        failure = libraryFailure(closed);
    return failure;
}

// A folder of our own under the system's temporary folder, so that the library's file is
// made where nobody else can plant a link; removed with its content at the end.
class PrivateFolder
{
  public:
    PrivateFolder()
    {
        std::error_code ec;
        auto system = std::filesystem::temp_directory_path(ec);
        if (ec)
            system = "/tmp";
        std::string pattern = (system / "kelvo-XXXXXX").string();
        if (::mkdtemp(pattern.data()))
            path_ = pattern;
        else
            error_ = errno;
    }
    ~PrivateFolder()
    {
        std::error_code ignored;
        if (!path_.empty())
            std::filesystem::remove_all(path_, ignored);
    }
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;

    [[nodiscard]] const std::filesystem::path& path() const { return path_; }
    [[nodiscard]] int error() const { return error_; }

  private:
    std::filesystem::path path_;
    int error_ = 0;
};

// The library reports its own failures on stderr as well as in its return codes; the user is
// told the latter, in our words, so its lines are kept off the terminal.
class StderrSilenced
{
  public:
    StderrSilenced() : saved_(::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0))
    {
        const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (saved_ >= 0 && null >= 0)
            ::dup2(null, STDERR_FILENO);
        if (null >= 0)
            ::close(null);
    }
    ~StderrSilenced()
    {
        if (saved_ >= 0) {
            ::dup2(saved_, STDERR_FILENO);
            ::close(saved_);
        }
    }
    StderrSilenced(const StderrSilenced&) = delete;
    StderrSilenced& operator=(const StderrSilenced&) = delete;

  private:
    int saved_;
};

} // namespace

void writeWorkbook(const std::filesystem::path& file, const std::vector<SpreadsheetCell>& cells,
                   const std::map<int, double>& columnWidths)
{
    const auto fail = [&](WorkbookFailure failure) {
        throw WorkbookWriteError(file, std::move(failure));
    };
    const auto failOnPlatform = [&](std::string reason) {
        fail({WorkbookProblem::Platform, std::move(reason)});
    };
    // The workbook is made whole first; only then does it replace the target, through the
    // program's one safe writer.
    std::string workbook;
    {
        const PrivateFolder folder;
        if (folder.path().empty())
            failOnPlatform(platformErrorText(folder.error()));
        const auto made = folder.path() / "workbook.xlsx";
        std::optional<WorkbookFailure> failure;
        {
            const StderrSilenced quiet;
            failure = writeTemporary(made, cells, columnWidths);
        }
        if (failure)
            fail(*failure);
        try {
            workbook = readWholeFile(made, 1024 * kMegabyte);
        } catch (const FileError& error) {
            failOnPlatform(error.reason());
        }
    }
    try {
        writeOutputFile(file, workbook);
    } catch (const FileError& error) {
        failOnPlatform(error.reason());
    }
}

std::string workbookFailureText(const WorkbookFailure& failure)
{
    switch (failure.problem) {
    case WorkbookProblem::NoMemory:
        return "not enough memory";
    case WorkbookProblem::CellTooLong:
        return "a cell's text is longer than 32767 characters";
    case WorkbookProblem::TemporaryFile:
        return "the workbook's temporary file cannot be written (no space left on the disk?)";
    case WorkbookProblem::Library:
        return "error " + failure.detail + " of the workbook library";
    case WorkbookProblem::Platform:
    case WorkbookProblem::Internal:
        break;
    }
    return failure.detail;
}

WorkbookWriteError::WorkbookWriteError(std::filesystem::path file, WorkbookFailure failure)
    : SpreadsheetError("cannot write the workbook " + file.string() + ": " +
                       workbookFailureText(failure)),
      file_(std::move(file)), failure_(std::move(failure))
{
}

} // namespace kelvo
