#pragma once

#include <cstddef>
#include <string>

#include <QString>
#include <QStringList>

#include "core/text/textlines.h"

class QByteArray;

namespace quorix {

// The Qt side of decodeTextLines (core/textlines.h): each line UTF-8 when valid, else
// Windows-1252; a leading byte-order mark dropped; CR LF and LF end a line.
QStringList decodeTextLines(const QByteArray &bytes, const TextLimits &limits = {});

// The most of a text file of land/ (messages, option items) that is read: the shipped ones have a
// few kilobytes, so 1 MiB only stops files nobody wrote by hand (and devices like /dev/zero).
inline constexpr std::size_t kMaxTextFileBytes = std::size_t{1} << 20;

// A text file read into lines, or why not.
struct TextFileRead {
    enum class Status { Read, Missing, NotRegularFile, TooLarge, Unreadable };
    Status status = Status::Read;
    QStringList lines;
    QString error;         // the system's words, naming the file; empty when read
    std::size_t limit = 0; // the size limit that applied
    explicit operator bool() const { return status == Status::Read; }
};

// Reads the whole file `path` into `bytes` through the bounded reader (core/regularfile.h); the
// answer's lines stay empty.
TextFileRead readWholeFile(const QString &path, std::size_t maxBytes, std::string &bytes);

// Reads a text file into lines through the bounded reader (core/regularfile.h): only a regular
// file (or a link to one) of at most `maxBytes` is read; a FIFO or device is refused at once,
// never waited on.
TextFileRead readTextLines(const QString &path, const TextLimits &limits = {},
                           std::size_t maxBytes = kMaxTextFileBytes);

} // namespace quorix
