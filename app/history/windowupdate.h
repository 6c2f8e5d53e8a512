#pragma once

#include <optional>
#include <string>

#include <QObject>

#include "app/platform/boundedreply.h"
#include "core/base/calendar.h"
#include "core/history/drawupdate.h"

class QNetworkAccessManager;
class QNetworkReply;

namespace quorix {

class LottoZahlen;

// The draw update of the main window, which creates it with itself and holds it as a member:
// the buttons "&Datenbank aktualisieren" and "Aktualisieren", the menu item and its stop button,
// with the core's update loop asking the number server through QNetworkAccessManager. Each request
// waits in a local event loop, so the window stays usable and the stop button works meanwhile.
class WindowUpdate final : public QObject {
    Q_OBJECT

public:
    explicit WindowUpdate(LottoZahlen &window);
    ~WindowUpdate() override;
    Q_DISABLE_COPY_MOVE(WindowUpdate)

    bool isRunning() const { return m_running; }
    // How long a request may take in all (and go without data) before it counts as failed.
    void setRequestTimeout(int milliseconds) { m_timeoutMs = milliseconds; }
    // The day the update runs up to; the system's date unless set.
    void setToday(std::optional<DaySerial> today) { m_today = today; }

public Q_SLOTS:
    void QuintoraClick();
    void SpeedButton8Click();

Q_SIGNALS:
    // A draw of the server's answer was appended and shown.
    void drawAppended();
    // The update has ended and the newest draw is current.
    void finished();

private:
    HttpAnswer get(const std::string &url);
    HttpAnswer readAnswer(QNetworkReply &reply, const BoundedReply &bounded, const std::string &url) const;
    UpdateEvents events();
    void showAppended(const ServerDraw &draw);
    void setRunning(bool running);

    LottoZahlen &m_window;
    QNetworkAccessManager *m_network = nullptr;
    QNetworkReply *m_reply = nullptr;
    bool m_running = false;
    bool m_stopRequested = false;
    int m_timeoutMs = 15000;
    std::optional<DaySerial> m_today;
};

} // namespace quorix
