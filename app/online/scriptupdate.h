#pragma once

#include <functional>

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QUrl>

namespace quorix {

// What the product's web site answered for a click script.
struct ScriptDownload {
    bool ok = false;        // a success status and the whole body arrived
    QByteArray body;        // the new script, byte for byte
    QDateTime lastModified; // the answer's Last-Modified; invalid when it had none
};

// Asks for one address; injectable so tests need no network.
using ScriptFetcher = std::function<ScriptDownload(const QUrl &url)>;

// The update of a chosen click script from the product's web site: the address is the site's
// base, "/scripts/", the script's file name and ".txt". An existing local script older than the
// answer's Last-Modified is replaced by the answer; a missing one is never created. Nothing is
// reported: any failure leaves the local script as it was.
class ScriptUpdate {
public:
    // Long enough for a slow site, short enough that an unreachable one does not hold the
    // dialog for long.
    static constexpr int kDefaultTimeoutMs = 5000;

    static QUrl address(const QString &base, const QString &scriptPath);
    // A GET without proxy, with the headers the site expects, through a local event loop: no
    // redirect followed, `timeoutMs` for the whole request, an answer above the script size cap cut
    // off.
    static ScriptDownload fetch(const QUrl &url, int timeoutMs = kDefaultTimeoutMs);
    // Answers whether the local script was replaced.
    static bool run(const QString &scriptPath, const QString &base, const ScriptFetcher &fetcher);
};

} // namespace quorix
