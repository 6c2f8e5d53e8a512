#pragma once

#include <QString>
#include <QStringList>

class QByteArray;

namespace quorix {

// Text files of older installations are 8-bit Windows-1252; newer ones UTF-8. Each line is
// decoded as UTF-8 when it is valid UTF-8 and as Windows-1252 otherwise, so a file mixing both
// still loads. A UTF-8 byte-order mark is dropped; CR LF and LF both end a line.
QStringList decodeTextLines(const QByteArray &bytes);
QString decodeWindows1252(const QByteArray &bytes);

// Reads a text file into lines; false when it cannot be read (lines unchanged).
bool readTextLines(const QString &path, QStringList &lines);

} // namespace quorix
