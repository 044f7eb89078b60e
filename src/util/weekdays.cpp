#include "util/weekdays.h"

#include <array>

namespace harbex {

QString WeekdayName(int weekday) {
    static const std::array<const char*, 7> names = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                     "Thursday", "Friday", "Saturday"};
    if (weekday < 1 || weekday > 7) return QString();
    return QString::fromLatin1(names[weekday - 1]);
}

int WeekdayNumber(const QDate& date) {
    return date.dayOfWeek() % 7 + 1;
}

QString ScheduleTypeWord(int type) {
    static const std::array<const char*, 4> words = {"DAILY", "WEEKLY", "MONTHLY", "ANNUAL"};
    if (type < 0 || type > 3) return QString();
    return QString::fromLatin1(words[type]);
}

QString MonthName(int month) {
    static const std::array<const char*, 12> names = {
        "January", "February", "March",     "April",   "May",      "June",
        "July",    "August",   "September", "October", "November", "December"};
    if (month < 1 || month > 12) return QString();
    return QString::fromLatin1(names[month - 1]);
}

}  // namespace harbex
