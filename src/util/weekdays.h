#pragma once

#include <QDate>
#include <QString>

namespace harbex {

// The program's table of day names, 1 "Sunday" to 7 "Saturday": they name daily folders,
// weekday log files, status panel 0 and the sequence list.
QString WeekdayName(int weekday);
// Weekday number of a date with Sunday = 1 ... Saturday = 7.
int WeekdayNumber(const QDate& date);
// "DAILY", "WEEKLY", "MONTHLY", "ANNUAL" for schedule types 0 to 3, empty otherwise.
QString ScheduleTypeWord(int type);
// "January" ... "December" for month numbers 1 to 12.
QString MonthName(int month);

}  // namespace harbex
