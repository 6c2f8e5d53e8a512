#pragma once

#include <QApplication>
#include <QDate>

#include "core/base/calendar.h"

namespace quorix {

// The draw file's day numbers and the pickers' dates.
inline QDate dateFromSerial(DaySerial serial) {
    return QDate(1899, 12, 30).addDays(serial);
}
inline DaySerial serialFromDate(const QDate &date) {
    return static_cast<DaySerial>(QDate(1899, 12, 30).daysTo(date));
}

// The wait cursor for as long as an operation runs.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    Q_DISABLE_COPY_MOVE(WaitCursor)
};

} // namespace quorix
