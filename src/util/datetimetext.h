#pragma once

#include <QDate>
#include <QString>
#include <QTime>
#include <optional>

namespace harbex {

// The one place for the user's short date format and time format. Dates and times are shown,
// stored (settings, set files, logs) and parsed in these formats. The time format never carries
// a time-zone field, although the system's long time format may.
QString ShortDateFormat();
QString TimeFormat();
// Pins the formats (tests, or a user choice); empty texts return to the system's formats.
void SetUserFormats(const QString& shortDate, const QString& time);

QString DateText(const QDate& date);
// A date as it is stored (settings): the short date format, but always with the whole year, so
// that a format with a two-digit year does not move a stored 1999 to 2099 when it is read back.
QString StoredDateText(const QDate& date);
QString TimeText(const QTime& time);

// Lenient parsing as the user would type: the day, month and year fields in the order of the
// short date format, any separators, two-digit years in the current century; times as hours and
// minutes with optional seconds (a fraction after them is dropped) and AM/PM.
std::optional<QDate> ParseDateText(const QString& text);
std::optional<QTime> ParseTimeText(const QString& text);

}  // namespace harbex
