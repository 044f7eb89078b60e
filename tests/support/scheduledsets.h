#pragma once

#include <QDate>
#include <QStringList>

#include "sets/setfile.h"
#include "support/controllerfixture.h"
#include "util/datetimetext.h"

namespace harbex::test {

inline const QDate kMonday(2026, 12, 7);

// The timers that are running, by name, so that a test states everything that is armed.
inline QStringList Armed(const THarbexZoDi& z) {
    QStringList armed;
    if (z.Timer.isActive()) armed << QStringLiteral("Timer");
    if (z.Delay.isActive()) armed << QStringLiteral("Delay");
    if (z.ShedTimer.isActive()) armed << QStringLiteral("ShedTimer");
    if (z.MidnightTimer.isActive()) armed << QStringLiteral("MidnightTimer");
    return armed;
}

inline const QStringList kCountdown{QStringLiteral("Timer"), QStringLiteral("Delay")};
inline const QStringList kShedTimer{QStringLiteral("ShedTimer")};
inline const QStringList kMidnight{QStringLiteral("MidnightTimer")};

// Scheduled sets on disk and a later start of the program with one of them current.
class ScheduledSetTest : public ControllerTest {
  protected:
    // A set file in the program's folder; shedType 0 daily, 1 weekly on dowSelect (0 Sunday).
    QString writeSet(const QString& name, int autotype, int shedType, const QTime& time,
                     int dowSelect = 1) {
        BackupSetModel model;
        model.autotype = autotype;
        model.ShedType = shedType;
        model.DowSelect = dowSelect;
        model.TimePicker = time;
        const QString path = setPath(name);
        world.writeFile(path, ComposeSetText(model, 1).toUtf8());
        return path;
    }
    // A later start with this set current, at a time on Monday 07/12/2026.
    THarbexZoDi& startAt(const QString& set, const QTime& time) {
        settingsForLaterStart(set);
        world.clock().set(QDateTime(kMonday, time));
        return start();
    }
    // Rows 1 to 8 of the sequence list stored as unassigned; activeEntry() then fills some.
    void unassignedRows() {
        for (int n = 0; n < 8; ++n) {
            world.setSetting(QStringLiteral("FName") + QString::number(n),
                             QStringLiteral("UNASSIGNED"));
            world.setSetting(QStringLiteral("ST") + QString::number(n), QStringLiteral("23:59:59"));
        }
    }
    // An active daily row of the sequence list.
    void activeEntry(int row, const QString& set, const QTime& time) {
        const QString n = QString::number(row);
        world.setSetting(QStringLiteral("SActive") + n, QStringLiteral("1"));
        world.setSetting(QStringLiteral("FName") + n, set);
        world.setSetting(QStringLiteral("SHType") + n, QStringLiteral("0"));
        world.setSetting(QStringLiteral("ST") + n, TimeText(time));
    }
};

}  // namespace harbex::test
