#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/app/language_entries.h"
#include "core/text/code_page.h"

namespace kelvo
{

// Languages of the start window, the selection window and the unit datasheet, numbered as
// the items of the "Język" menu. The catalogue editor is Polish only and does not use them.
inline constexpr int kLanguageCount = 5;
inline constexpr int kPolish = 1;
inline constexpr int kEnglish = 2;
inline constexpr int kCzech = 3;
inline constexpr int kSlovak = 4;
inline constexpr int kLithuanian = 5;

// Entries are numbered 1 .. kLanguageEntryCount; an unused entry is an empty text.
inline constexpr int kLanguageEntryCount = 150;
// Longest entry, in characters of its language's 8-bit code page.
inline constexpr int kLanguageTextMaxLength = 100;

// The caption of language k on the "Język" menu; empty outside 1 .. kLanguageCount.
std::string_view languageName(int language);
// The 8-bit code page of a language's texts: Windows-1257 for Lithuanian, Windows-1250 for
// the others (and for a number outside 1 .. kLanguageCount).
CodePage languageCodePage(int language);

struct LanguageRecord {
    // True for the language chosen last on the menu.
    bool selected = false;
    // UTF-8 texts; index 0 holds entry 1.
    std::array<std::string_view, kLanguageEntryCount> entries{};
};

// The texts of the user-facing windows in the five languages, and the language they show.
// Filled on construction; English is the current (and selected) language until another is
// chosen.
class LanguageTable
{
  public:
    LanguageTable();

    // Entry `entry` of language `language`, as UTF-8; empty when either number is out of range.
    std::string_view text(int language, int entry) const;
    // Entry `entry` of the current language.
    std::string_view text(int entry) const { return text(current_, entry); }
    // The same text as bytes of languageCodePage(language), as the report engine takes them.
    std::string textInCodePage(int language, int entry) const;

    // Menu item k: language k becomes the only selected one and the current language.
    // A number outside 1 .. kLanguageCount changes nothing.
    void chooseLanguage(int language);
    int currentLanguage() const { return current_; }
    bool isSelected(int language) const;

    // Index 0 holds language 1.
    const std::array<LanguageRecord, kLanguageCount>& records() const { return records_; }

  private:
    // Takes the current language from the selected flags; none selected keeps it.
    void applySelection();

    std::array<LanguageRecord, kLanguageCount> records_{};
    int current_ = kEnglish;
};

} // namespace kelvo
