#include "app/platform/today.h"

#include <QDate>

namespace quorix {

DaySerial systemToday() {
    const QDate today = QDate::currentDate();
    return serialFromYmd(today.year(), today.month(), today.day());
}

} // namespace quorix
