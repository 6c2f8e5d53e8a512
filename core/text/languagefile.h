#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/textlines.h"

namespace quorix {

// The files of land/ that name controls: the base file (five lines an entry: window, control,
// caption, hint, character set) and a language's translation file (two lines an entry: caption,
// hint; entry k belongs to base entry k).

// A base file lists a few hundred controls with short texts; these only stop files nobody wrote.
inline constexpr TextLimits kLanguageFileLimits{2000, 100000, false};

// The lines of a language file. A UTF-16 byte-order mark (little- or big-endian, as the
// translator template is written) makes it UTF-16; otherwise each line is UTF-8 or Windows-1252
// as decodeTextLines reads it. Unpaired surrogates become U+FFFD; a torn last byte is dropped.
std::vector<std::string> decodeLanguageFile(std::string_view bytes,
                                            const TextLimits &limits = kLanguageFileLimits);

struct BaseEntry {
    std::string window;
    std::string control;
    std::string caption;
    std::string hint;
    std::string charset;
};

struct TranslationEntry {
    std::string caption;
    std::string hint;
};

// Entries from lines; an incomplete last entry is no entry.
std::vector<BaseEntry> parseBaseEntries(const std::vector<std::string> &lines);
std::vector<TranslationEntry> parseTranslationEntries(const std::vector<std::string> &lines);

// How many entries the search looks at from the cursor on: the cursor's own and ten more.
inline constexpr std::size_t kLanguageSearchWindow = 11;

// The first entry from `cursor` within the search window whose window and control names match
// (blanks at both ends ignored).
std::optional<std::size_t> findBaseEntry(const std::vector<BaseEntry> &entries, std::size_t cursor,
                                         std::string_view window, std::string_view control);

// Blanks (spaces and tabs) at both ends removed.
std::string_view trimBlanks(std::string_view text);

// Whether the text reads as a decimal number with "," as decimal separator: blanks around it,
// a sign, digits with at most one ",", an exponent ("1,5E3"). "1.000" and "" are no numbers.
bool isDecimalNumber(std::string_view text);

// The character-set line as a number; nullopt when it is none.
std::optional<int> parseCharset(std::string_view line);

} // namespace quorix
