#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/base/calendar.h"
#include "core/history/drawfile.h"
#include "core/base/result.h"
#include "core/history/serveranswer.h"

namespace quorix {

// The port `quorix-cli serve` listens on unless told otherwise, and the address the program asks
// by default: the number server a player runs on the same machine.
inline constexpr int kDefaultServerPort = 6042;
inline constexpr const char *kDefaultServerAddress = "http://127.0.0.1:6042/";

// The request for the draw of `date`, joined to the server's address (a missing "/" is added):
// <server>zahlen/lotto_neu.asp?Programm=Quorix&Datum=yyyymmdd
std::string drawRequestUrl(std::string_view server, DaySerial date);
// "yyyymmdd"
std::string compactDate(DaySerial date);

// The first date the update asks for after `date` (the newest stored draw, or the date the player
// picked for an empty history): the draw-day rule, and a day on which no draw takes place
// (Monday, Tuesday, Thursday, Friday) moves on to the next Wednesday or Saturday.
DaySerial firstRequestDate(DaySerial date);

// A proxy port as the player types it: a decimal number 1..65535.
Result<int> parseProxyPort(std::string_view text);

// What the HTTP client got for one request: a status (0 when the request failed without one,
// with `error` saying why), the status text and the body.
struct HttpAnswer {
    int status = 0;
    std::string statusText;
    std::string body;
    std::string error;
};
using HttpTransport = std::function<HttpAnswer(const std::string &url)>;

// One step of the update as the status bar shows it.
struct UpdateProgress {
    enum class Kind {
        Loading,     // a request goes out
        Received,    // an answer of `bytes` bytes came back
        NotThereYet, // the server has no draw of `date` yet (status 500)
        Failed,      // the server answered `status` `statusText` (any status but 200 and 500)
    };
    Kind kind = Kind::Loading;
    DaySerial date = 0; // the date asked for, in every step
    std::size_t bytes = 0;
    int status = 0;
    std::string statusText;
    bool operator==(const UpdateProgress &) const = default;

    static UpdateProgress loading(DaySerial date) { return make(Kind::Loading, date); }
    static UpdateProgress received(DaySerial date, std::size_t bytes) {
        UpdateProgress p = make(Kind::Received, date);
        p.bytes = bytes;
        return p;
    }
    static UpdateProgress notThereYet(DaySerial date) { return make(Kind::NotThereYet, date); }
    static UpdateProgress failed(DaySerial date, int status, std::string statusText) {
        UpdateProgress p = make(Kind::Failed, date);
        p.status = status;
        p.statusText = std::move(statusText);
        return p;
    }

private:
    static UpdateProgress make(Kind kind, DaySerial date) {
        UpdateProgress p;
        p.kind = kind;
        p.date = date;
        return p;
    }
};

// A step in the status bar's words: "Loading", "Received 97 bytes", "Failed : 404 Not Found", and
// for a draw not there yet its date followed by `notThereYet`, the current language's words for
// it ("09.04.2014 noch nicht da!"; the date alone without them).
std::string progressText(const UpdateProgress &progress, std::string_view notThereYet);

// What the update tells its caller while it runs; every member may be left empty.
struct UpdateEvents {
    // Asked before every request; true ends the update there.
    std::function<bool()> stopRequested;
    // The date about to be requested (the window's end date follows it).
    std::function<void(DaySerial)> requesting;
    // Each step of a request (progressText renders it).
    std::function<void(const UpdateProgress &)> progress;
    // An answer arrived: the disclaimer goes up.
    std::function<void(const std::string &)> disclaimer;
    // A draw of the answer was appended to the draw file.
    std::function<void(const ServerDraw &)> appended;
};

inline constexpr const char *kUpdateDisclaimer = "Keine Gewähr für die Richtigkeit der Zahlen!";

struct UpdateOutcome {
    // Refused: an answer with a fault (readServerAnswer), of which nothing was taken.
    enum class End { Done, Stopped, Notice, Refused, Failed };
    End end = End::Done;
    std::vector<DaySerial> requested;
    int appended = 0;
    // Notice: the unread part of the line; Refused: what is wrong with the answer for the last date
    // requested; Failed: why (the transport's or the draw file's error).
    std::string message;
    // Refused and Failed: the same as an error, for a window that says it in its language.
    Error error;
};

// Brings the draw file up to `today`: one request per draw day after the newest stored draw (or
// from `emptyStart` when the file holds none; a missing file is created empty), each draw of an
// answer appended once the answer is checked. Status 500 means the draw is not there yet and other
// statuses are reported, both without ending the update; a request without a status, a line that
// is not a draw, a refused answer and a failed append end it. Draws appended before the end stay.
UpdateOutcome runDrawUpdate(const DrawFile &file, std::string_view server, DaySerial today,
                            DaySerial emptyStart, const HttpTransport &transport,
                            const UpdateEvents &events = {});

} // namespace quorix
