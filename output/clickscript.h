#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/base/calendar.h"
#include "core/base/result.h"
#include "core/game/tipsheet.h"

namespace quorix {

// What the click script is told besides the tips: the draw days and the Joker boxes ticked in
// the print settings.
struct ClickScriptChoices {
    bool saturday = false;
    bool wednesday = false;
    std::array<bool, 3> jokers{};
};

// The four free values of the script choice, handed to the automation program as they stand.
struct ClickScriptParameters {
    std::string zahl1;
    std::string text1;
    std::string zahl2;
    std::string text2;
};

// Click scripts (.zqs) for the browser-automation program. The script's content is that
// program's business; here its placeholders are filled with the tips and the choices, and the
// filled script is written for the program to run. Placeholders match exactly, brackets and
// case included, and every occurrence is replaced.
struct ClickScript {
    static constexpr const char *kExtension = "zqs";
    static constexpr const char *kFilter = "Sorvanis Click Script|*.zqs";
    // Below the program folder: the scripts to choose from, and where the filled one goes.
    static constexpr const char *kScriptFolder = "Script";
    static constexpr const char *kFilledFolder = "Tipps";
    // What "[MELDUNGFERTIG]" becomes (UTF-8).
    static constexpr std::string_view kReadyMessage =
        "Bitte \xC3\xBC"
        "berpr\xC3\xBC"
        "fen Sie jetzt den Tipp und dann k\xC3\xB6nnen Sie ihn abgeben!";
    // A recorded script is a few kilobytes; a larger file is no script.
    static constexpr std::size_t kMaxScriptBytes = std::size_t{4} << 20;
    // The automation program takes its executable path and its parameter text in buffers of 1024
    // characters; a longer one is refused rather than cut, which would hand on a wrong password
    // or a wrong file.
    static constexpr std::size_t kMaxCommandChars = 1023;

    // A filled script larger than this is refused: a few kilobytes of script with tips fill a
    // few kilobytes more, and this stays far above that while keeping a hostile one small.
    static constexpr std::size_t kMaxFilledBytes = std::size_t{8} << 20;

    // Placeholder and replacement (UTF-8) in the order the automation program's scripts name
    // them: row by row the six numbers and the lucky box, then the ready message, the days and the
    // Jokers (3, 1, 2).
    static std::vector<std::pair<std::string, std::string>> replacements(const TipSheet &sheet,
                                                                         const ClickScriptChoices &choices);
    // Replaces the placeholders of the text in one pass: what a replacement puts in (a lucky text
    // may hold "[PLUS2]") is written as it stands, never replaced again, nor joined with the text
    // around it into a placeholder.
    static std::string fillText(std::string_view text, const TipSheet &sheet,
                                const ClickScriptChoices &choices);

    // A script file's bytes filled and encoded as the written file: the lines decoded as text
    // files are (UTF-8 where valid, else Windows-1252), filled, and written in Windows-1252 with
    // CR LF after every line. A character Windows-1252 cannot hold is an error naming its line;
    // so are a result above kMaxFilledBytes and a text with a line end for a placeholder the
    // script holds.
    static Result<std::string> fill(std::string_view scriptBytes, const TipSheet &sheet,
                                    const ClickScriptChoices &choices);

    // The script's bytes; a missing, unreadable or oversized file is an error naming it.
    static Result<std::string> read(const std::filesystem::path &path);
    // Replaces the file as a whole; the folder is not created.
    static Result<void> write(const std::filesystem::path &path, std::string_view bytes);

    // The filled script's name for a day: "yyyymmdd.zqs".
    static std::string filledName(DaySerial today);

    // The automation program's arguments: "START", the filled script's path, ZAHL1, TEXT1, ZAHL2
    // and TEXT2, each one argument, so no quoting is needed and none can break.
    static std::vector<std::string> arguments(const std::string &filledPath,
                                              const ClickScriptParameters &values);
    // The command line as the automation program sees it: START and the five values, each after a
    // blank and in double quotes. Its length in characters is what kMaxCommandChars limits.
    static std::string commandText(const std::vector<std::string> &arguments);
    // BadInput when the executable's path or the command text is longer than kMaxCommandChars.
    static Result<void> checkCommandLength(const std::string &executable,
                                           const std::vector<std::string> &arguments);
};

} // namespace quorix
