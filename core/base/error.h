#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <utility>

namespace quorix {

// What went wrong, for a caller that shows it in the player's language. Each kind names the
// values it fills in (see Error); the English line of each is englishText's.
enum class ErrorKind {
    Other, // only the English message; an argument of quorix-cli, a setting out of its range
    // A file: path, reason (the operating system's words).
    CannotOpen,
    CannotRead,
    CannotCreate,
    CannotWrite,
    CannotReplace, // path by other (the temporary file)
    NotRegularFile,
    FileTooLarge, // number: the limit in bytes
    // The draw file's lock: path the draw file, other the lock file.
    CannotLock,        // reason
    LockIsLink,        // a symbolic link where the lock file belongs
    LockIsFolder,      // a folder where the lock file belongs
    LockNotRegular,    // a FIFO, device or socket where the lock file belongs
    DrawFileBusy,      // another program holds the lock
    NotADrawFile,      // path; cause says why
    DrawFileSizeOdd,   // number the size, high the record size, low the bytes left over
    DrawRecordUndated, // line the record
    DrawRecordEarlier, // line the record
    // A line of a CSV or of the window's rows.
    CsvNoHeader,     // text the header expected
    CsvEmpty,        // text the header expected
    CsvBadLine,      // path, line; cause says why
    CsvLineTooLong,  // number the limit in bytes
    CsvFieldCount,   // number the fields found, high the fields expected
    CsvBadDate,      // text the field as found (quoted)
    CsvBadNumber,    // field the name, low..high the range, text the field as found (quoted)
    CsvBadJoker,     // text the field as found (quoted)
    NumberTwice,     // number
    NotWholeNumber,  // text, line the row
    JokerNotDigit,   // line the Joker field, text what it holds
    NotANumberValue, // text: a threshold or count the player typed
    ProxyPortBad,    // text
    CrossSumCrossed, // low the minimum, high the maximum
    NoDraws,         // the draw history holds no draw
    // Printing: line the row.
    TicketRowNotFromFirstField,
    // Click scripts.
    NoScriptChosen,
    ScriptLineEnd,         // field the placeholder
    ScriptTooLarge,        // number the limit in MiB, line the line
    ScriptUnencodable,     // line, text the character ("U+20AC")
    AutomationPathLong,    // number the limit in characters
    AutomationCommandLong, // number the limit in characters
    // The update.
    ServerRequestFailed, // reason: the transport's words
    ServerAnswerRefused, // reason: what is wrong with the answer
};

// An error as a value: a short code for callers that branch on it, the English line quorix-cli
// prints, and the kind with its values for a window that says it in the player's language.
struct Error {
    enum class Code { Io, NotFound, BadInput, BadArgument, Cancelled };
    Error() = default;
    // An error of ErrorKind::Other: its text is all there is.
    Error(Code errorCode, std::string englishMessage)
        : code(errorCode)
        , message(std::move(englishMessage)) {}

    Code code = Code::Io;
    std::string message;
    ErrorKind kind = ErrorKind::Other;
    std::string path;    // the file concerned
    std::string other;   // a second file (lock, temporary) or a placeholder
    std::string reason;  // the operating system's or an outside program's words
    int systemError = 0; // the errno behind `reason`, 0 when none
    std::string text;    // the text as found
    std::string field;   // the name of a field
    long long line = 0;  // line, row, record or field number, 1-based
    long long number = 0;
    long long low = 0;
    long long high = 0;
    std::shared_ptr<const Error> cause; // the error inside: the fault of a CSV line
};

// An error of `kind` whose values the caller sets before describedError.
inline Error errorOf(Error::Code code, ErrorKind kind) {
    Error error;
    error.code = code;
    error.kind = kind;
    return error;
}

// The English line of `error`'s kind with its values filled in; `message` for ErrorKind::Other.
std::string englishText(const Error &error);

// `error` with its English line set from its kind and values.
Error describedError(Error error);

// A failed operation on a file: path and the operating system's reason for `err`; NotFound for
// ENOENT, Io else.
Error fileError(ErrorKind kind, const std::string &path, int err);

// Something else (a folder, a FIFO, a device) where a regular file was expected: BadInput.
Error notRegularFileError(const std::string &path);

// "path line N: <cause>": a line of a file refused.
Error lineError(const std::string &path, long long line, const Error &cause);

// "64 KiB", "16 MiB", "100 bytes": a size limit as an error message states it.
std::string sizeLimitText(std::size_t bytes);

} // namespace quorix
