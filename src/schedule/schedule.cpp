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
    // Per type: the weekday, the day of the month (with its "st"), the month, the linking words
    // top to bottom, and how far down the time sits.
    struct Sentence {
        bool weekday, day, month;
        const char *upper, *mid, *lower;
        int timeTop;
    };
    static const Sentence sentences[] = {
        {false, false, false, "at", "", "", 32},
        {true, false, false, "on", "at", "", 64},
        {false, true, false, "on the", "at", "", 64},
        {false, true, true, "on the", "of", "at", 98},
    };
    ScheduleBox box;
    if (shedType < 0 || shedType > 3) return box;
    const Sentence& s = sentences[shedType];
    box.DowSelectVisible = s.weekday;
    box.DomPickerVisible = box.DaytypeVisible = s.day;
    box.MounthPickerVisible = s.month;
    box.UpperText = QString::fromLatin1(s.upper);
    box.MidText = QString::fromLatin1(s.mid);
    box.Lowertext = QString::fromLatin1(s.lower);
    box.UpperTextVisible = true;
    box.MidTextVisible = !box.MidText.isEmpty();
    box.LowertextVisible = !box.Lowertext.isEmpty();
    box.TimePickerTop = s.timeTop;
    return box;
}

}  // namespace harbex
