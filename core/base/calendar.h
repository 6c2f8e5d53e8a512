#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorix {

// Dates are whole days counted from 30.12.1899 (day 0), as the draw file stores them.
using DaySerial = int;

struct Ymd {
    int year = 0;
    int month = 0;
    int day = 0;
    bool operator==(const Ymd &) const = default;
};

bool isValidYmd(int year, int month, int day);
DaySerial serialFromYmd(int year, int month, int day);
Ymd ymdFromSerial(DaySerial serial);

// 1 = Sunday .. 7 = Saturday.
int weekdayOf(DaySerial serial);
inline constexpr int kSunday = 1;
inline constexpr int kWednesday = 4;
inline constexpr int kThursday = 5;
inline constexpr int kSaturday = 7;

// The draw-day rule: Sunday -> Wednesday, Wednesday -> Saturday, Saturday -> Wednesday,
// any other weekday unchanged.
DaySerial nextDrawDay(DaySerial serial);

// "YYYY-MM-DD"; nullopt for anything that is not a real date.
std::optional<DaySerial> parseIsoDate(std::string_view text);
std::string formatIso(DaySerial serial);
std::string formatDmy(DaySerial serial);      // "dd.mm.yyyy"
std::string formatShortDmy(DaySerial serial); // "dd.mm.yy"

// Today's date in the local time zone.
DaySerial todaySerial();

} // namespace quorix
