#include "schedule/sequencelist.h"

#include "app/harbexzodi.h"
#include "platform/platform.h"
#include "schedule/autoruns.h"
#include "util/datetimetext.h"
#include "util/weekdays.h"

namespace harbex {

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
                row[On] = DateText(info.OnDate);
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
            if (grid_[r][At] > grid_[r + 1][At]) {
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
    // "Delete" and "Add" wait for a row to be selected again; they are not offered yet anyway.
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

int SequenceList::SequenceRowOf(const QString& path) const {
    for (int r = 1; r <= 8; ++r)
        if (grid_[r][Name] == path) return r;
    return 1;
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
