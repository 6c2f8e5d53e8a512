#include "output/clickscript.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <optional>
#include <unordered_map>

#include "core/base/regularfile.h"
#include "core/text/textlines.h"
#include "core/base/atomicfile.h"

namespace quorix {

namespace {

const char *yesNo(bool ticked) {
    return ticked ? "JA" : "NEIN";
}

using Steps = std::vector<std::pair<std::string, std::string>>;

// The placeholders of the steps, looked up by name. Filling is one pass over the text: each
// placeholder of the text itself is replaced, and what a replacement puts in is never searched
// again, so the result grows at most linearly with the text and the replacements. A placeholder
// begins with "[", ends with the first "]" and holds no bracket between, so two can never overlap
// and the order of the steps decides nothing.
class Placeholders {
public:
    explicit Placeholders(const Steps &steps) {
        for (const auto &[placeholder, replacement] : steps) {
            m_byName.emplace(placeholder, replacement);
            m_longest = std::max(m_longest, placeholder.size());
        }
    }

    // The filled text, or nullopt when it would be longer than `limit` bytes.
    std::optional<std::string> fill(std::string_view text, std::size_t limit) const {
        std::string filled;
        const auto append = [&](std::string_view piece) {
            if (piece.size() > limit - filled.size()) return false;
            filled += piece;
            return true;
        };
        std::size_t copied = 0;
        for (std::size_t open = text.find('['); open != std::string_view::npos;
             open = text.find('[', open + 1)) {
            // A bracket further away than the longest name closes none.
            const std::string_view window = text.substr(open + 1, m_longest - 1);
            const std::size_t close = window.find_first_of("[]");
            if (close == std::string_view::npos || window[close] != ']') continue;
            const auto found = m_byName.find(text.substr(open, close + 2));
            if (found == m_byName.end()) continue;
            if (!append(text.substr(copied, open - copied)) || !append(found->second)) return std::nullopt;
            open += close + 1;
            copied = open + 1;
        }
        if (!append(text.substr(copied))) return std::nullopt;
        return filled;
    }

private:
    std::unordered_map<std::string_view, std::string_view> m_byName;
    std::size_t m_longest = 1;
};

// A text with a line end would split the line it goes into: the automation program would take
// its second half for a line of the script of its own.
Result<void> checkLineEnds(std::string_view scriptBytes, const Steps &steps) {
    for (const auto &[placeholder, replacement] : steps)
        if (replacement.find_first_of("\r\n") != std::string::npos &&
            scriptBytes.find(placeholder) != std::string_view::npos) {
            Error error = errorOf(Error::Code::BadInput, ErrorKind::ScriptLineEnd);
            error.field = placeholder;
            return describedError(std::move(error));
        }
    return {};
}

std::string codePointName(char32_t u) {
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(u));
    return name;
}

} // namespace

std::vector<std::pair<std::string, std::string>>
ClickScript::replacements(const TipSheet &sheet, const ClickScriptChoices &choices) {
    std::vector<std::pair<std::string, std::string>> steps;
    for (std::size_t r = 0; r < sheet.rows.size(); ++r) {
        const TipRow &row = sheet.rows[r];
        const std::string rowText = std::to_string(r + 1);
        for (std::size_t c = 0; c < row.numbers.size(); ++c)
            steps.emplace_back("[Z" + std::to_string(c + 1) + "_" + rowText + "]", row.numbers[c]);
        steps.emplace_back("[PLUS" + rowText + "]", row.lucky);
    }
    steps.emplace_back("[MELDUNGFERTIG]", std::string(kReadyMessage));
    steps.emplace_back("[MI]", yesNo(choices.wednesday));
    steps.emplace_back("[SA]", yesNo(choices.saturday));
    steps.emplace_back("[MISA]", yesNo(choices.saturday && choices.wednesday));
    steps.emplace_back("[JOKER3]", yesNo(choices.jokers[2]));
    steps.emplace_back("[JOKER1]", yesNo(choices.jokers[0]));
    steps.emplace_back("[JOKER2]", yesNo(choices.jokers[1]));
    return steps;
}

