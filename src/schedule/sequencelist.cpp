#include "schedule/sequencelist.h"

#include <cmath>

#include "app/harbexzodi.h"
#include "platform/platform.h"
#include "schedule/autoruns.h"
#include "sets/backupsetmodel.h"
#include "util/datetimetext.h"
#include "util/weekdays.h"

namespace harbex {

ScheduleRowTexts RowTextsFor(const BackupSetModel& model, const QDate& today) {
    ScheduleRowTexts texts{ScheduleTypeWord(model.ShedType), TimeText(model.TimePicker),
                           QStringLiteral("N/A")};
    switch (model.ShedType) {
        case 1:
            texts.On = WeekdayName(model.DowSelect + 1);
            break;
        case 2:
            texts.On = QStringLiteral("Day ") + QString::number(model.DayOfMonth);
            break;
        case 3: {
            // Up to eight years on, 29 February has come round again; a day no month has
            // stays without a date and the row keeps its last one.
            QDate date;
            for (int year = today.year(); year <= today.year() + 8 && !date.isValid(); ++year)
                date = QDate(year, model.MounthPicker + 1, model.DayOfMonth);
            texts.On = date.isValid() ? StoredDateText(date) : QString();
            break;
        }
        default:
            break;
    }
    return texts;
}

bool TooClose(const QTime& a, const QTime& b, int k) {
    // The window is k times 0.000694 of a day: 59.9616 seconds a unit, so that two sets exactly
    // two minutes apart pass a check of two units.
    const double window = k * 0.000694 * 86400000.0;
    const double apart = std::abs(static_cast<double>(a.msecsSinceStartOfDay()) -
                                  static_cast<double>(b.msecsSinceStartOfDay()));
    return apart <= window;
}

// The time a row's At text stands for; a text that is no time sorts last, with the empty rows.
QTime SortTime(const QString& at) {
    return ParseTimeText(at).value_or(QTime(23, 59, 59));
}

bool SameSetFile(const QString& name, const QString& path) {
    return name.compare(path, Qt::CaseInsensitive) == 0;
}

void SequenceList::InitSequenceGrid() {
    grid_[0] = {QString(),
                QStringLiteral("Name"),
                QStringLiteral("Type"),
                QStringLiteral("At"),
                QStringLiteral("On"),
                QStringLiteral("Active")};
    for (int r = 1; r <= 8; ++r) grid_[r][Number] = QString::number(r);
    SequenceToGrid();
}

void SequenceList::SequenceToGrid() {
    for (int n = 0; n < 8; ++n) {
        const ShedInfo& info = z_.settings.Sequence[n];
        Row& row = grid_[n + 1];
        // The records keep no type for an empty row; it reads as empty again, not as daily.
        if (info.BusFile == u"UNASSIGNED") {
            resetRow(n + 1);
            continue;
        }
        row[Name] = info.BusFile;
        row[Type] = ScheduleTypeWord(info.SchedType);
        row[At] = TimeText(info.AtTime);
        switch (info.SchedType) {
            case 1:
                row[On] = WeekdayName(info.OnWeekday);
                break;
            case 2:
                row[On] = QStringLiteral("Day ") + QString::number(info.OnMonthDay);
                break;
            case 3:
                // The grid's text is read back into the record, so it keeps the whole year even
                // where the user's format has two digits: "12/31/99" would come back as 2099.
                row[On] = StoredDateText(info.OnDate);
                break;
            default:
                row[On] = QStringLiteral("N/A");
                break;
        }
        row[ActiveCell] = info.Active ? QStringLiteral("YES") : QStringLiteral("NO");
    }
}

void SequenceList::GridToSequence() {
    for (int r = 1; r <= 8; ++r) {
        const Row& row = grid_[r];
        ShedInfo& info = z_.settings.Sequence[r - 1];
        info.Active = row[ActiveCell] == u"YES";
        if (row[Type] == u"ANNUAL")
            info.SchedType = 3;
        else if (row[Type] == u"MONTHLY")
            info.SchedType = 2;
        else if (row[Type] == u"WEEKLY")
            info.SchedType = 1;
        else
            info.SchedType = 0;
        info.BusFile = row[Name];
        if (const auto time = ParseTimeText(row[At])) info.AtTime = *time;
        switch (info.SchedType) {
            case 0:
                info.OnWeekday = 0;
                info.OnMonthDay = 0;
                info.OnDate = Now().today();
                break;
            case 1: {
                info.OnWeekday = 0;
                for (int day = 1; day <= 7; ++day)
                    if (row[On] == WeekdayName(day)) info.OnWeekday = day;
                break;
            }
            case 2: {
                const qsizetype y = row[On].indexOf(u'y');
                info.OnMonthDay = y < 0 ? 0 : row[On].mid(y + 1).trimmed().toInt();
                break;
            }
            default:
                if (const auto date = ParseDateText(row[On])) info.OnDate = *date;
                break;
        }
    }
}

void SequenceList::SortSequenceGrid() {
    bool swapped = true;
    while (swapped) {
        z_.handleMessages();
        swapped = false;
        for (int r = 1; r < 8; ++r) {
            // By the time itself, not its text: with a 12-hour format "10:00:00 AM" sorts
            // before "9:00:00 AM" as text, and the sequencer runs the rows in this order.
            if (SortTime(grid_[r][At]) > SortTime(grid_[r + 1][At])) {
                for (int column = Name; column <= ActiveCell; ++column)
                    std::swap(grid_[r][column], grid_[r + 1][column]);
                swapped = true;
            }
        }
    }
}

void SequenceList::resetRow(int r) {
    grid_[r][Name] = QStringLiteral("UNASSIGNED");
    grid_[r][Type] = QStringLiteral("N/A");
    grid_[r][At] = QStringLiteral("23:59:59");
    grid_[r][On] = QStringLiteral("N/A");
    grid_[r][ActiveCell] = QStringLiteral("NO");
}

void SequenceList::ClearSequenceList() {
    SDeleteEnabled = false;
    SAddEnabled = false;
    z_.autoRuns().StopSheduledbackups1Click();
    for (int r = 1; r <= 8; ++r) resetRow(r);
    SortSequenceGrid();
    GridToSequence();
}

void SequenceList::SortBtnClick() {
    z_.autoRuns().StopSheduledbackups1Click();
    SortSequenceGrid();
    GridToSequence();
}

void SequenceList::ClearListBtnClick() {
    ClearSequenceList();
}

void SequenceList::SkipExecute() {
    z_.settings.Skip = !z_.settings.Skip;
}

bool SequenceList::AnySequenceActive() const {
    for (int r = 1; r <= 8; ++r)
        if (grid_[r][ActiveCell] == u"YES") return true;
    return false;
}

int SequenceList::ListedRow(const QString& path) const {
    for (int r = 1; r <= 8; ++r)
        if (SameSetFile(grid_[r][Name], path)) return r;
    return 0;
}

int SequenceList::SequenceRowOf(const QString& path) const {
    const int r = ListedRow(path);
    return r == 0 ? 1 : r;
}

bool SequenceList::IsSetInSequence(bool report) const {
    if (ListedRow(z_.busFile()) == 0) return false;
    if (report) Prompts().message(QStringLiteral("Cannot Add: This backupset is already listed"));
    return true;
}

bool SequenceList::CheckSequenceSpacing(int k, bool report) const {
    for (int r = 1; r <= 8; ++r) {
        if (SameSetFile(grid_[r][Name], z_.busFile())) continue;
        // Unassigned rows take part with their time 23:59:59.
        const auto time = ParseTimeText(grid_[r][At]);
        if (!time || !TooClose(z_.model.TimePicker, *time, k)) continue;
        if (report)
            Prompts().message(
                QStringLiteral(
                    "Cannot Add: A Backupset already in sequece is scheduled\rto run at ") +
                grid_[r][At] + QStringLiteral(". Backups must run at least ") +
                QString::number(2 * k) + QStringLiteral(" Minutes apart") + QStringLiteral("\r") +
                QStringLiteral("Please edit the backupset's schedule to correct this error"));
        return true;
    }
    return false;
}

void SequenceList::RefreshSequenceRows() {
    const ScheduleRowTexts texts = RowTextsFor(z_.model, Now().today());
    for (int r = 1; r <= 8; ++r) {
        if (!SameSetFile(grid_[r][Name], z_.busFile())) continue;
        grid_[r][Type] = texts.Type;
        grid_[r][At] = texts.At;
        grid_[r][On] = texts.On;
    }
}

int SequenceList::CountDueToday() const {
    const QDate today = Now().today();
    int count = 0;
    for (int r = 1; r <= 8; ++r) {
        if (grid_[r][ActiveCell] != u"YES") continue;
        const ShedInfo& info = z_.settings.Sequence[r - 1];
        const QString& type = grid_[r][Type];
        if (type == u"DAILY" || (type == u"WEEKLY" && WeekdayNumber(today) == info.OnWeekday) ||
            (type == u"MONTHLY" && today.day() == info.OnMonthDay) ||
            (type == u"ANNUAL" && today == info.OnDate))
            ++count;
    }
    return count;
}

}  // namespace harbex
