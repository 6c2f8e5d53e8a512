#pragma once

#include <QString>
#include <QStringList>

namespace quorix {

// The numbered user texts of the current language: line n of "land/meldungen.txt.<code>" is
// message n. An index outside the table gives an empty text.
class MessageTable {
public:
    // Replaces the table with the file's lines; a file that cannot be read keeps the table. Lines
    // and their length are capped (kMessageFileLimits): a message ends up in titles and labels.
    bool load(const QString &path);
    // The language's message file: "land/meldungen.txt." + code below the program folder.
    static QString pathFor(const QString &programFolder, const QString &code);
    bool loadLanguage(const QString &programFolder, const QString &code);
    void setLines(QStringList lines) { m_lines = std::move(lines); }

    QString text(int index) const;
    int size() const { return static_cast<int>(m_lines.size()); }

private:
    QStringList m_lines;
};

} // namespace quorix
