#include "app/platform/boundedreply.h"

#include <QEventLoop>
#include <QNetworkReply>

namespace quorix {

QNetworkRequest BoundedReply::request(const QUrl &url, int timeoutMs) {
    QNetworkRequest request(url);
    request.setTransferTimeout(timeoutMs);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    return request;
}

BoundedReply::BoundedReply(QNetworkReply *reply, qint64 maxBytes, int deadlineMs)
    : m_reply(reply) {
    // Without a limit Qt's network thread reads a fast endless body into memory as fast as it
    // comes: the reply buffers no more than the cap, and what arrives is taken from it at once
    // (a full buffer would hold the transfer until the deadline).
    reply->setReadBufferSize(maxBytes + 1);
    connect(reply, &QNetworkReply::readyRead, this, [this, maxBytes] {
        m_body += m_reply->readAll();
        if (m_body.size() > maxBytes) stop(Cut::TooLarge);
    });
    // Content-Length announces a large answer before it comes.
    connect(reply, &QNetworkReply::downloadProgress, this, [this, maxBytes](qint64, qint64 total) {
        if (total > maxBytes) stop(Cut::TooLarge);
    });
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, [this] { stop(Cut::Late); });
    m_deadline.start(deadlineMs);
}

bool BoundedReply::wait() {
    if (!m_reply->isFinished()) {
        QEventLoop loop;
        connect(m_reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        loop.exec();
    }
    m_deadline.stop();
    if (m_reply->isOpen()) m_body += m_reply->readAll();
    return m_reply->isFinished();
}

void BoundedReply::stop(Cut why) {
    if (m_cut != Cut::None || m_reply->isFinished()) return;
    m_cut = why;
    m_reply->abort();
}

} // namespace quorix
