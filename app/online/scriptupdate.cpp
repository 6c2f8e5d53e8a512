#include "app/online/scriptupdate.h"

#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>

#include "app/platform/boundedreply.h"
#include "output/clickscript.h"

namespace quorix {

QUrl ScriptUpdate::address(const QString &base, const QString &scriptPath) {
    QString root = base.trimmed();
    while (root.endsWith(u'/'))
        root.chop(1);
    // The file name is one path segment: a "#", "?" or blank in it must not change the address.
    const QByteArray name =
        QUrl::toPercentEncoding(QFileInfo(scriptPath).fileName() + QStringLiteral(".txt"));
    return QUrl(root + QStringLiteral("/scripts/") + QString::fromLatin1(name), QUrl::StrictMode);
}

ScriptDownload ScriptUpdate::fetch(const QUrl &url, int timeoutMs) {
    ScriptDownload download;
    if (!url.isValid() || (url.scheme() != u"http" && url.scheme() != u"https")) return download;
    QNetworkAccessManager network;
    network.setProxy(QNetworkProxy(QNetworkProxy::NoProxy));
    QNetworkRequest request = BoundedReply::request(url, timeoutMs);
    request.setRawHeader("Accept", "text/html, */*");
    request.setRawHeader("User-Agent", "Mozilla/3.0 (compatible; Indy Library)");
    QNetworkReply *reply = network.get(request);
    // A script is a few kilobytes: an answer that grows past any script is not waited for, nor is
    // one that takes longer than the timeout in all. A redirect is no script.
    BoundedReply bounded(reply, static_cast<qint64>(ClickScript::kMaxScriptBytes), timeoutMs);
    if (!bounded.wait()) {
        // The program is closing: the local loop ended with the application's.
        reply->abort();
    } else if (reply->error() == QNetworkReply::NoError && bounded.cut() == BoundedReply::Cut::None) {
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        download.ok = status >= 200 && status < 300;
        download.body = bounded.body();
        download.lastModified = reply->header(QNetworkRequest::LastModifiedHeader).toDateTime();
    }
    delete reply;
    return download;
}

bool ScriptUpdate::run(const QString &scriptPath, const QString &base, const ScriptFetcher &fetcher) {
    const QFileInfo local(scriptPath);
    if (scriptPath.isEmpty() || !local.isFile() || base.trimmed().isEmpty() || !fetcher) return false;
    const QUrl url = address(base, scriptPath);
    if (!url.isValid()) return false;
    const ScriptDownload download = fetcher(url);
    // An empty answer is no script: it would leave the player with nothing to run.
    if (!download.ok || download.body.isEmpty() || !download.lastModified.isValid()) return false;
    if (download.body.size() > static_cast<qsizetype>(ClickScript::kMaxScriptBytes)) return false;
    if (local.lastModified().toUTC() >= download.lastModified.toUTC()) return false;
    const Result<void> written = ClickScript::write(
        local.absoluteFilePath().toStdString(),
        std::string_view(download.body.constData(), static_cast<std::size_t>(download.body.size())));
    return written.ok();
}

} // namespace quorix