std::string ClickScript::fillText(std::string_view text, const TipSheet &sheet,
                                  const ClickScriptChoices &choices) {
    const Steps steps = replacements(sheet, choices);
    return *Placeholders(steps).fill(text, std::string::npos);
}

Result<std::string> ClickScript::fill(std::string_view scriptBytes, const TipSheet &sheet,
                                      const ClickScriptChoices &choices) {
    // No placeholder holds a line end, so filling line by line is filling the whole text.
    const std::vector<std::string> lines = decodeTextLines(scriptBytes);
    const Steps steps = replacements(sheet, choices);
    if (auto fits = checkLineEnds(scriptBytes, steps); !fits) return fits.error();
    const Placeholders placeholders(steps);
    std::string out;
    out.reserve(scriptBytes.size() + 256);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        // Windows-1252 takes no more bytes than UTF-8: a line within the rest of the limit as
        // UTF-8 stays within it when encoded, its CR LF counted too.
        const std::optional<std::string> filled =
            out.size() + 2 > kMaxFilledBytes ? std::nullopt
                                             : placeholders.fill(lines[i], kMaxFilledBytes - out.size() - 2);
        if (!filled) {
            Error error = errorOf(Error::Code::BadInput, ErrorKind::ScriptTooLarge);
            error.number = static_cast<long long>(kMaxFilledBytes >> 20);
            error.line = static_cast<long long>(i) + 1;
            return describedError(std::move(error));
        }
        const Windows1252Text line = utf8ToWindows1252(*filled);
        if (!line.ok) {
            Error error = errorOf(Error::Code::BadInput, ErrorKind::ScriptUnencodable);
            error.line = static_cast<long long>(i) + 1;
            error.text = codePointName(line.unencodable);
            return describedError(std::move(error));
        }
        out += line.bytes;
        out += "\r\n";
    }
    return out;
}

Result<std::string> ClickScript::read(const std::filesystem::path &path) {
    if (path.empty()) return describedError(errorOf(Error::Code::NotFound, ErrorKind::NoScriptChosen));
    // A FIFO or device in the script's place is refused, never waited on or read for ever.
    return readRegularFile(path, kMaxScriptBytes);
}

// Replaced atomically: the target is either the old file or the new one, never half of it.
Result<void> ClickScript::write(const std::filesystem::path &path, std::string_view bytes) {
    return writeAtomically(path, bytes);
}

std::string ClickScript::filledName(DaySerial today) {
    const Ymd date = ymdFromSerial(today);
    char name[32];
    std::snprintf(name, sizeof name, "%04d%02d%02d.%s", date.year, date.month, date.day, kExtension);
    return name;
}

std::vector<std::string> ClickScript::arguments(const std::string &filledPath,
                                                const ClickScriptParameters &values) {
    return {"START", filledPath, values.zahl1, values.text1, values.zahl2, values.text2};
}

std::string ClickScript::commandText(const std::vector<std::string> &arguments) {
    std::string text = arguments.empty() ? std::string() : arguments.front();
    for (std::size_t i = 1; i < arguments.size(); ++i)
        text += " \"" + arguments[i] + "\"";
    return text;
}

Result<void> ClickScript::checkCommandLength(const std::string &executable,
                                             const std::vector<std::string> &arguments) {
    const auto tooLong = [](ErrorKind kind) {
        Error error = errorOf(Error::Code::BadInput, kind);
        error.number = static_cast<long long>(kMaxCommandChars);
        return describedError(std::move(error));
    };
    if (utf8Length(executable) > kMaxCommandChars) return tooLong(ErrorKind::AutomationPathLong);
    if (utf8Length(commandText(arguments)) > kMaxCommandChars)
        return tooLong(ErrorKind::AutomationCommandLong);
    return {};
}

} // namespace quorix
