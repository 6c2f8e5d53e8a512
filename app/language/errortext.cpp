#include "app/language/errortext.h"

#include <cerrno>
#include <initializer_list>
#include <optional>

#include <QDir>
#include <QStringList>

#include "app/language/messagetable.h"
#include "app/widgets/prompts.h"

namespace quorix {

namespace {

QString fromStd(const std::string &text) {
    return QString::fromStdString(text);
}

QString shownPath(const std::string &path) {
    return QDir::toNativeSeparators(fromStd(path));
}

QString number(long long value) {
    return QString::number(value);
}

std::optional<Msg> reasonMessage(int err) {
    switch (err) {
    case ENOENT:
        return Msg::ReasonNoSuchFile;
    case EACCES:
    case EPERM:
        return Msg::ReasonAccessDenied;
    case ENOSPC:
    case EDQUOT:
        return Msg::ReasonDiskFull;
    case EROFS:
        return Msg::ReasonReadOnly;
    case EISDIR:
        return Msg::ReasonIsFolder;
    case ENOTDIR:
        return Msg::ReasonNotFolder;
    case EIO:
        return Msg::ReasonDeviceError;
    default:
        return std::nullopt;
    }
}

// The operating system's reason: the language's words for a common one, else the system's.
QString reasonText(const MessageTable &messages, const Error &error) {
    if (const std::optional<Msg> message = reasonMessage(error.systemError))
        if (QString text = messages.text(*message); !text.isEmpty()) return text;
    return fromStd(error.reason);
}

// The message `message` with %1, %2, ... replaced by `values` in one pass (a value that holds
// "%1" stays as it is); empty when the table lacks the line or a placeholder.
QString fill(const MessageTable &messages, Msg message, std::initializer_list<QString> values) {
    QString pattern = messages.text(message);
    if (pattern.isEmpty()) return {};
    for (int n = 1; n <= static_cast<int>(values.size()); ++n)
        if (!pattern.contains(QLatin1Char('%') + QString::number(n))) return {};
    QString text;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        const int digit = i + 1 < pattern.size() ? pattern.at(i + 1).digitValue() : -1;
        if (c == QLatin1Char('%') && digit >= 1 && digit <= static_cast<int>(values.size())) {
            text += *(values.begin() + (digit - 1));
            ++i;
        } else {
            text += c;
        }
    }
    return text;
}

// A message that has no placeholder: its text, a blank and `detail`.
QString followedBy(const MessageTable &messages, Msg message, const QString &detail) {
    const QString text = messages.text(message);
    return text.isEmpty() ? QString() : text + QLatin1Char(' ') + detail;
}

QString fileText(const MessageTable &m, const Error &e) {
    const QString path = shownPath(e.path);
    switch (e.kind) {
    case ErrorKind::CannotOpen:
        return fill(m, Msg::ErrorCannotOpen, {path, reasonText(m, e)});
    case ErrorKind::CannotRead:
        return fill(m, Msg::ErrorCannotRead, {path, reasonText(m, e)});
    case ErrorKind::CannotCreate:
        return fill(m, Msg::ErrorCannotCreate, {path, reasonText(m, e)});
    case ErrorKind::CannotWrite:
        return fill(m, Msg::ErrorCannotWrite, {path, reasonText(m, e)});
    case ErrorKind::CannotReplace:
        return fill(m, Msg::ErrorCannotReplace, {path, reasonText(m, e)});
    case ErrorKind::NotRegularFile:
        return fill(m, Msg::NotARegularFile, {path});
    case ErrorKind::FileTooLarge:
        return fill(m, Msg::FileTooLarge, {path, fromStd(sizeLimitText(static_cast<std::size_t>(e.number)))});
    case ErrorKind::CannotLock:
        return fill(m, Msg::ErrorCannotLock, {path, shownPath(e.other), reasonText(m, e)});
    case ErrorKind::LockIsLink:
    case ErrorKind::LockIsFolder:
    case ErrorKind::LockNotRegular:
        return fill(m, Msg::ErrorLockInTheWay, {path, shownPath(e.other)});
    case ErrorKind::DrawFileBusy:
        return fill(m, Msg::ErrorDrawFileBusy, {path});
    default:
        return {};
    }
}

QString causeText(const MessageTable &m, const Error &e) {
    if (!e.cause) return {};
    return errorText(m, *e.cause);
}

QString lineText(const MessageTable &m, const Error &e) {
    switch (e.kind) {
    case ErrorKind::NotADrawFile:
        return fill(m, Msg::ErrorNotADrawFile, {shownPath(e.path), causeText(m, e)});
    case ErrorKind::DrawFileSizeOdd:
        return fill(m, Msg::ErrorDrawFileSizeOdd, {number(e.number), number(e.high)});
    case ErrorKind::DrawRecordUndated:
        return fill(m, Msg::ErrorDrawRecordUndated, {number(e.line)});
    case ErrorKind::DrawRecordEarlier:
        return fill(m, Msg::ErrorDrawRecordEarlier, {number(e.line)});
    case ErrorKind::CsvNoHeader:
        return fill(m, Msg::ErrorCsvNoHeader, {fromStd(e.text)});
    case ErrorKind::CsvEmpty:
        return fill(m, Msg::ErrorCsvEmpty, {fromStd(e.text)});
    case ErrorKind::CsvBadLine:
        return fill(m, Msg::ErrorCsvBadLine, {shownPath(e.path), number(e.line), causeText(m, e)});
    case ErrorKind::CsvLineTooLong:
        return fill(m, Msg::ErrorCsvLineTooLong, {number(e.number)});
    case ErrorKind::CsvFieldCount:
        return fill(m, Msg::ErrorCsvFieldCount, {number(e.high), number(e.number)});
    case ErrorKind::CsvBadDate:
        return fill(m, Msg::ErrorCsvBadDate, {fromStd(e.text)});
    case ErrorKind::CsvBadNumber:
        return fill(m, Msg::ErrorCsvBadNumber,
                    {fromStd(e.field), number(e.low), number(e.high), fromStd(e.text)});
    case ErrorKind::CsvBadJoker:
        return fill(m, Msg::ErrorCsvBadJoker, {fromStd(e.text)});
    case ErrorKind::NumberTwice:
        return fill(m, Msg::ErrorNumberTwice, {number(e.number)});
    case ErrorKind::NotWholeNumber:
        return fill(m, Msg::ErrorNotWholeNumber, {fromStd(e.text), number(e.line)});
    case ErrorKind::JokerNotDigit:
        return m.text(Msg::JokerNotDigit);
    case ErrorKind::NotANumberValue:
        return fill(m, Msg::ErrorNotANumber, {fromStd(e.text)});
    case ErrorKind::ProxyPortBad:
        return followedBy(m, Msg::ProxyPortNotNumber, fromStd(e.text));
    case ErrorKind::CrossSumCrossed:
        return fill(m, Msg::ErrorCrossSumCrossed, {number(e.low), number(e.high)});
    case ErrorKind::NoDraws:
        return m.text(Msg::ErrorNoDraws);
    default:
        return {};
    }
}

QString refusalText(const MessageTable &m, const Error &e) {
    switch (e.kind) {
    case ErrorKind::TicketRowNotFromFirstField:
        return m.text(Msg::TicketRowNotFromFirstField);
    case ErrorKind::NoScriptChosen:
        return m.text(Msg::ErrorNoScriptChosen);
    case ErrorKind::ScriptLineEnd:
        return fill(m, Msg::ErrorScriptLineEnd, {fromStd(e.field)});
    case ErrorKind::ScriptTooLarge:
        return fill(m, Msg::ErrorScriptTooLarge, {number(e.number), number(e.line)});
    case ErrorKind::ScriptUnencodable:
        return fill(m, Msg::ErrorScriptUnencodable, {number(e.line), fromStd(e.text)});
    case ErrorKind::AutomationPathLong:
    case ErrorKind::AutomationCommandLong:
        return m.text(Msg::KlickwerkCommandTooLong);
    case ErrorKind::ServerRequestFailed:
        return fill(m, Msg::ErrorServerRequestFailed, {fromStd(e.reason)});
    case ErrorKind::ServerAnswerRefused:
        return followedBy(m, Msg::ServerAnswerRefused, fromStd(e.reason));
    default:
        return {};
    }
}

} // namespace

QString errorText(const MessageTable &messages, const Error &error) {
    for (const auto render : {fileText, lineText, refusalText})
        if (QString text = render(messages, error); !text.isEmpty()) return text;
    return fromStd(error.message);
}

void showError(QWidget *parent, const QString &title, const MessageTable &messages, const Error &error) {
    Prompts::message(parent, title, errorText(messages, error));
}

} // namespace quorix
