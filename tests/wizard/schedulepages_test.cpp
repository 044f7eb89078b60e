#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTimeEdit>

#include "app/options/optionspanel.h"
#include "log/runlogbook.h"
#include "schedule/sequencelist.h"
#include "support/scheduledsets.h"
#include "wizard/wizard.h"
#include "wizard/wizardview.h"

namespace harbex::test {
namespace {

const QString kSpacing =
    P("Cannot Add: A Backupset already in sequece is scheduled\rto run at %1. Backups must run at "
      "least 4 Minutes apart\rPlease edit the backupset's schedule to correct this error");

// The program running at 07:00 on Monday with a scheduled set current; the sequence list's rows
// are unassigned unless a test lists sets.
class SchedulePagesTest : public ScheduledSetTest {
  protected:
    THarbexZoDi& running(const QString& current) {
        THarbexZoDi& c = startAt(current, QTime(7, 0));
        world.prompter().clear();
        return c;
    }
    template <typename W>
    W* widget(const char* name) {
        W* found = z->findChild<WizardView*>()->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    // The Options panel's button that opens a page by itself.
    void open(const char* button) {
        z->showOptionsPanel(P("Misc"));
        z->findChild<QPushButton*>(QString::fromLatin1(button))->click();
    }
    WizardPage& page(int index) { return *z->findChild<WizardView*>()->page(index); }
    QString cellsAt(int row) const {
        return z->sequence().cell(row, SequenceList::Name) + u' ' +
               z->sequence().cell(row, SequenceList::At);
    }
};

// Done of the schedule page of a listed set: a time less than two minutes from another row is
// refused with the spacing message, and neither the set file nor the list changes; otherwise
// the set's row takes the new time, the rows are put in time order and the set file is written.
// A set without a row is saved whatever its time.
TEST_F(SchedulePagesTest, TheScheduleOfAListedSetKeepsTwoMinutesFromTheOtherRows) {
    struct Case {
        QTime edited;
        bool fromRow;   // opened by the row's Edit; otherwise by Setup/View Schedule
        bool listed;    // the edited set has a row
        QString clash;  // the time the message names, empty when accepted
        int editedRow;  // where the edited set's row is afterwards
    };
    const Case cases[] = {
        {QTime(10, 1), true, true, P("10:00:00"), 1},
        {QTime(9, 58, 1), true, true, P("10:00:00"), 1},
        {QTime(10, 1), false, true, P("10:00:00"), 1},
        {QTime(9, 58), true, true, QString(), 1},
        {QTime(11, 30), true, true, QString(), 2},
        {QTime(11, 30), false, true, QString(), 2},
        {QTime(10, 1), false, false, QString(), 0},  // a set that is not listed never clashes
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(TimeText(c.edited).toStdString() + (c.fromRow ? " row Edit" : " tab") +
                     (c.listed ? "" : " not listed"));
        z.reset();
        unassignedRows();
        const QString edited = writeSet(P("edited.bus"), 1, 0, QTime(7, 30));
        const QString other = writeSet(P("other.bus"), 1, 0, QTime(10, 0));
        if (c.listed) activeEntry(0, edited, QTime(7, 30));
        activeEntry(1, other, QTime(10, 0));
        const QByteArray before = world.readFile(edited);
        THarbexZoDi& zz = running(edited);
        if (c.fromRow) {
            zz.sequence().SListSelectCell(SequenceList::Type, 1);
            zz.sequence().SEditClick();
        } else {
            open("SpeedButton12");
        }
        ASSERT_EQ(zz.wizard().activePage(), kPage13);
        widget<QTimeEdit>("TimePicker")->setTime(c.edited);
        page(kPage13).Next->click();
        EXPECT_FALSE(zz.wizard().visible());
        EXPECT_FALSE(zz.SinglePageEdit);
        EXPECT_FALSE(zz.wizard().DoneButtons) << "the buttons are restored";
        EXPECT_EQ(zz.model.TimePicker, c.edited) << "the new time stays in the loaded set";
        const QString otherRow = other + P(" 10:00:00");
        if (!c.clash.isEmpty()) {
            EXPECT_EQ(world.prompter().messages(), QStringList{kSpacing.arg(c.clash)});
            EXPECT_EQ(world.readFile(edited), before);
            EXPECT_EQ(cellsAt(1), edited + P(" 07:30:00"));
            EXPECT_EQ(zz.settings.Sequence[0].AtTime, QTime(7, 30));
            continue;
        }
        EXPECT_TRUE(world.prompter().records().isEmpty());
        EXPECT_TRUE(
            world.readFile(edited).contains("\r\n" + TimeText(c.edited).toLatin1() + "\r\n"));
        if (c.editedRow == 0) continue;
        EXPECT_EQ(cellsAt(c.editedRow), edited + u' ' + TimeText(c.edited));
        EXPECT_EQ(cellsAt(3 - c.editedRow), otherRow);
        const ShedInfo& record = zz.settings.Sequence[static_cast<size_t>(c.editedRow - 1)];
        EXPECT_EQ(record.BusFile, edited) << "the records follow the rows";
        EXPECT_EQ(record.AtTime, c.edited);
    }
}

// The schedule box reads as a sentence for the set's type, and the time sits below the rest.
TEST_F(SchedulePagesTest, TheScheduleBoxFollowsTheTypeFromTheSetAndFromTheUser) {
    THarbexZoDi& zz = running(writeSet(P("weekly.bus"), 1, 1, QTime(18, 30)));
    zz.show();
    open("SpeedButton12");
    QWidget* shownPage = &page(kPage13);
    const auto shown = [&](const char* name) {
        return widget<QWidget>(name)->isVisibleTo(shownPage);
    };
    const auto top = [&](const char* name) {
        QApplication::processEvents();
        return widget<QWidget>(name)->mapTo(shownPage, QPoint(0, 0)).y();
    };
    EXPECT_TRUE(shown("DowSelect")) << "the weekly set as read";
    EXPECT_FALSE(shown("DomPicker"));
    EXPECT_FALSE(shown("MounthPicker"));
    EXPECT_GT(top("TimePicker"), top("DowSelect"));
    QComboBox* type = widget<QComboBox>("ShedType");
    type->setCurrentIndex(3);
    emit type->activated(3);
    EXPECT_EQ(zz.model.ShedType, 3);
    EXPECT_FALSE(shown("DowSelect"));
    EXPECT_TRUE(shown("DomPicker"));
    EXPECT_TRUE(shown("MounthPicker"));
    EXPECT_GT(top("MounthPicker"), top("DomPicker"));
    EXPECT_GT(top("TimePicker"), top("MounthPicker"));
    QSpinBox* day = widget<QSpinBox>("DomPicker");
    day->setValue(31);
    day->stepUp();
    EXPECT_EQ(zz.model.DayOfMonth, 1) << "the day wraps from 31 to 1";
    page(kPage13).Next->click();
    open("SpeedButton15");
    widget<QSpinBox>("DelayTime")->setValue(10);
    EXPECT_EQ(zz.Timer.interval(), 10000);
    EXPECT_EQ(zz.Delay.interval(), 200);
}

// The log page: switching logging off hides the two choices there and greys the Misc tab's
// "Logging Options"; Reset shows "0" at once and the counter starts again, the file name kept.
TEST_F(SchedulePagesTest, TheLogPageFollowsTheLoggingSwitchAndResetsTheSequentialNumber) {
    THarbexZoDi& zz = running(writeSet(P("office.bus"), 0, 0, QTime(7, 30)));
    zz.settings.LogOptions = 3;
    zz.settings.LogCounter = 7;
    zz.log().SetLogFileName();
    const QString logFile = zz.settings.LogFileName;
    open("LogOptionsBtn");
    ASSERT_EQ(zz.wizard().activePage(), kPage14);
    auto* misc = z->options().findChild<QPushButton*>(P("LogOptionsBtn"));
    for (const bool on : {false, true}) {
        widget<QAbstractButton>("Logging")->click();
        EXPECT_EQ(zz.settings.EnabLog, on);
        EXPECT_EQ(widget<QWidget>("LogOptionsBox")->isVisibleTo(&page(kPage14)), on);
        EXPECT_EQ(widget<QWidget>("ViewOptionsBox")->isVisibleTo(&page(kPage14)), on);
        EXPECT_EQ(misc->isEnabled(), on);
        EXPECT_EQ(zz.wizard().activePage(), kPage14);
    }
    EXPECT_EQ(widget<QLabel>("CountLab")->text(), P("7"));
    widget<QPushButton>("Page14Reset")->click();
    EXPECT_EQ(widget<QLabel>("CountLab")->text(), P("0"));
    EXPECT_EQ(widget<QPushButton>("Page14Reset")->text(), P("&Reset "));
    EXPECT_EQ(zz.settings.LogCounter, 0);
    EXPECT_EQ(zz.settings.LogFileName, logFile);
}

}  // namespace
}  // namespace harbex::test
