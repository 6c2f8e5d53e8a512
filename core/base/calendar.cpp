#include "core/base/calendar.h"

#include <cstdio>
#include <ctime>

namespace quorix {

namespace {
// Days from 1970-01-01 of the civil date (proleptic Gregorian), after H. Hinnant.
long daysFromCivil(long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long>(doe) - 719468;
}

constexpr long kEpochOffset = 25569; // 1970-01-01 as a day serial

int floorMod(long a, int m) {
    const long r = a % m;
    return static_cast<int>(r < 0 ? r + m : r);
}
} // namespace

bool isValidYmd(int year, int month, int day) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    const int last = month == 2 && leap ? 29 : kDays[month - 1];
    return day <= last;
}

DaySerial serialFromYmd(int year, int month, int day) {
    return static_cast<DaySerial>(
        daysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) + kEpochOffset);
}

Ymd ymdFromSerial(DaySerial serial) {
    long z = static_cast<long>(serial) - kEpochOffset + 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long y = static_cast<long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return {static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

int weekdayOf(DaySerial serial) {
    // Day 0 (30.12.1899) was a Saturday.
    return floorMod(static_cast<long>(serial) + 6, 7) + 1;
}

DaySerial nextDrawDay(DaySerial serial) {
    switch (weekdayOf(serial)) {
    case kSunday:
    case kWednesday:
        return serial + 3;
    case kSaturday:
        return serial + 4;
    default:
        return serial;
    }
}

std::optional<DaySerial> parseIsoDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    auto field = [&](std::size_t pos, std::size_t len) -> std::optional<int> {
        int v = 0;
        for (std::size_t i = pos; i < pos + len; ++i) {
            if (text[i] < '0' || text[i] > '9') return std::nullopt;
            v = v * 10 + (text[i] - '0');
        }
        return v;
    };
    const auto y = field(0, 4), m = field(5, 2), d = field(8, 2);
    if (!y || !m || !d || !isValidYmd(*y, *m, *d)) return std::nullopt;
    return serialFromYmd(*y, *m, *d);
}

std::string formatIso(DaySerial serial) {
    const Ymd d = ymdFromSerial(serial);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", d.year, d.month, d.day);
    return buf;
}

std::string formatDmy(DaySerial serial) {
    const Ymd d = ymdFromSerial(serial);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d.%02d.%04d", d.day, d.month, d.year);
    return buf;
}

std::string formatShortDmy(DaySerial serial) {
    const Ymd d = ymdFromSerial(serial);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d.%02d.%02d", d.day, d.month, floorMod(d.year, 100));
    return buf;
}

DaySerial todaySerial() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return serialFromYmd(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

} // namespace quorix
