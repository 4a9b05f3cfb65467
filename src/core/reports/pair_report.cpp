#include "core/reports/pair_report.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

#include "core/app/language_table.h"
#include "core/app/own_texts.h"
#include "core/performance/balance_point.h"
#include "core/selection/display_figures.h"
#include "core/text/code_page.h"
#include "core/text/message_sink.h"
#include "core/text/numeric_text.h"
#include "core/workspace/workspace.h"

namespace kelvo
{
namespace
{

constexpr const char* kTitle = "Raport z doboru : Sprężarka - Skraplacz   / ";

// Defaults: the envelope's range widened to steps of 5 K counted down from 100 C.
constexpr double kDefaultsTop = 100;
constexpr double kDefaultsStep = 5;

// The first column of evaporating temperatures; every temperature takes two columns.
constexpr int kFirstDataColumn = 8;
constexpr int kMaxColumns = (kSpreadsheetMaxColumns - kFirstDataColumn + 1) / 2;

std::string number(double value)
{
    return formatNumber(value, ',');
}

// A catalogue model (Windows-1250, blank-padded as typed) as the report shows it: UTF-8,
// without outer blanks.
std::string modelText(std::string_view model)
{
    return toUtf8(withoutOuterBlanks(model));
}

// "repeat v -= step until v <= limit", without walking one step at a time to a far limit.
double stepDownTo(double v, double limit)
{
    const double steps = std::max(1.0, std::ceil((v - limit) / kDefaultsStep));
    v -= steps * kDefaultsStep;
    // The division may round one step short; a value too large to change stops as well.
    while (v > limit && v - kDefaultsStep < v)
        v -= kDefaultsStep;
    return v;
}

class PairReportBuilder
{
  public:
    PairReportBuilder(Workspace& workspace, const ReportRefrigerant& refrigerant, int compressor,
                      int condenser, const PairReportInputs& inputs, MessageSink& sink)
        : workspace_(workspace), refrigerant_(refrigerant.name), result_(refrigerant.previous),
          compressor_(compressor), condenser_(condenser), in_(inputs), sink_(sink)
    {
    }

    PairReport build();

  private:
    bool convert(const char* field, const std::string& text, double& value);
    bool convertTemperatures();
    void writeHeader();
    bool writeBlock(int block, const char* field, const std::string& ambient);
    bool writeColumnPair(int block, int column, double to, double ambient);
    [[nodiscard]] int columnCount() const;
    [[nodiscard]] double columnTemperature(int k) const;
    bool evaluate(double to, double ambient);
    std::string figure(double value) const;
    void writeMarkLegend();
    void put(int row, int column, std::string text);
    // A name that must stay as typed even when it reads as a number ("0500").
    void putText(int row, int column, std::string text);

