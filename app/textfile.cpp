#include "app/textfile.h"

#include <QByteArray>
#include <QFile>
#include <QStringDecoder>

namespace quorix {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; the five unused bytes map to themselves.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString decodeLine(const QByteArray &line) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(line);
    if (!utf8.hasError()) return text;
    return decodeWindows1252(line);
}

} // namespace

QString decodeWindows1252(const QByteArray &bytes) {
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 && byte < 0xA0)
            text.append(QChar(kHighControls[byte - 0x80]));
        else
            text.append(QChar(static_cast<char16_t>(byte)));
    }
    return text;
}

QStringList decodeTextLines(const QByteArray &bytes) {
    QByteArray data = bytes;
    if (data.startsWith("\xEF\xBB\xBF")) data.remove(0, 3);
    QStringList lines;
    if (data.isEmpty()) return lines;
    if (data.endsWith('\n')) data.chop(1);
    for (QByteArray line : data.split('\n')) {
        if (line.endsWith('\r')) line.chop(1);
        lines.append(decodeLine(line));
    }
    return lines;
}

bool readTextLines(const QString &path, QStringList &lines) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    lines = decodeTextLines(file.readAll());
    return true;
}

} // namespace quorix
