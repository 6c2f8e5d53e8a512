#include "app/textfile.h"

#include <QByteArray>
#include <QFile>

namespace quorix {

QStringList decodeTextLines(const QByteArray &bytes, const TextLimits &limits) {
    QStringList lines;
    for (const std::string &line :
         decodeTextLines(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), limits))
        lines.append(QString::fromStdString(line));
    return lines;
}

bool readTextLines(const QString &path, QStringList &lines, const TextLimits &limits) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    lines = decodeTextLines(file.readAll(), limits);
    return true;
}

} // namespace quorix
