#include "app/online/automationsettings.h"

#include <QDir>
#include <QFileInfo>

#include "app/settings/settingsstore.h"

namespace quorix {

namespace {

constexpr char kFolder[] = "Path";
constexpr char kScript[] = "SwissLottoScript";
constexpr char kZahl1[] = "SwissLottoZahl1";
constexpr char kText1[] = "SwissLottoText1";
constexpr char kZahl2[] = "SwissLottoZahl2";
constexpr char kText2[] = "SwissLottoText2";

QString textOf(const SettingsStore &store, const char *name) {
    return store.text(QString::fromLatin1(name)).value;
}

} // namespace

QString AutomationSettings::defaultPath() {
    return SettingsStore::defaultPath(QStringLiteral("Navitron"));
}

AutomationSettings AutomationSettings::load(const QString &file) {
    SettingsStore store(file);
    AutomationSettings settings;
    settings.folder = textOf(store, kFolder);
    settings.script = textOf(store, kScript);
    settings.zahl1 = textOf(store, kZahl1);
    settings.text1 = textOf(store, kText1);
    settings.zahl2 = textOf(store, kZahl2);
    settings.text2 = textOf(store, kText2);
    // Saving with nothing set only makes the file (private) where it is missing.
    if (!QFileInfo::exists(file)) store.save();
    return settings;
}

bool AutomationSettings::saveChoice(const QString &file) const {
    SettingsStore store(file);
    store.setText(QString::fromLatin1(kScript), script);
    store.setText(QString::fromLatin1(kZahl1), zahl1);
    store.setText(QString::fromLatin1(kText1), text1);
    store.setText(QString::fromLatin1(kZahl2), zahl2);
    store.setText(QString::fromLatin1(kText2), text2);
    return store.save();
}

QString AutomationSettings::executable() const {
    if (folder.isEmpty() || QDir::isRelativePath(folder)) return {};
    return QDir(folder).filePath(QStringLiteral("navirun"));
}

} // namespace quorix
