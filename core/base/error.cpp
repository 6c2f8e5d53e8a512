#include "core/base/error.h"

#include <cerrno>
#include <cstring>
#include <utility>

namespace quorix {

namespace {

std::string n(long long value) {
    return std::to_string(value);
}

std::string causeText(const Error &error) {
    return error.cause ? englishText(*error.cause) : std::string();
}

std::string lockText(const Error &e, const std::string &why) {
    return "Cannot lock " + e.path + " (" + e.other + "): " + why;
}

std::string fileText(const Error &e) {
    const auto failed = [&](const char *what) { return what + (" " + e.path) + ": " + e.reason; };
    const std::string remove = "; remove it to let the draw file be written";
    switch (e.kind) {
    case ErrorKind::CannotOpen:
        return failed("Cannot open");
    case ErrorKind::CannotRead:
        return failed("Cannot read");
    case ErrorKind::CannotCreate:
        return failed("Cannot create");
    case ErrorKind::CannotWrite:
        return failed("Cannot write");
    case ErrorKind::CannotReplace:
        return "Cannot replace " + e.path + " by " + e.other + ": " + e.reason;
    case ErrorKind::NotRegularFile:
        return e.path + " is not a regular file";
    case ErrorKind::FileTooLarge:
        return e.path + " is larger than " + sizeLimitText(static_cast<std::size_t>(e.number));
    case ErrorKind::CannotLock:
        return lockText(e, e.reason);
    case ErrorKind::LockIsLink:
        return lockText(e, "it is a symbolic link, not a lock file" + remove);
    case ErrorKind::LockIsFolder:
        return lockText(e, "it is a folder, not a lock file" + remove);
    case ErrorKind::LockNotRegular:
        return lockText(e, "it is not a regular file" + remove);
    case ErrorKind::DrawFileBusy:
        return e.path + " is being written by another program; try again when it has finished";
    case ErrorKind::NotADrawFile:
        return e.path + " does not look like a draw file (" + causeText(e) + "); it is left as it is";
    default:
        return {};
    }
}

std::string lineText(const Error &e) {
    switch (e.kind) {
    case ErrorKind::DrawFileSizeOdd:
        return "its size of " + n(e.number) + " bytes is not whole " + n(e.high) + "-byte records; " +
               n(e.low) + " bytes are left over";
    case ErrorKind::DrawRecordUndated:
        return "record " + n(e.line) + " has no date between 1970 and a year from today";
    case ErrorKind::DrawRecordEarlier:
        return "record " + n(e.line) + " is dated before the record in front of it";
    case ErrorKind::CsvNoHeader:
        return "line 1 is not the header \"" + e.text + "\"";
    case ErrorKind::CsvEmpty:
        return "empty file; expected the header \"" + e.text + "\"";
    case ErrorKind::CsvBadLine:
        return e.path + " line " + n(e.line) + ": " + causeText(e);
    case ErrorKind::CsvLineTooLong:
        return "line is longer than " + n(e.number) + " bytes";
    case ErrorKind::CsvFieldCount:
        return "expected " + n(e.high) + " fields, found " + n(e.number);
    case ErrorKind::CsvBadDate:
        return "date is not a real date (YYYY-MM-DD): " + e.text;
    case ErrorKind::CsvBadNumber:
        return e.field + " must be a number " + n(e.low) + ".." + n(e.high) + ": " + e.text;
    case ErrorKind::CsvBadJoker:
        return "joker must be six digits or empty: " + e.text;
    case ErrorKind::NumberTwice:
        return "number " + n(e.number) + " occurs twice";
    case ErrorKind::NotWholeNumber:
        return "'" + e.text + "' in row " + n(e.line) + " is not a whole number";
    case ErrorKind::JokerNotDigit:
        return "Joker field " + n(e.line) + " holds \"" + e.text + "\", not a digit 0..9";
    case ErrorKind::NotANumberValue:
        return "'" + e.text + "' is not a valid integer value";
    case ErrorKind::ProxyPortBad:
        return "proxy port \"" + e.text + "\" is not a number from 1 to 65535";
    case ErrorKind::CrossSumCrossed:
        return "cross-sum minimum " + n(e.low) + " is above maximum " + n(e.high) +
               ": no tip can be computed";
    case ErrorKind::NoDraws:
        return "the draw history holds no draw";
    default:
        return {};
    }
}

std::string refusalText(const Error &e) {
    switch (e.kind) {
    case ErrorKind::TicketRowNotFromFirstField:
        return "row " + n(e.line) +
               ": the first number field is empty while the row holds numbers or a lucky number";
    case ErrorKind::NoScriptChosen:
        return "No click script chosen";
    case ErrorKind::ScriptLineEnd:
        return "the text for " + e.field + " holds a line end, which no line of the script can";
    case ErrorKind::ScriptTooLarge:
        return "the filled script would be larger than " + n(e.number) + " MiB (line " + n(e.line) + ")";
    case ErrorKind::ScriptUnencodable:
        return "line " + n(e.line) + " of the filled script holds the character " + e.text +
               ", which Windows-1252 cannot hold";
    case ErrorKind::AutomationPathLong:
        return "the automation program's path is longer than " + n(e.number) + " characters";
    case ErrorKind::AutomationCommandLong:
        return "the automation program's command line is longer than " + n(e.number) + " characters";
    case ErrorKind::ServerRequestFailed:
    case ErrorKind::ServerAnswerRefused:
        return e.reason;
    default:
        return {};
    }
}

} // namespace

std::string englishText(const Error &error) {
    if (error.kind == ErrorKind::Other) return error.message;
    if (std::string text = fileText(error); !text.empty()) return text;
    if (std::string text = lineText(error); !text.empty()) return text;
    return refusalText(error);
}

Error describedError(Error error) {
    error.message = englishText(error);
    return error;
}

Error fileError(ErrorKind kind, const std::string &path, int err) {
    Error error;
    error.code = err == ENOENT ? Error::Code::NotFound : Error::Code::Io;
    error.kind = kind;
    error.path = path;
    error.reason = std::strerror(err);
    error.systemError = err;
    return describedError(std::move(error));
}

Error notRegularFileError(const std::string &path) {
    Error error = errorOf(Error::Code::BadInput, ErrorKind::NotRegularFile);
    error.path = path;
    return describedError(std::move(error));
}

Error lineError(const std::string &path, long long line, const Error &cause) {
    Error error;
    error.code = cause.code;
    error.kind = ErrorKind::CsvBadLine;
    error.path = path;
    error.line = line;
    error.cause = std::make_shared<const Error>(cause);
    return describedError(std::move(error));
}

std::string sizeLimitText(std::size_t bytes) {
    constexpr std::size_t kKiB = 1024;
    if (bytes >= kKiB * kKiB && bytes % (kKiB * kKiB) == 0)
        return std::to_string(bytes / (kKiB * kKiB)) + " MiB";
    if (bytes >= kKiB && bytes % kKiB == 0) return std::to_string(bytes / kKiB) + " KiB";
    return std::to_string(bytes) + " bytes";
}

} // namespace quorix
