#include "app/language/messagetable.h"

#include <QDir>

#include "core/base/regularfile.h"

namespace quorix {

bool MessageTable::load(const QString &path) {
    TextFileRead read = readTextLines(path, kMessageFileLimits);
    if (read) m_lines = std::move(read.lines);
    read.lines.clear();
    m_lastRead = std::move(read);
    return bool(m_lastRead);
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

QString MessageTable::filled(Msg message, const QString &first, const QString &second) const {
    const QString pattern = text(message);
    if (!pattern.contains(QLatin1String("%1"))) return {};
    if (!pattern.contains(QLatin1String("%2"))) return pattern.arg(first);
    return pattern.arg(first, second);
}

QString MessageTable::unreadText(const QString &path, const TextFileRead &read) const {
    const QString shown = QDir::toNativeSeparators(path);
    using Status = TextFileRead::Status;
    switch (read.status) {
    case Status::Read:
        return {};
    case Status::Missing:
        return shown + QStringLiteral(": missing");
    case Status::NotRegularFile:
        if (QString text = filled(Msg::NotARegularFile, shown); !text.isEmpty()) return text;
        return shown + QStringLiteral(": not a regular file");
    case Status::TooLarge: {
        const QString limit = QString::fromStdString(sizeLimitText(read.limit));
        if (QString text = filled(Msg::FileTooLarge, shown, limit); !text.isEmpty()) return text;
        return shown + QStringLiteral(": larger than ") + limit;
    }
    case Status::Unreadable:
        break;
    }
    return read.error;
}

} // namespace quorix
