#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalogue/records.h"

namespace kelvo
{

// Items of one input combo box of the editor and the item it selects.
struct InputList {
    std::vector<std::string> items;
    int defaultIndex = 0;

    // The text the box shows after selecting defaultIndex; empty when there is no such item.
    [[nodiscard]] std::string defaultText() const;
};

// The six input combo boxes' texts (what is typed or picked) and the two count boxes' state.
struct EditorInputs {
    std::vector<std::string> evaporatingItems; // items of ComboBox1
    std::string to;                            // ComboBox1, C
    std::string ambient;                       // ComboBox2, C
    std::string superheat;                     // ComboBox5, K
    std::string subcooling;                    // ComboBox6, K
    std::string compressorCount;               // ComboBox3
    std::string condenserCount;                // ComboBox4
    bool countsEnabled = true;                 // ComboBox3 and ComboBox4 take input
    std::string heatFactor;                    // Edit14, as typed
};

// The six input boxes, by what they hold.
enum class EditorInputBox {
    Evaporating,     // ComboBox1
    Ambient,         // ComboBox2
    CompressorCount, // ComboBox3
    CondenserCount,  // ComboBox4
    Superheat,       // ComboBox5
    Subcooling,      // ComboBox6
};
inline constexpr EditorInputBox kEveryInputBox[] = {
    EditorInputBox::Evaporating,    EditorInputBox::Ambient,   EditorInputBox::CompressorCount,
    EditorInputBox::CondenserCount, EditorInputBox::Superheat, EditorInputBox::Subcooling};
std::string& inputText(EditorInputs& inputs, EditorInputBox box);
const std::string& inputText(const EditorInputs& inputs, EditorInputBox box);

// ComboBox1 after a compressor or condenser click and at start: "12,5", 12 down to -45,
// selecting "0" (index 13).
InputList pairEvaporatingList(char separator);
// ComboBox2: 50 down to 0, selecting "32".
InputList ambientList(char separator);
// ComboBox5: 0 .. 50, selecting "10".
InputList superheatList();
// ComboBox6: 0 .. 50, selecting "0".
InputList subcoolingList();
// ComboBox3 and ComboBox4: 1 .. 10, selecting "1".
InputList countList();

// ComboBox1 after a unit click: from toMax down in steps of 0.5 while not below toMin rounded
// half to even, selecting index 0; the single item "0" when either limit is no number. A
// range wider than kMaxEvaporatingItems steps is cut there.
InputList unitEvaporatingList(const CondensingUnitRecord& unit, char separator);
inline constexpr int kMaxEvaporatingItems = 2000;

// The six boxes filled and selected as a freshly opened editor shows them.
EditorInputs initialEditorInputs(char separator);
// Fills ComboBox1 with the list and shows its default item.
void setEvaporatingList(EditorInputs& inputs, const InputList& list);

inline constexpr double kDefaultCondenserHeatFactor = 1.1;
// The factor typed into Edit14: "." rewritten to "," and converted; text that is no number
// gives 1.0.
double condenserHeatFactorFromText(std::string_view text);
// The same for the editor's display, which refuses what the command line refuses: nullopt for
// text that is no number or a factor not above 0.
std::optional<double> heatFactorFromText(std::string_view text);

} // namespace kelvo
