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

}  // namespace harbex
