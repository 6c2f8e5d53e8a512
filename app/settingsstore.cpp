#include "app/settingsstore.h"

#include <limits>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QStandardPaths>

#include "output/settingsfile.h"

namespace quorix {

namespace {

// QSettings hands over what the file holds as a flat map of names to values; these two turn it
// into the file's text and back. A value of a type the file cannot hold refuses the write, which
// QSettings reports as an access error and leaves the earlier file in place.
bool readSettingsFile(QIODevice &device, QSettings::SettingsMap &map) {
    const QByteArray bytes = device.read(static_cast<qint64>(SettingsFile::kMaxFileBytes) + 1);
    auto parsed =
        SettingsFile::parse(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!parsed) return false;
    for (const auto &[name, value] : *parsed) {
        const QString key = QString::fromStdString(name);
        if (const auto *number = std::get_if<std::int32_t>(&value))
            map.insert(key, QVariant(static_cast<int>(*number)));
        else if (const auto *text = std::get_if<std::string>(&value))
            map.insert(key, QVariant(QString::fromStdString(*text)));
        else
            map.insert(key, QVariant(QByteArray::fromStdString(std::get<SettingsFile::Binary>(value).bytes)));
    }
    return true;
}

bool writeSettingsFile(QIODevice &device, const QSettings::SettingsMap &map) {
    SettingsFile::Map values;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        const QVariant &value = it.value();
        SettingsFile::Value stored;
        switch (value.typeId()) {
        case QMetaType::Int:
            stored = static_cast<std::int32_t>(value.toInt());
            break;
        case QMetaType::Bool:
            stored = std::int32_t{value.toBool() ? 1 : 0};
            break;
        case QMetaType::QString:
            stored = value.toString().toStdString();
            break;
        case QMetaType::QByteArray:
            stored = SettingsFile::Binary{value.toByteArray().toStdString()};
            break;
        default:
            return false;
        }
        values.emplace(it.key().toStdString(), std::move(stored));
    }
    const auto text = SettingsFile::format(values);
    if (!text) return false;
    return device.write(text->data(), static_cast<qint64>(text->size())) == static_cast<qint64>(text->size());
}

} // namespace

QString SettingsStore::defaultPath(const QString &application) {
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(config).filePath(QStringLiteral("Sorvani/") + application + QStringLiteral(".json"));
}

QSettings::Format SettingsStore::format() {
    static const QSettings::Format registered =
        QSettings::registerFormat(QStringLiteral("json"), readSettingsFile, writeSettingsFile);
    return registered;
}

SettingsStore::SettingsStore(const QString &path)
    : m_path(path) {
    open();
}

SettingsStore::~SettingsStore() = default;

void SettingsStore::open() {
    m_settings = std::make_unique<QSettings>(m_path, format());
    if (m_settings->status() != QSettings::FormatError) return;
    keepDamagedFile();
    m_settings = std::make_unique<QSettings>(m_path, format());
}

// A file that cannot be read is kept for whoever wants to look at it or mend it; the next save
// writes a new one beside it.
void SettingsStore::keepDamagedFile() {
    const QString stem = m_path + QStringLiteral(".damaged-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString kept = stem;
    for (int n = 1; QFileInfo::exists(kept); ++n)
        kept = stem + QLatin1Char('-') + QString::number(n);
    if (QFile::rename(m_path, kept)) {
        m_damaged = kept;
        qWarning("settings file %s cannot be read; kept as %s", qPrintable(m_path), qPrintable(kept));
    } else {
        qWarning("settings file %s cannot be read nor moved aside", qPrintable(m_path));
    }
}

template <class T> using Read = SettingsStore::Read<T>;

Read<int> SettingsStore::integer(const QString &name) const {
    if (!m_settings->contains(name)) return {};
    const QVariant value = m_settings->value(name);
    if (value.typeId() != QMetaType::Int) return {Found::WrongType};
    return {Found::Value, value.toInt()};
}

Read<bool> SettingsStore::flag(const QString &name) const {
    const Read<int> number = integer(name);
    return {number.found, number.value != 0};
}

Read<QString> SettingsStore::text(const QString &name) const {
    if (!m_settings->contains(name)) return {};
    const QVariant value = m_settings->value(name);
    if (value.typeId() != QMetaType::QString) return {Found::WrongType};
    return {Found::Value, value.toString()};
}

Read<double> SettingsStore::real(const QString &name) const {
    if (!m_settings->contains(name)) return {};
    const QVariant value = m_settings->value(name);
    if (value.typeId() != QMetaType::QByteArray) return {Found::WrongType};
    const QByteArray bytes = value.toByteArray();
    const auto number = SettingsFile::doubleFromBytes(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!number) return {Found::WrongType};
    return {Found::Value, *number};
}

void SettingsStore::setInteger(const QString &name, int value) {
    m_settings->setValue(name, value);
}

void SettingsStore::setFlag(const QString &name, bool value) {
    m_settings->setValue(name, value ? 1 : 0);
}

void SettingsStore::setText(const QString &name, const QString &value) {
    m_settings->setValue(name, value);
}

void SettingsStore::setReal(const QString &name, double value) {
    m_settings->setValue(name, QByteArray::fromStdString(SettingsFile::doubleBytes(value)));
}

// QSettings replaces the file through a temporary file and a rename, and the new file takes the
// permissions of the one it replaces: a file created here with mode 0600 keeps the settings
// private from then on.
bool SettingsStore::prepareFile() const {
    const QFileInfo info(m_path);
    if (!QDir().mkpath(info.absolutePath())) return false;
    const QFile::Permissions privateMode = QFile::ReadOwner | QFile::WriteOwner;
    if (!info.exists()) {
        QFile file(m_path);
        return file.open(QIODevice::WriteOnly | QIODevice::NewOnly, privateMode);
    }
    return QFile::setPermissions(m_path, privateMode);
}

bool SettingsStore::save() {
    if (!prepareFile()) return false;
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

} // namespace quorix
