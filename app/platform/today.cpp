#include "app/platform/today.h"

#include <QDate>

#include "app/widgets/uihelpers.h"

namespace quorix {

DaySerial systemToday() {
    return serialFromDate(QDate::currentDate());
}

} // namespace quorix
