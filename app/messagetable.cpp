#include "app/messagetable.h"

#include <QDir>

#include "app/textfile.h"

namespace quorix {

bool MessageTable::load(const QString &path) {
    QStringList lines;
    if (!readTextLines(path, lines, kMessageFileLimits)) return false;
    m_lines = std::move(lines);
    return true;
}

bool MessageTable::loadLanguage(const QString &programFolder, const QString &code) {
    return load(pathFor(programFolder, code));
}

QString MessageTable::pathFor(const QString &programFolder, const QString &code) {
    return QDir(programFolder).filePath(QStringLiteral("land/meldungen.txt.") + code);
}

QString MessageTable::text(int index) const {
    if (index < 0 || index >= m_lines.size()) return {};
    return m_lines.at(index);
}

} // namespace quorix
