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

ScheduleBox ScheduleBoxFor(int shedType) {
    ScheduleBox box;
    switch (shedType) {
        case 0:
            box.UpperTextVisible = true;
            box.UpperText = QStringLiteral("at");
            box.TimePickerTop = 32;
            break;
        case 1:
            box.UpperTextVisible = box.DowSelectVisible = box.MidTextVisible = true;
            box.UpperText = QStringLiteral("on");
            box.MidText = QStringLiteral("at");
            box.TimePickerTop = 64;
            break;
        case 2:
            box.UpperTextVisible = box.DomPickerVisible = box.DaytypeVisible = true;
            box.MidTextVisible = true;
            box.UpperText = QStringLiteral("on the");
            box.MidText = QStringLiteral("at");
            box.TimePickerTop = 64;
            break;
        case 3:
            box.UpperTextVisible = box.DomPickerVisible = box.DaytypeVisible = true;
            box.MidTextVisible = box.MounthPickerVisible = box.LowertextVisible = true;
            box.UpperText = QStringLiteral("on the");
            box.MidText = QStringLiteral("of");
            box.Lowertext = QStringLiteral("at");
            box.TimePickerTop = 98;
            break;
        default:
            break;
    }
    return box;
}

}  // namespace harbex
