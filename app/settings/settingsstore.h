#pragma once

#include <QString>

#include "output/settingsfile.h"

namespace quorix {

// The per-user settings store: a JSON file of its own format (output/settingsfile.h) that keeps
// integers, texts and binary data apart, so a value stored with another type than the one asked
// for is seen as such. Booleans are stored as the integers 0 and 1, doubles as 8 bytes.
//
// Opening never fails: a missing file holds no values, and one that cannot be used (damaged,
// unreadable, larger than the format allows) is moved aside (kept as "<file>.damaged-<time>")
// and counts as missing, so the next save cannot overwrite it. Something that is not a file in
// its place (a folder, a FIFO, a device) holds no values and is left alone; saving then fails.
// Only a regular file, or a link to one, is ever read, and opening never blocks.
class SettingsStore {
public:
    // "$XDG_CONFIG_HOME/Sorvani/<application>.json", by default ~/.config/Sorvani/Quorix.json.
    static QString defaultPath(const QString &application = QStringLiteral("Quorix"));

    explicit SettingsStore(const QString &path = defaultPath());
    SettingsStore(const SettingsStore &) = delete;
    SettingsStore &operator=(const SettingsStore &) = delete;

    const QString &path() const { return m_path; }
    // Where the damaged file found on opening was moved; empty when there was none.
    const QString &keptDamagedFile() const { return m_damaged; }

    enum class Found { Missing, Value, WrongType };
    template <class T> struct Read {
        Found found = Found::Missing;
        T value{};
        explicit operator bool() const { return found == Found::Value; }
    };
    Read<int> integer(const QString &name) const;
    Read<bool> flag(const QString &name) const; // true when not 0
    Read<QString> text(const QString &name) const;
    Read<double> real(const QString &name) const; // exactly 8 bytes of binary data

    void setInteger(const QString &name, int value);
    void setFlag(const QString &name, bool value);
    void setText(const QString &name, const QString &value);
    void setReal(const QString &name, double value);

    // Writes the file with every value set so far and the stored ones not set again (as the file
    // holds them now). The file is replaced as a whole by a new regular file of mode 0600: a link
    // in its place is replaced (its target neither written nor re-moded); a folder, FIFO or
    // device in its place is left alone and the save fails. When it fails, the earlier file stays
    // as it was and saveError() says why, naming the file.
    bool save();
    const QString &saveError() const { return m_saveError; }

private:
    enum class Opened { Values, Missing, NotAFile, Unusable };
    Opened readFile(SettingsFile::Map &values, QString &problem) const;
    void keepDamagedFile(const QString &problem);

    QString m_path;
    QString m_damaged;
    QString m_saveError;
    SettingsFile::Map m_values;  // as read on opening
    SettingsFile::Map m_changes; // set since
};

} // namespace quorix
