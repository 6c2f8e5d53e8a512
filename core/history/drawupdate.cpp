#include "core/history/drawupdate.h"

#include <cstdio>

namespace quorix {

namespace {

constexpr int kNotThereYet = 500;

template <class... Args, class F> void tell(const F &event, Args &&...args) {
    if (event) event(std::forward<Args>(args)...);
}

// Appends the draw of one answer once the whole answer is checked; a refused answer, a notice or a
// failed append ends the update.
bool appendAnswer(const DrawFile &file, const std::string &body, DaySerial date, const UpdateEvents &events,
                  UpdateOutcome &outcome) {
    const ServerAnswer answer = readServerAnswer(body, date);
    if (!answer.fault.empty()) {
        outcome.end = UpdateOutcome::End::Refused;
        outcome.message = answer.fault;
        outcome.error = errorOf(Error::Code::BadInput, ErrorKind::ServerAnswerRefused);
        outcome.error.reason = answer.fault;
        outcome.error.message = answer.fault;
        return false;
    }
    if (answer.draw) {
        const ServerDraw &draw = *answer.draw;
        const Result<AppendResult> written = file.append(draw.draw);
        if (!written) {
            outcome.end = UpdateOutcome::End::Failed;
            outcome.message = written.error().message;
            outcome.error = written.error();
            return false;
        }
        // Another writer stored this date, or a later one, meanwhile: nothing was written.
        if (*written == AppendResult::Appended) {
            ++outcome.appended;
            tell(events.appended, draw);
        }
    }
    if (answer.notice) {
        outcome.end = UpdateOutcome::End::Notice;
        outcome.message = answer.notice->unread;
        return false;
    }
    return true;
}

} // namespace

std::string progressText(const UpdateProgress &progress, std::string_view notThereYet) {
    switch (progress.kind) {
    case UpdateProgress::Kind::Loading:
        return "Loading";
    case UpdateProgress::Kind::Received:
        return "Received " + std::to_string(progress.bytes) + " bytes";
    case UpdateProgress::Kind::NotThereYet:
        if (notThereYet.empty()) return formatDmy(progress.date);
        return formatDmy(progress.date) + " " + std::string(notThereYet);
    case UpdateProgress::Kind::Failed:
        return "Failed : " + std::to_string(progress.status) + " " + progress.statusText;
    }
    return {};
}

std::string compactDate(DaySerial date) {
    const Ymd ymd = ymdFromSerial(date);
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02d%02d", ymd.year, ymd.month, ymd.day);
    return text;
}

std::string drawRequestUrl(std::string_view server, DaySerial date) {
    std::string url(server);
    if (url.empty() || url.back() != '/') url += '/';
    return url + "zahlen/lotto_neu.asp?Programm=Quorix&Datum=" + compactDate(date);
}

DaySerial firstRequestDate(DaySerial date) {
    DaySerial next = nextDrawDay(date);
    // The draw-day rule leaves days without a draw where they are; asking for one of them again and
    // again would never get anywhere.
    while (weekdayOf(next) != kWednesday && weekdayOf(next) != kSaturday)
        ++next;
    return next;
}

Result<int> parseProxyPort(std::string_view text) {
    Error bad = errorOf(Error::Code::BadArgument, ErrorKind::ProxyPortBad);
    bad.text = text;
    bad = describedError(std::move(bad));
    if (text.empty() || text.size() > 5) return bad;
    int port = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return bad;
        port = port * 10 + (c - '0');
    }
    if (port < 1 || port > 65535) return bad;
    return port;
}

UpdateOutcome runDrawUpdate(const DrawFile &file, std::string_view server, DaySerial today,
                            DaySerial emptyStart, const HttpTransport &transport,
                            const UpdateEvents &events) {
    UpdateOutcome outcome;
    const auto fail = [&outcome](const Error &error) {
        outcome.end = UpdateOutcome::End::Failed;
        outcome.message = error.message;
        outcome.error = error;
        return outcome;
    };
    if (!file.exists()) {
        if (auto created = file.createEmpty(); !created) return fail(created.error());
    }
    const auto last = file.readLast();
    if (!last) return fail(last.error());
    DaySerial date = firstRequestDate(last->date > 0 ? last->date : emptyStart);

    while (date <= today) {
        if (events.stopRequested && events.stopRequested()) {
            outcome.end = UpdateOutcome::End::Stopped;
            break;
        }
        tell(events.requesting, date);
        tell(events.progress, UpdateProgress::loading(date));
        outcome.requested.push_back(date);
        const HttpAnswer answer = transport(drawRequestUrl(server, date));
        if (answer.status == 0) {
            // A request cut short by the stop button is no failure.
            if (events.stopRequested && events.stopRequested()) {
                outcome.end = UpdateOutcome::End::Stopped;
                break;
            }
            {
                Error failed = errorOf(Error::Code::Io, ErrorKind::ServerRequestFailed);
                failed.reason = answer.error;
                return fail(describedError(std::move(failed)));
            }
        }
        tell(events.progress, UpdateProgress::received(date, answer.body.size()));
        tell(events.disclaimer, std::string(kUpdateDisclaimer));
        if (answer.status == kNotThereYet) {
            tell(events.progress, UpdateProgress::notThereYet(date));
        } else if (answer.status != 200) {
            tell(events.progress, UpdateProgress::failed(date, answer.status, answer.statusText));
        } else {
            const int appendedBefore = outcome.appended;
            if (!appendAnswer(file, answer.body, date, events, outcome)) return outcome;
            // An answer that added nothing may have found its date brought in by another writer,
            // with later ones perhaps: go on after the newest stored draw, not through dates
            // that are there already.
            if (outcome.appended == appendedBefore) {
                const auto newest = file.readLast();
                if (!newest) return fail(newest.error());
                if (newest->date >= date) {
                    date = firstRequestDate(newest->date);
                    continue;
                }
            }
        }
        date = nextDrawDay(date);
    }
    return outcome;
}

} // namespace quorix
