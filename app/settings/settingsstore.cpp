#include "app/settings/settingsstore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <sys/stat.h>

#include "core/base/regularfile.h"
#include "core/base/atomicfile.h"

namespace quorix {

namespace {

std::filesystem::path localPath(const QString &path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

std::string key(const QString &name) {
    return name.toStdString();
}

} // namespace

QString SettingsStore::defaultPath(const QString &application) {
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(config).filePath(QStringLiteral("Sorvani/") + application + QStringLiteral(".json"));
}

SettingsStore::SettingsStore(const QString &path)
    : m_path(path) {
    QString problem;
    if (readFile(m_values, problem) == Opened::Unusable) keepDamagedFile(problem);
}

// Values: the file was read. Missing: nothing there (or a link to nothing). NotAFile: a folder,
// FIFO or device (or a link to one), never opened for reading beyond a look. Unusable: a file
// that is there but cannot be read or is no settings file.
SettingsStore::Opened SettingsStore::readFile(SettingsFile::Map &values, QString &problem) const {
    const Result<RegularFile> file = RegularFile::open(localPath(m_path));
    if (!file) {
        problem = QString::fromStdString(file.error().message);
        if (file.error().code == Error::Code::NotFound) return Opened::Missing;
        return file.error().code == Error::Code::BadInput ? Opened::NotAFile : Opened::Unusable;
    }
    const Result<std::string> bytes = file->readAll(SettingsFile::kMaxFileBytes);
    if (!bytes) {
        problem = QString::fromStdString(bytes.error().message);
        return Opened::Unusable;
    }
    Result<SettingsFile::Map> parsed = SettingsFile::parse(*bytes);
    if (!parsed) {
        problem = QString::fromStdString(parsed.error().message);
        return Opened::Unusable;
    }
    values = std::move(*parsed);
    return Opened::Values;
}

// A file that cannot be read is kept for whoever wants to look at it or mend it; the next save
// writes a new one beside it. What is moved is the name: a link is kept as the link.
void SettingsStore::keepDamagedFile(const QString &problem) {
    const QString stem = m_path + QStringLiteral(".damaged-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString kept = stem;
    // QFileInfo::exists follows links: a dangling link of that name is taken too.
    for (int n = 1; QFileInfo::exists(kept) || QFileInfo(kept).isSymLink(); ++n)
        kept = stem + QLatin1Char('-') + QString::number(n);
    if (QFile::rename(m_path, kept)) {
        m_damaged = kept;
        qWarning("settings file %s cannot be used (%s); kept as %s", qPrintable(m_path), qPrintable(problem),
                 qPrintable(kept));
    } else {
        qWarning("settings file %s cannot be used (%s) nor moved aside", qPrintable(m_path),
                 qPrintable(problem));
    }
}

template <class T> using Read = SettingsStore::Read<T>;

namespace {

const SettingsFile::Value *find(const SettingsFile::Map &changes, const SettingsFile::Map &values,
                                const std::string &name) {
    if (const auto it = changes.find(name); it != changes.end()) return &it->second;
    if (const auto it = values.find(name); it != values.end()) return &it->second;
    return nullptr;
}

} // namespace

Read<int> SettingsStore::integer(const QString &name) const {
    const SettingsFile::Value *value = find(m_changes, m_values, key(name));
    if (!value) return {};
    const auto *number = std::get_if<std::int32_t>(value);
    if (!number) return {Found::WrongType};
    return {Found::Value, static_cast<int>(*number)};
}

Read<bool> SettingsStore::flag(const QString &name) const {
    const Read<int> number = integer(name);
    return {number.found, number.value != 0};
}

Read<QString> SettingsStore::text(const QString &name) const {
    const SettingsFile::Value *value = find(m_changes, m_values, key(name));
    if (!value) return {};
    const auto *text = std::get_if<std::string>(value);
    if (!text) return {Found::WrongType};
    return {Found::Value, QString::fromStdString(*text)};
}

Read<double> SettingsStore::real(const QString &name) const {
    const SettingsFile::Value *value = find(m_changes, m_values, key(name));
    if (!value) return {};
    const auto *binary = std::get_if<SettingsFile::Binary>(value);
    if (!binary) return {Found::WrongType};
    const auto number = SettingsFile::doubleFromBytes(binary->bytes);
    if (!number) return {Found::WrongType};
    return {Found::Value, *number};
}

void SettingsStore::setInteger(const QString &name, int value) {
    m_changes[key(name)] = std::int32_t{value};
}

void SettingsStore::setFlag(const QString &name, bool value) {
    m_changes[key(name)] = std::int32_t{value ? 1 : 0};
}

void SettingsStore::setText(const QString &name, const QString &value) {
    m_changes[key(name)] = value.toStdString();
}

void SettingsStore::setReal(const QString &name, double value) {
    m_changes[key(name)] = SettingsFile::Binary{SettingsFile::doubleBytes(value)};
}

bool SettingsStore::save() {
    m_saveError.clear();
    const auto failed = [this](const QString &why) {
        m_saveError = why;
        return false;
    };
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath()))
        return failed(QFileInfo(m_path).absolutePath() + QStringLiteral(": cannot make the folder"));
    // Only our file or a link is replaced; a folder, FIFO or device in its place is not ours.
    struct stat st {};
    if (::lstat(QFile::encodeName(m_path).constData(), &st) == 0 && !S_ISREG(st.st_mode) &&
        !S_ISLNK(st.st_mode))
        return failed(m_path + QStringLiteral(" is not a regular file"));

    // The values as the file holds them now, so that what another writer stored since the store
    // was opened stays; a file that cannot be used now counts as what was read on opening.
    SettingsFile::Map merged;
    QString problem;
    const Opened now = readFile(merged, problem);
    if (now == Opened::Unusable) keepDamagedFile(problem);
    if (now != Opened::Values) merged = m_values;
    for (const auto &[name, value] : m_changes)
        merged[name] = value;
    const Result<std::string> text = SettingsFile::format(merged);
    if (!text) return failed(m_path + QStringLiteral(": ") + QString::fromStdString(text.error().message));
    if (const Result<void> written = writeAtomically(localPath(m_path), *text, 0600); !written)
        return failed(QString::fromStdString(written.error().message));
    m_values = std::move(merged);
    m_changes.clear();
    return true;
}

} // namespace quorix
