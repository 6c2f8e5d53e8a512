#pragma once

#include <functional>

#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>

#include "app/charts/jokernumbers.h"
#include "app/online/scriptupdate.h"
#include "app/platform/today.h"
#include "core/base/calendar.h"
#include "core/game/tipsheet.h"
#include "core/text/messages.h"

class QAbstractButton;
class QWidget;

namespace quorix {

class MessageTable;
class ScriptChoiceDialog;

// The hand-over of the tips to the browser-automation program ("Tipp &abgeben" and the print
// settings' "Online"): the script choice, the filled click script in "Tipps" of the program
// folder, and the program started on it.
class OnlineHandover final : public QObject {
    Q_OBJECT

public:
    // The web sites when the program's settings name none: the product's for script updates, the
    // maker's for the automation program's installer.
    static constexpr char kDefaultScriptSite[] = "https://www.sorvani.example/quorix";
    static constexpr char kDefaultMakerSite[] = "https://www.sorvani.example";

    // What the hand-over reads of the rest of the window when it fills a script.
    struct Sources {
        std::function<QString()> programFolder;
        std::function<TipSheet()> sheet;
        // The draw days ticked in the print settings.
        std::function<TicketDays()> ticketDays;
    };

    // `window` parents the dialog and the boxes; `button` is "Tipp &abgeben"; `today` names the
    // filled script.
    OnlineHandover(QWidget &window, QAbstractButton *button, const MessageTable &messages,
                   const JokerNumbers &jokers, Sources sources, Today today);
    ~OnlineHandover() override;
    Q_DISABLE_COPY_MOVE(OnlineHandover)

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

public Q_SLOTS:
    // OnlineTippClick, AutoWebScript: the script choice, then the filled script handed over.
    void handOver();

private:
    void offerInstallation(const QString &makerSite);
    void fillAndStart(const QString &executable);
    void showError(const QString &text);

    QString message(Msg message) const;

    QWidget &m_window;
    const MessageTable &m_messages;
    const JokerNumbers &m_jokers;
    Sources m_sources;
    Today m_today;
    ScriptChoiceDialog *m_dialog = nullptr;
    Starter m_start;
    AddressOpener m_open;
    QString m_settingsFile;
};

} // namespace quorix
