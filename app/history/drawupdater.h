#pragma once

#include <functional>
#include <string>

#include <QObject>

#include "app/platform/boundedreply.h"
#include "app/platform/today.h"
#include "core/base/calendar.h"
#include "core/history/drawfile.h"
#include "core/history/drawupdate.h"
#include "core/text/messages.h"

class QAbstractButton;
class QAction;
class QDateEdit;
class QLabel;
class QLineEdit;
class QNetworkAccessManager;
class QNetworkReply;
class QWidget;

namespace quorix {

class MessageTable;

// The draw update: the buttons "&Datenbank aktualisieren" and "Aktualisieren", the menu item and
// its stop button, with the core's update loop asking the number server through
// QNetworkAccessManager. Each request waits in a local event loop, so the window stays usable and
// the stop button works meanwhile.
class DrawUpdater final : public QObject {
    Q_OBJECT

public:
    struct Controls {
        QAbstractButton *update = nullptr;
        QAbstractButton *sheetUpdate = nullptr;
        QAbstractButton *stopUpdate = nullptr;
        QAction *updateItem = nullptr; // the menu's "&Aktualisieren"
        QLineEdit *server = nullptr;
        QLineEdit *proxyHost = nullptr;
        QLineEdit *proxyPort = nullptr;
        QDateEdit *endDate = nullptr;
        QLabel *drawLine = nullptr;
        QLabel *sheetDrawLine = nullptr;
        QLabel *jokerLine = nullptr;
        QLabel *crossSum = nullptr;
    };
    // What the update needs of the draw history around it: the file it appends to, and the
    // selection of the end date's draw once it is done.
    struct History {
        std::function<DrawFile()> file;
        std::function<void()> showSelectedDraw;
    };
    using StatusText = std::function<void(int panel, const QString &text)>;

    // `window` parents the boxes; `today` is the day the update runs up to.
    DrawUpdater(QWidget &window, const Controls &controls, const MessageTable &messages, History history,
                StatusText status, Today today);
    ~DrawUpdater() override;
    Q_DISABLE_COPY_MOVE(DrawUpdater)

    bool isRunning() const { return m_running; }
    // How long a request may take in all (and go without data) before it counts as failed.
    void setRequestTimeout(int milliseconds) { m_timeoutMs = milliseconds; }

public Q_SLOTS:
    // QuintoraClick: fetches the draws after the newest one up to today.
    void update();
    // SpeedButton8Click
    void stop();

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

    QString message(Msg message) const;

    QWidget &m_window;
    Controls m_ui;
    const MessageTable &m_messages;
    History m_history;
    StatusText m_status;
    Today m_today;
    QNetworkAccessManager *m_network = nullptr;
    QNetworkReply *m_reply = nullptr;
    bool m_running = false;
    bool m_stopRequested = false;
    int m_timeoutMs = 15000;
};

} // namespace quorix
