// What pages 12, 13 and 14 show: how the set starts and the countdown before an automatic run;
// the schedule box that reads as a sentence ("on the 1 st of January at …"), what to do when the
// time was missed and whether a sequence skips a missed set; the logging options.

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimeEdit>
#include <QVBoxLayout>

#include "app/harbexzodi.h"
#include "log/runlogbook.h"
#include "schedule/autoruns.h"
#include "schedule/sequencelist.h"
#include "wizard/wizardview.h"

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

void BuildPage12(WizardPage& page, THarbexZoDi& z, OptionsBinder& b) {
    page.body()->addWidget(ChoiceBox(
        b, QStringLiteral("Start-Up Events"), QStringLiteral("autotype"),
        Names({"No  I want to use Harbex manualy",
               "Yes I want to Schedule this Backup to run at a certain time",
               "I want Harbex to backup my files when it starts"}),
        [&z] { return z.model.autotype; }, [&z](int index) { z.model.autotype = index; }));
    auto* delay = new QHBoxLayout;
    QLabel* caption = b.label(QStringLiteral("Dela&y"));
    QSpinBox* seconds = b.spin(
        QStringLiteral("DelayTime"), 1, 60, [&z] { return z.settings.DelayTime(); },
        [&z](int value) { z.DelayTimeChange(value); });
    caption->setBuddy(seconds);
    delay->addWidget(caption);
    delay->addWidget(seconds);
    delay->addWidget(b.label(QStringLiteral("Seconds before an automatic backup starts")));
    delay->addStretch(1);
    page.body()->addLayout(delay);
    page.body()->addStretch(1);
}

void BuildPage13(WizardPage& page, THarbexZoDi& z, OptionsBinder& b) {
    auto* schedule = new QGroupBox(QStringLiteral("Schedule"));
    auto* layout = new QVBoxLayout(schedule);
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
    page.body()->addWidget(schedule);
    // The question heads the box of its answers.
    auto* missed = new QGroupBox;
    missed->setObjectName(QStringLiteral("PromptMissedBox"));
    auto* answers = new QVBoxLayout(missed);
    answers->addWidget(PageText(QStringLiteral("If started after the scheduled time,")));
    answers->addWidget(PageText(QStringLiteral("what do you want Harbex to do?")));
    b.radios(
        answers, QStringLiteral("PromptMissed"),
        Names({"Nothing at all, I will decide what to do", "Let me know, I will decide what to do",
               "Do the Backup Immediately", "Do it the next time it is scheduled."}),
        [&z] { return z.settings.PromptMissed; },
        [&z](int index) { z.settings.PromptMissed = index; });
    page.body()->addWidget(missed);
    page.body()->addWidget(b.action(
        QStringLiteral("SkipToNext"),
        QStringLiteral("If Sequencing, s&kip to the next backup (Recomended is Checked)"),
        [&z] { return z.settings.Skip; }, [&z] { z.sequence().SkipExecute(); }));
    page.body()->addStretch(1);
}

void BuildPage14(WizardPage& page, THarbexZoDi& z, OptionsBinder& b) {
    RunLogBook& log = z.log();
    page.body()->addWidget(b.action(
        QStringLiteral("Logging"), QStringLiteral("&Enable Log File"),
        [&z] { return z.settings.EnabLog; }, [&log] { log.EnabLogExecute(); }));
    QGroupBox* logOptions = ChoiceBox(
        b, QStringLiteral("Logging Options"), QStringLiteral("LogOptions"),
        Names({"A single File (the last log will be overwritten)",
               "Each day of the week. (Monday_Log - Sunday_Log)",
               "Each day of the month. (Log_1- Log_31)",
               "Each Backup session numbered sequentialy"}),
        [&z] { return z.settings.LogOptions; }, [&z](int index) { z.settings.LogOptions = index; });
    b.visibleWhen(logOptions, [&log] { return log.LogOptionsVisible; });
    page.body()->addWidget(logOptions);
    QGroupBox* viewOptions = ChoiceBox(
        b, QStringLiteral("View Options"), QStringLiteral("ViewOptions"),
        Names({"The last created file", "Show a list of Log files"}),
        [&z] { return z.settings.ViewOptions; },
        [&z](int index) { z.settings.ViewOptions = index; });
    b.visibleWhen(viewOptions, [&log] { return log.ViewOptionsVisible; });
    page.body()->addWidget(viewOptions);
    auto* reset = new QHBoxLayout;
    reset->addWidget(b.label(QStringLiteral("Click here to reset Sequential numbering")));
    reset->addWidget(b.button(QStringLiteral("Page14Reset"), QStringLiteral("&Reset "),
                              [&log] { log.Page14ResetClick(); }));
    reset->addWidget(b.label(QStringLiteral("CountLab"), [&log] { return log.CountLab; }));
    reset->addStretch(1);
    page.body()->addLayout(reset);
    page.body()->addStretch(1);
}

}  // namespace

void BuildSchedulePages(WizardView& view, THarbexZoDi& z, OptionsBinder& b) {
    BuildPage12(*view.page(kPage12), z, b);
    BuildPage13(*view.page(kPage13), z, b);
    BuildPage14(*view.page(kPage14), z, b);
}

}  // namespace harbex
