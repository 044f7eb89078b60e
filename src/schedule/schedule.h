#pragma once

#include <QDate>
#include <QString>
#include <QTime>

#include "sets/backupsetmodel.h"

namespace harbex {

// Whether the set's schedule falls on a date: daily always; weekly on its weekday; monthly on its
// day of the month (a day the month does not have never comes); yearly on its day and month.
// A schedule type without a chosen item is never due.
bool IsDueOn(const BackupSetModel& model, const QDate& date);

// Whole minutes from now to the time of day (seconds dropped), or -1 when it has passed.
int MinutesUntil(const QTime& due, const QTime& now);

// "Next Backup due in " followed by hours and minutes, or minutes alone below an hour.
QString TimeToNextText(int minutes);

// The schedule box reads as a sentence for its type ("on the 1 st of January at 13:55:09"):
// which of its controls show, what the linking words say, and how far down the time sits.
struct ScheduleBox {
    bool UpperTextVisible = false;
    bool MidTextVisible = false;
    bool LowertextVisible = false;
    bool DaytypeVisible = false;
    bool DowSelectVisible = false;
    bool DomPickerVisible = false;  // the day of the month with its up-down control UpDown1
    bool MounthPickerVisible = false;
    QString UpperText;
    QString MidText;
    QString Lowertext;
    QString Daytype = QStringLiteral("st");
    int TimePickerTop = 32;
    bool operator==(const ScheduleBox&) const = default;
};
// The box for a schedule type (0 daily to 3 yearly); any other value shows the time alone.
ScheduleBox ScheduleBoxFor(int shedType);

}  // namespace harbex
