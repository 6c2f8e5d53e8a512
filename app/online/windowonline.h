#pragma once

#include <functional>
#include <optional>

#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>

#include "app/online/scriptupdate.h"
#include "core/base/calendar.h"

namespace quorix {

class LottoZahlen;
class ScriptChoiceDialog;

// The hand-over of the tips to the browser-automation program ("Tipp &abgeben" and the print
// settings' "Online"): the script choice, the filled click script in "Tipps" of the program
// folder, and the program started on it. The main window creates it with itself and keeps it.
class WindowOnline final : public QObject {
    Q_OBJECT

public:
    // The web sites when the program's settings name none: the product's for script updates, the
    // maker's for the automation program's installer.
    static constexpr char kDefaultScriptSite[] = "https://www.sorvani.example/quorix";
    static constexpr char kDefaultMakerSite[] = "https://www.sorvani.example";

    explicit WindowOnline(LottoZahlen &window);
    ~WindowOnline() override;
    Q_DISABLE_COPY_MOVE(WindowOnline)

    ScriptChoiceDialog &dialog() { return *m_dialog; }

    // Starts a program with its arguments without waiting; answers whether it started. By
    // default detached, each argument as it stands: no shell reads them.
    using Starter = std::function<bool(const QString &program, const QStringList &arguments)>;
    void setStarter(Starter starter) { m_start = std::move(starter); }
    // Opens an address with the desktop's handler.
    using AddressOpener = std::function<void(const QUrl &address)>;
    void setAddressOpener(AddressOpener opener) { m_open = std::move(opener); }
    void setFetcher(ScriptFetcher fetcher);
    // The automation program's settings file; AutomationSettings::defaultPath() unless set.
    void setSettingsFile(const QString &path) { m_settingsFile = path; }
    // The day that names the filled script; the system's date unless set.
    void setToday(std::optional<DaySerial> today) { m_today = today; }

public Q_SLOTS:
    void AutoWebScript();

private:
    void offerInstallation(const QString &makerSite);
    void fillAndStart(const QString &executable);
    void showError(const QString &text);

    LottoZahlen &m_window;
    ScriptChoiceDialog *m_dialog = nullptr;
    Starter m_start;
    AddressOpener m_open;
    QString m_settingsFile;
    std::optional<DaySerial> m_today;
};

} // namespace quorix
