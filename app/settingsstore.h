#pragma once

#include <memory>

#include <QSettings>
#include <QString>

namespace quorix {

// The per-user settings store: QSettings over a JSON file of its own format (output/settingsfile.h)
// that keeps integers, texts and binary data apart, so a value stored with another type than the
// one asked for is seen as such. Booleans are stored as the integers 0 and 1, doubles as 8 bytes.
//
// Opening never fails: a missing file holds no values, and a damaged one is moved aside (kept
// as "<file>.damaged-<time>") and counts as missing, so the next save cannot overwrite it.
class SettingsStore {
public:
    // "$XDG_CONFIG_HOME/Sorvani/<application>.json", by default ~/.config/Sorvani/Quorix.json.
    static QString defaultPath(const QString &application = QStringLiteral("Quorix"));
    // The registered format; registered on first use.
    static QSettings::Format format();

    explicit SettingsStore(const QString &path = defaultPath());
    ~SettingsStore();
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

    // Writes the file with every value set so far and the stored ones not set again. The file is
    // replaced as a whole (mode 0600): when that fails the earlier file stays as it was.
    bool save();

private:
    void open();
    void keepDamagedFile();
    bool prepareFile() const;

    QString m_path;
    QString m_damaged;
    std::unique_ptr<QSettings> m_settings;
};

} // namespace quorix
