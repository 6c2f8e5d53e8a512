#pragma once

#include <QString>
#include <QStringList>

#include "core/textlines.h"

class QByteArray;

namespace quorix {

// The Qt side of decodeTextLines (core/textlines.h): each line UTF-8 when valid, else
// Windows-1252; a leading byte-order mark dropped; CR LF and LF end a line.
QStringList decodeTextLines(const QByteArray &bytes, const TextLimits &limits = {});

// Reads a text file into lines; false when it cannot be read (lines unchanged).
bool readTextLines(const QString &path, QStringList &lines, const TextLimits &limits = {});

} // namespace quorix