    Workspace& workspace_;
    std::string refrigerant_;
    PerformanceResult result_; // of the latest evaluation
    int compressor_;
    int condenser_;
    const PairReportInputs& in_;
    MessageSink& sink_;
    PairReport report_;
    double min_ = 0;
    double max_ = 0;
    double step_ = 0;
    double subcooling_ = 0;
    double suction_ = 0;
    double compressorCount_ = 0;
    double condenserCount_ = 0;
    EvaluationOutcome outcome_; // of the latest evaluation
    bool anyFailed_ = false;
    bool anyGaveUp_ = false;
    int columnCount_ = 0;
};

PairReport PairReportBuilder::build()
{
    if (!convertTemperatures())
        return std::move(report_);
    if (step_ <= 0) {
        report_.error = ownText(OwnText::ReportStepRefused, in_.language);
        return std::move(report_);
    }
    // Counted before anything is evaluated, so that a step far too small for the range is
    // refused at once instead of after thousands of evaluations.
    columnCount_ = columnCount();
    if (columnCount_ < 0) {
        report_.error = ownText(OwnText::ReportTooManyColumns, in_.language);
        return std::move(report_);
    }
    report_.widths = {{1, 2}, {2, 20}, {3, 10}, {4, 5}};
    writeHeader();
    if (!convert("Ilość sprężarek", in_.compressorCount, compressorCount_) ||
        !convert("Ilość skraplaczy", in_.condenserCount, condenserCount_))
        return std::move(report_);
    put(4, 8, "Te");
    put(5, 7, "Ta");
    const std::array<const std::string*, 3> ambients = {&in_.ambient1, &in_.ambient2,
                                                        &in_.ambient3};
    const std::array<const char*, 3> fields = {"Ta1", "Ta2", "Ta3"};
    for (int block = 1; block <= 3; ++block)
        if (!writeBlock(block, fields[block - 1], *ambients[block - 1]))
            break;
    writeMarkLegend();
    return std::move(report_);
}

bool PairReportBuilder::convert(const char* field, const std::string& text, double& value)
{
    if (const auto converted = parseNumber(text)) {
        value = *converted;
        return true;
    }
    report_.error = std::string(field) + ": " + invalidNumberMessage(text);
    return false;
}

bool PairReportBuilder::convertTemperatures()
{
    return convert("Min", in_.min, min_) && convert("Max", in_.max, max_) &&
           convert("Krok", in_.step, step_) &&
           convert("Dochłodzenie", in_.subcooling, subcooling_) &&
           convert("Temp. pary na ssaniu", in_.suction, suction_);
}

void PairReportBuilder::writeHeader()
{
    const Catalogue& catalogue = workspace_.catalogue();
    put(2, 2, kTitle + in_.date + "  /  " + in_.time);
    put(4, 2, "Typ sprężarki");
    putText(4, 3, modelText(catalogue.compressors[compressor_].model.view()));
    put(5, 2, "Ilość sprężarek");
    put(5, 3, in_.compressorCount);
    put(5, 4, "[szt]");
    put(6, 2, "Typ Skraplacza");
    putText(6, 3, modelText(catalogue.condensers[condenser_].model.view()));
    put(7, 2, "Ilość Skraplaczy");
    put(7, 3, in_.condenserCount);
    put(7, 4, "[szt]");
    put(8, 2, "Czynnik chłodniczy");
    putText(8, 3, refrigerant_);
    put(9, 2, "Temp. pary na ssaniu");
    put(9, 3, number(suction_));
    put(10, 2, "Dochłodzenie czynnika");
    put(10, 3, number(subcooling_));
}

// Block 1, 2 or 3 fills data row 6 + block; block 1 also writes the temperature captions and
// block 2 the power input row.
bool PairReportBuilder::writeBlock(int block, const char* field, const std::string& ambient)
{
    double airTemperature = 0;
    if (!convert(field, ambient, airTemperature))
        return false;
    put(6 + block, 7, number(airTemperature));
    for (int k = 0; k < columnCount_; ++k)
        if (!writeColumnPair(block, kFirstDataColumn + 2 * k, columnTemperature(k), airTemperature))
            return false;
    return true;
}

// The columns run from Max down by step while not below Min, and at least one (Max). Counted
// and computed as Max - k x step rather than by repeated subtraction, whose rounding would
// drop the last column or label 0 as 1,4E-16; a tolerance of a millionth of the step lets an
// exact end (0,3 down to 0 by 0,1) be reached. -1 when they would not fit on a sheet.
int PairReportBuilder::columnCount() const
{
    const double span = (max_ - min_) / step_;
    if (!(span < kMaxColumns)) // also catches a span that is no number
        return span >= kMaxColumns ? -1 : 1;
    return span < 0 ? 1 : static_cast<int>(std::floor(span + 1e-6)) + 1;
}

double PairReportBuilder::columnTemperature(int k) const
{
    const double to = max_ - k * step_;
    // Rounded to 1e-9 K so that a sum of decimal steps shows as the decimal it stands for;
    // never "-0".
    if (!(std::abs(to) < 1e6)) // far beyond any evaporating temperature: nothing to tidy
        return to;
    const double rounded = std::round(to * 1e9) / 1e9;
    return rounded == 0 ? 0.0 : rounded;
}

bool PairReportBuilder::writeColumnPair(int block, int column, double to, double ambient)
{
    if (!evaluate(to, ambient))
        return false;
    anyFailed_ = anyFailed_ || !outcome_.ok;
    anyGaveUp_ = anyGaveUp_ || (outcome_.ok && outcome_.gaveUp);
    const PerformanceResult& result = result_;
    if (block == 1) {
        put(5, column, number(to));
        put(6, column, "Pe");
        put(6, column + 1, "Po");
    }
    if (block == 2)
        put(8, column, figure(roundToTenth(result.powerInput)));
    put(6 + block, column + 1, figure(roundHalfEven(result.refrigeratingCapacity * 1000)));
    return true;
}

// A failed evaluation leaves the previous one's figures in the result, so its cells get the
// failed mark instead; a figure of a search that found no balance below 70 C is marked.
std::string PairReportBuilder::figure(double value) const
{
    if (!outcome_.ok)
        return std::string(kFailedMark);
    if (outcome_.gaveUp)
        return number(value) + " " + std::string(kGaveUpMark);
    return number(value);
}

// Under the table, only when a mark was written.
void PairReportBuilder::writeMarkLegend()
{
    int row = 11;
    if (anyFailed_)
        put(row++, 7, std::string(kFailedMark) + " – obliczenie nieudane, brak wyniku");
    if (anyGaveUp_)
        put(row, 7,
            std::string(kGaveUpMark) + " – " +
                std::string(ownText(OwnText::CondensingAbove70, kPolish)) +
                ": wynik ostatniego kroku obliczeń");
}

// A balance that fails for want of data still gets its (marked) cells; only an arithmetic
// fault stops the report.
bool PairReportBuilder::evaluate(double to, double ambient)
{
    const PairInputs inputs{compressor_,      condenser_,      to,
                            ambient,          suction_ - to,   subcooling_,
                            compressorCount_, condenserCount_, in_.heatFactor};
    CollectingMessageSink messages;
    const PairEvaluation evaluation = workspace_.evaluate(refrigerant_, inputs, result_, messages);
    workspace_.keepTextsRead(evaluation.textsRead);
    result_ = evaluation.result;
    outcome_ = evaluation.outcome;
    const EvaluationOutcome& outcome = outcome_;
    for (const std::string& message : messages.messages) {
        sink_.message(message);
        report_.messages.push_back(message);
    }
    if (outcome.error == EvaluationError::None)
        return true;
    report_.error = evaluationErrorText(outcome.error) + " (to = " + number(to) +
                    ", Ta = " + number(ambient) + ")";
    return false;
}

void PairReportBuilder::put(int row, int column, std::string text)
{
    report_.cells.push_back({row, column, std::move(text)});
}

void PairReportBuilder::putText(int row, int column, std::string text)
{
    report_.cells.push_back({row, column, std::move(text), true});
}

} // namespace

PairReportDefaults pairReportDefaults(const Catalogue& catalogue, int compressor)
{
    const Envelope& envelope = catalogue.compressors[compressor].envelopes[0];
    double low = kDefaultsTop;
    double high = -kDefaultsTop;
    for (const auto& text : envelope.to) {
        if (const auto to = parseNumber(text.view())) {
            low = std::min(low, *to);
            high = std::max(high, *to);
        }
    }
    const double max = stepDownTo(kDefaultsTop, high);
    const double min = stepDownTo(max, low);
    return {number(min), number(max)};
}

PairReport buildPairReport(Workspace& workspace, const ReportRefrigerant& refrigerant,
                           int compressor, int condenser, const PairReportInputs& inputs,
                           MessageSink& sink)
{
    return PairReportBuilder(workspace, refrigerant, compressor, condenser, inputs, sink).build();
}

} // namespace kelvo
