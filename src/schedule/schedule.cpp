#include "schedule/schedule.h"

#include "util/weekdays.h"

namespace harbex {

bool IsDueOn(const BackupSetModel& model, const QDate& date) {
    switch (model.ShedType) {
        case 0:
            return true;
        case 1:
            return WeekdayNumber(date) == model.DowSelect + 1;
        case 2:
            return model.DayOfMonth == date.day();
        case 3:
            return model.MounthPicker + 1 == date.month() && model.DayOfMonth == date.day();
        default:
            return false;
    }
}

int MinutesUntil(const QTime& due, const QTime& now) {
    if (now > due) return -1;
    const int milliseconds = now.msecsTo(due);
    return milliseconds / 60000;
}

QString TimeToNextText(int minutes) {
    const QString prefix = QStringLiteral("Next Backup due in ");
    if (minutes >= 60)
        return prefix + QString::number(minutes / 60) + QStringLiteral(" Hours ") +
               QString::number(minutes % 60) + QStringLiteral(" Mins");
    return prefix + QString::number(minutes) + QStringLiteral(" Minutes");
}

}  // namespace harbex
