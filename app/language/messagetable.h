#pragma once

#include <QString>
#include <QStringList>

#include "app/platform/textfile.h"
#include "core/text/messages.h"

namespace quorix {

// The numbered user texts of the current language: line n of "land/meldungen.txt.<code>" is
// message n. An index outside the table gives an empty text.
class MessageTable {
public:
    // Replaces the table with the file's lines; a file that cannot be read keeps the table (and
    // lastRead() says why). Lines and their length are capped (kMessageFileLimits): a message
    // ends up in titles and labels.
    bool load(const QString &path);
    // The language's message file: "land/meldungen.txt." + code below the program folder.
    static QString pathFor(const QString &programFolder, const QString &code);
    bool loadLanguage(const QString &programFolder, const QString &code);
    void setLines(QStringList lines) { m_lines = std::move(lines); }
    // How the last load went; its lines are in the table.
    const TextFileRead &lastRead() const { return m_lastRead; }

    QString text(int index) const;
    QString text(Msg message) const { return text(messageIndex(message)); }
    int size() const { return static_cast<int>(m_lines.size()); }

    // Why the file `path` was not read, for the player: in the table's language where it has the
    // text, else in the system's words. Names the file.
    QString unreadText(const QString &path, const TextFileRead &read) const;
    // The message with %1 (and %2) filled in, in one pass; empty when the table's text has no %1
    // (an old or short message file), so the caller can fall back.
    QString filled(Msg message, const QString &first, const QString &second = {}) const;

private:
    QStringList m_lines;
    TextFileRead m_lastRead;
};

} // namespace quorix
