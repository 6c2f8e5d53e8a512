#include "app/language/errortext.h"
#include "app/history/drawupdater.h"

#include <QAbstractButton>
#include <QAction>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

#include "app/language/messagetable.h"
#include "app/platform/boundedreply.h"
#include "app/widgets/prompts.h"
#include "app/widgets/uihelpers.h"
#include "core/history/drawbrowser.h"

namespace quorix {

DrawUpdater::DrawUpdater(QWidget &window, const Controls &controls, const MessageTable &messages,
                         History history, StatusText status, Today today)
    : QObject(&window)
    , m_window(window)
    , m_ui(controls)
    , m_messages(messages)
    , m_history(std::move(history))
    , m_status(std::move(status))
    , m_today(std::move(today))
    , m_network(new QNetworkAccessManager(this)) {
    connect(m_ui.update, &QAbstractButton::clicked, this, &DrawUpdater::update);
    connect(m_ui.sheetUpdate, &QAbstractButton::clicked, this, &DrawUpdater::update);
    connect(m_ui.stopUpdate, &QAbstractButton::clicked, this, &DrawUpdater::stop);
    if (m_ui.updateItem) connect(m_ui.updateItem, &QAction::triggered, this, &DrawUpdater::update);
}

DrawUpdater::~DrawUpdater() = default;

QString DrawUpdater::message(Msg message) const {
    return m_messages.text(message);
}

void DrawUpdater::setRunning(bool running) {
    m_running = running;
    m_ui.update->setEnabled(!running);
    m_ui.sheetUpdate->setEnabled(!running);
    // The requests wait in a local event loop: nothing may start a second update meanwhile.
    if (m_ui.updateItem) m_ui.updateItem->setEnabled(!running);
    m_ui.stopUpdate->setVisible(running);
}

void DrawUpdater::update() {
    if (m_running) return;
    m_stopRequested = false;
    setRunning(true);
    const UpdateOutcome outcome = runDrawUpdate(
        m_history.file(), m_ui.server->text().trimmed().toStdString(), m_today(),
        serialFromDate(m_ui.endDate->date()), [this](const std::string &url) { return get(url); }, events());
    if (outcome.end == UpdateOutcome::End::Notice)
        Prompts::message(&m_window, m_window.windowTitle(), QString::fromStdString(outcome.message));
    // The transport's words are the window's own messages already; a failed write of the draw
    // file is rendered in the window's language.
    if (outcome.end == UpdateOutcome::End::Failed)
        Prompts::message(&m_window, m_window.windowTitle(),
                         outcome.error.kind == ErrorKind::ServerRequestFailed
                             ? QString::fromStdString(outcome.message)
                             : errorText(m_messages, outcome.error));
    if (outcome.end == UpdateOutcome::End::Refused)
        Prompts::message(
            &m_window, m_window.windowTitle(),
            message(Msg::ServerAnswerRefused) + u' ' +
                QString::fromStdString(formatDmy(outcome.requested.back()) + ": " + outcome.message));
    setRunning(false);
    m_history.showSelectedDraw();
    Q_EMIT finished();
}

void DrawUpdater::stop() {
    m_stopRequested = true;
    m_ui.stopUpdate->hide();
    // A request under way ends now rather than when the server answers.
    if (m_reply) m_reply->abort();
}

UpdateEvents DrawUpdater::events() {
    UpdateEvents events;
    events.stopRequested = [this] { return m_stopRequested; };
    events.requesting = [this](DaySerial date) {
        QDateEdit *end = m_ui.endDate;
        const QDate wanted = dateFromSerial(date);
        if (wanted >= end->minimumDate() && wanted <= end->maximumDate()) end->setDate(wanted);
    };
    events.progress = [this](const UpdateProgress &progress) {
        const std::string notThereYet = message(Msg::DrawNotThereYet).toStdString();
        m_status(0, QString::fromStdString(progressText(progress, notThereYet)));
    };
    events.disclaimer = [this](const std::string &text) { m_status(1, QString::fromStdString(text)); };
    events.appended = [this](const ServerDraw &draw) {
        showAppended(draw);
        Q_EMIT drawAppended();
    };
    return events;
}

void DrawUpdater::showAppended(const ServerDraw &draw) {
    const QDate date = dateFromSerial(draw.draw.date);
    const std::string weekday =
        QLocale::system().dayName(date.dayOfWeek(), QLocale::ShortFormat).toStdString();
    const QString line = QString::fromStdString(selectedDrawLine(weekday, draw.draw, true));
    m_ui.drawLine->setText(line);
    m_ui.sheetDrawLine->setText(line);
    m_ui.jokerLine->setText(
        QString::fromStdString(drawDateText(weekday, draw.draw.date) + "   " + draw.jokerShown));
    m_ui.crossSum->setText(QString::fromStdString(crossSumText(draw.draw)));
}

HttpAnswer DrawUpdater::get(const std::string &url) {
    HttpAnswer answer;
    // The proxy fields are read for every request, so a change during an update takes effect.
    const QString proxyHost = m_ui.proxyHost->text().trimmed();
    if (proxyHost.isEmpty()) {
        m_network->setProxy(QNetworkProxy(QNetworkProxy::NoProxy));
    } else {
        const QString portText = m_ui.proxyPort->text().trimmed();
        const auto port = parseProxyPort(portText.toStdString());
        if (!port) {
            answer.error = (message(Msg::ProxyPortNotNumber) + u' ' + portText).toStdString();
            return answer;
        }
        m_network->setProxy(QNetworkProxy(QNetworkProxy::HttpProxy, proxyHost, static_cast<quint16>(*port)));
    }

    QNetworkReply *reply =
        m_network->get(BoundedReply::request(QUrl(QString::fromStdString(url)), m_timeoutMs));
    m_reply = reply;
    BoundedReply bounded(reply, static_cast<qint64>(kMaxServerAnswerBytes), m_timeoutMs);
    const bool finished = bounded.wait();
    m_reply = nullptr;
    if (!finished) {
        // The program is closing: the local loop was told to end with the application's.
        m_stopRequested = true;
        reply->abort();
    }
    answer = readAnswer(*reply, bounded, url);
    reply->deleteLater();
    return answer;
}

HttpAnswer DrawUpdater::readAnswer(QNetworkReply &reply, const BoundedReply &bounded,
                                   const std::string &url) const {
    HttpAnswer answer;
    const BoundedReply::Cut cut = bounded.cut();
    const QString address = QString::fromStdString(url);
    const QVariant status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute);
    const int error = reply.error();
    // Content errors (2xx codes: 404 and the like) and server errors (4xx codes: 500 and the like)
    // arrive as errors too; they are the server's answer all the same. A broken transfer is not.
    const bool answered =
        error == QNetworkReply::NoError || (error > 200 && error < 300) || (error > 400 && error < 500);
    if (cut == BoundedReply::Cut::TooLarge) {
        answer.error = (message(Msg::ServerAnswerTooLarge) + u' ' + address).toStdString();
    } else if (cut == BoundedReply::Cut::Late ||
               (!m_stopRequested &&
                (error == QNetworkReply::TimeoutError || error == QNetworkReply::OperationCanceledError))) {
        answer.error =
            (message(Msg::ServerTimeout) + u' ' + address + QStringLiteral(" (%1 ms)").arg(m_timeoutMs))
                .toStdString();
    } else if (m_stopRequested || !status.isValid() || !answered) {
        answer.error = reply.errorString().toStdString();
    } else if (status.toInt() >= 300 && status.toInt() < 400) {
        const QString target = QString::fromLatin1(reply.rawHeader("Location").left(200));
        answer.error = (message(Msg::ServerRedirectNotFollowed) + u' ' + target).toStdString();
    } else {
        answer.status = status.toInt();
        answer.statusText =
            reply.attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString().toStdString();
        answer.body = bounded.body().toStdString();
    }
    return answer;
}

} // namespace quorix
