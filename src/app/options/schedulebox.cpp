// The set's schedule on the Schedule page: when the set runs (manually, at a time, or when the
// program starts), the schedule box that reads as a sentence ("on the 1 st of January at …"),
// the countdown delay before an automatic run, and what to do when the time was missed.

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>
#include <QTimeEdit>
#include <QVBoxLayout>

#include "app/harbexzodi.h"
#include "app/options/optionsbinder.h"
#include "app/options/optionstabs.h"
#include "schedule/autoruns.h"

namespace harbex {
namespace {

QStringList Names(std::initializer_list<const char*> names) {
    QStringList list;
    for (const char* name : names) list << QString::fromLatin1(name);
    return list;
}

// The time of day of the set; the date part is never used.
QTimeEdit* TimePicker(THarbexZoDi& z, OptionsBinder& b) {
    auto* time = new QTimeEdit;
    time->setObjectName(QStringLiteral("TimePicker"));
    time->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    QObject::connect(time, &QTimeEdit::timeChanged, time, [&z, &b](const QTime& value) {
        b.change([&] { z.model.TimePicker = value; });
    });
    b.onRefresh([time, &z] {
        const QSignalBlocker blocker(time);
        time->setTime(z.model.TimePicker);
    });
    return time;
}

// The sentence: a linking word in the first column, the controls beside it; the time moves down
// a row for every part the schedule type adds before it.
QWidget* Sentence(THarbexZoDi& z, OptionsBinder& b) {
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    const ScheduleBox& shown = z.view.ShedBox;
    auto word = [&b, &z](const char* name, QString ScheduleBox::*text, bool ScheduleBox::*visible) {
        QLabel* label =
            b.label(QString::fromLatin1(name), [&z, text] { return z.view.ShedBox.*text; });
        b.visibleWhen(label, [&z, visible] { return z.view.ShedBox.*visible; });
        return label;
    };
    grid->addWidget(word("UpperText", &ScheduleBox::UpperText, &ScheduleBox::UpperTextVisible), 0,
                    0);
    grid->addWidget(word("MidText", &ScheduleBox::MidText, &ScheduleBox::MidTextVisible), 1, 0);
    grid->addWidget(word("Lowertext", &ScheduleBox::Lowertext, &ScheduleBox::LowertextVisible), 2,
                    0);
    QComboBox* weekday = b.combo(
        QStringLiteral("DowSelect"),
        Names({"Sunday", "Monday", "Teusday", "Wednesday", "Thursday", "Friday", "Saturday"}),
        [&z] { return z.model.DowSelect; }, [&z](int index) { z.model.DowSelect = index; });
    b.visibleWhen(weekday, [&shown] { return shown.DowSelectVisible; });
    grid->addWidget(weekday, 0, 1);
    // The up-down control wraps from 31 to 1 and back, as the day of a month does.
    QSpinBox* day = b.spin(
        QStringLiteral("DomPicker"), 1, 31, [&z] { return z.model.DayOfMonth; },
        [&z](int value) { z.model.DayOfMonth = ClampDayOfMonth(value); });
    day->setWrapping(true);
    b.visibleWhen(day, [&shown] { return shown.DomPickerVisible; });
    grid->addWidget(day, 0, 1);
    grid->addWidget(word("Daytype", &ScheduleBox::Daytype, &ScheduleBox::DaytypeVisible), 0, 2);
    QComboBox* month = b.combo(
        QStringLiteral("MounthPicker"),
        Names({"January", "February", "March", "April", "May", "June", "July", "August",
               "September", "October", "November", "December"}),
        [&z] { return z.model.MounthPicker; }, [&z](int index) { z.model.MounthPicker = index; });
    b.visibleWhen(month, [&shown] { return shown.MounthPickerVisible; });
    grid->addWidget(month, 1, 1);
    QTimeEdit* time = TimePicker(z, b);
    grid->addWidget(time, 0, 1);
    b.onRefresh([grid, time, &shown] {
        const int row = shown.TimePickerTop >= 98 ? 2 : shown.TimePickerTop >= 64 ? 1 : 0;
        int at = 0, column = 0, rows = 0, columns = 0;
        grid->getItemPosition(grid->indexOf(time), &at, &column, &rows, &columns);
        if (at == row) return;
        grid->removeWidget(time);
        grid->addWidget(time, row, 1);
    });
    grid->setColumnStretch(3, 1);
    return box;
}

}  // namespace

QWidget* BuildScheduleBox(THarbexZoDi& z, OptionsBinder& b) {
    auto* group = new QGroupBox(QStringLiteral("Schedule"));
    auto* layout = new QVBoxLayout(group);
    b.radios(
        layout, QStringLiteral("autotype"),
        Names({"No  I want to use Harbex manualy",
               "Yes I want to Schedule this Backup to run at a certain time",
               "I want Harbex to backup my files when it starts"}),
        [&z] { return z.model.autotype; }, [&z](int index) { z.model.autotype = index; });
    auto* type = new QHBoxLayout;
    QLabel* caption = b.label(QStringLiteral("R&un"));
    QComboBox* shedType = b.combo(
        QStringLiteral("ShedType"), Names({"Daily", "Weekly", "Monthly", "Yearly"}),
        [&z] { return z.model.ShedType; },
        [&z](int index) {
            z.model.ShedType = index;
            z.autoRuns().ShedTypeClick();
        });
    caption->setBuddy(shedType);
    type->addWidget(caption);
    type->addWidget(shedType);
    type->addStretch(1);
    layout->addLayout(type);
    layout->addWidget(Sentence(z, b));
    auto* delay = new QHBoxLayout;
    QLabel* delayCaption = b.label(QStringLiteral("&Delay"));
    QSpinBox* seconds = b.spin(
        QStringLiteral("DelayTime"), 1, 60, [&z] { return z.settings.DelayTime(); },
        [&z](int value) { z.DelayTimeChange(value); });
    delayCaption->setBuddy(seconds);
    delay->addWidget(delayCaption);
    delay->addWidget(seconds);
    delay->addWidget(Text(b, QStringLiteral("Seconds before an automatic backup starts")));
    delay->addStretch(1);
    layout->addLayout(delay);
    layout->addWidget(Text(b, QStringLiteral("If started after the scheduled time,")));
    layout->addWidget(Text(b, QStringLiteral("what do you want Harbex to do?")));
    b.radios(
        layout, QStringLiteral("PromptMissed"),
        Names({"Nothing at all, I will decide what to do", "Let me know, I will decide what to do",
               "Do the Backup Immediately", "Do it the next time it is scheduled."}),
        [&z] { return z.settings.PromptMissed; },
        [&z](int index) { z.settings.PromptMissed = index; });
    return group;
}

}  // namespace harbex
