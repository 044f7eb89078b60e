#include <gtest/gtest.h>

#include "schedule/sequencelist.h"
#include "sets/setreaderwriter.h"
#include "support/scheduledsets.h"

namespace harbex::test {
namespace {

const QString kSpacing =
    P("Cannot Add: A Backupset already in sequece is scheduled\rto run at %1. Backups must run at "
      "least 4 Minutes apart\rPlease edit the backupset's schedule to correct this error");
const QString kNoScheduling =
    P("The Selected Backup set does not have scheduling enabled.\r\nClick OK to enable scheduing "
      "and add the backup set.");
const QStringList kUnassigned{P("UNASSIGNED"), P("N/A"), P("23:59:59"), P("N/A"), P("NO")};

class SequenceListTest : public ScheduledSetTest {
  protected:
    // A stored daily row, not active.
    void listRow(int row, const QString& set, const QTime& time) {
        activeEntry(row - 1, set, time);
        world.setSetting(P("SActive") + QString::number(row - 1), P("0"));
    }
    // The program running with a scheduled daily set current, at 07:00 on Monday.
    THarbexZoDi& startWith(const QString& current) {
        THarbexZoDi& c = startAt(current, QTime(7, 0));
        world.prompter().clear();
        return c;
    }
    QStringList cells(int row) const {
        QStringList texts;
        for (int c = SequenceList::Name; c <= SequenceList::ActiveCell; ++c)
            texts << z->sequence().cell(row, c);
        return texts;
    }
    // A click on the row's Type cell, which gives the row buttons that row.
    void select(int row) { z->sequence().SListSelectCell(SequenceList::Type, row); }
};

TEST_F(SequenceListTest, AFreshInstallationShowsDefaultRowsUntilTheFirstRunClearsThem) {
    THarbexZoDi& c = controller();
    c.LoadSettings();
    c.sequence().InitSequenceGrid();
    for (int r = 1; r <= 8; ++r) {
        EXPECT_EQ(c.sequence().cell(r, SequenceList::Number), QString::number(r));
        EXPECT_EQ(cells(r),
                  (QStringList{P("Default"), P("DAILY"), P("12:00:00"), P("N/A"), P("NO")}))
            << r;
    }
    c.sequence().ClearSequenceList();
    for (int r = 1; r <= 8; ++r) EXPECT_EQ(cells(r), kUnassigned) << r;
    EXPECT_EQ(c.settings.Sequence[7].BusFile, P("UNASSIGNED"));
    EXPECT_EQ(c.settings.Sequence[7].AtTime, QTime(23, 59, 59));
}

TEST_F(SequenceListTest, ReplaceRefusesATimeWithinTwoMinutesOfAnotherRowOnEitherSide) {
    struct Case {
        QTime adding;
        QString clash;  // the time the message names, empty when accepted
    };
    const Case cases[] = {
        {QTime(10, 1), P("10:00:00")},      {QTime(10, 2), QString()},
        {QTime(9, 58, 1), P("10:00:00")},   {QTime(9, 58), QString()},
        {QTime(23, 58, 30), P("23:59:59")},  // an unassigned row counts as 23:59:59
        {QTime(23, 57, 58), QString()},
    };
    for (const Case& c : cases) {
        z.reset();
        unassignedRows();
        const QString listed = writeSet(P("listed.bus"), 1, 0, QTime(10, 0));
        const QString adding = writeSet(P("adding.bus"), 1, 0, c.adding);
        listRow(1, listed, QTime(10, 0));
        startWith(adding);
        select(8);
        z->sequence().SReplaceClick();
        const int row = z->sequence().ListedRow(adding);
        if (c.clash.isEmpty()) {
            EXPECT_TRUE(world.prompter().records().isEmpty()) << TimeText(c.adding).toStdString();
            ASSERT_NE(row, 0) << TimeText(c.adding).toStdString();
            EXPECT_EQ(cells(row),
                      (QStringList{adding, P("DAILY"), TimeText(c.adding), P("N/A"), P("NO")}));
            EXPECT_EQ(z->settings.Sequence[row - 1].BusFile, adding);
        } else {
            EXPECT_EQ(world.prompter().texts(), QStringList{kSpacing.arg(c.clash)})
                << TimeText(c.adding).toStdString();
            EXPECT_EQ(row, 0) << TimeText(c.adding).toStdString();
            EXPECT_EQ(cells(8), kUnassigned);
        }
        EXPECT_TRUE(Armed(*z).isEmpty()) << "every list command stops scheduled work";
    }
}

TEST_F(SequenceListTest, ReplaceAndAddRefuseWhatCannotGoIntoTheSelectedRow) {
    unassignedRows();
    const QString listed = writeSet(P("listed.bus"), 1, 0, QTime(10, 0));
    const QString manual = writeSet(P("manual.bus"), 0, 0, QTime(10, 1));
    // The same file named in other letters is the same set on Windows.
    listRow(1, P("C:\\HARBEX\\LISTED.BUS"), QTime(10, 0));
    THarbexZoDi& c = startWith(listed);
    c.sequence().SReplaceClick();
    EXPECT_EQ(world.prompter().texts(), QStringList{P("Nothing selected")});

    world.prompter().clear();
    select(3);
    c.sequence().SReplaceClick();
    EXPECT_EQ(world.prompter().texts(),
              QStringList{P("Cannot Add: This backupset is already listed")});

    // Add with a set without scheduling: the question; OK switches scheduling on, and a clash
    // after it ends the command without a second message.
    world.prompter().clear();
    world.dialogs().answerNext(manual);
    world.prompter().answerNext(Button::Ok);
    c.sequence().SAddClick();
    ASSERT_EQ(world.prompter().records().size(), 1);
    const PromptRecord& question = world.prompter().records()[0];
    EXPECT_EQ(question.text, kNoScheduling);
    EXPECT_EQ(question.icon, IconKind::Error);
    EXPECT_EQ(question.helpContext, 7);
    EXPECT_EQ(c.busFile(), manual) << "Add makes the chosen set current";
    EXPECT_EQ(c.model.autotype, 1);
    EXPECT_EQ(cells(3), kUnassigned);
    EXPECT_FALSE(c.sequence().SAddEnabled);

    // Cancel in Add's file dialog adds nothing, not even the set that stays current.
    world.prompter().clear();
    const QString spaced = writeSet(P("spaced.bus"), 1, 0, QTime(11, 0));
    c.setBusFile(spaced);
    c.setFile().LoadbackupsetClick(LoadSender::StatusPanel);
    select(3);
    world.dialogs().answerNext(std::nullopt);
    c.sequence().SAddClick();
    EXPECT_EQ(c.sequence().ListedRow(spaced), 0);
    EXPECT_TRUE(world.prompter().records().isEmpty());
}

TEST_F(SequenceListTest, TheActiveCellSwitchesOnlyRowsWithASetFileAndDeleteEmptiesARow) {
    unassignedRows();
    const QString listed = writeSet(P("listed.bus"), 1, 0, QTime(10, 0));
    listRow(1, listed, QTime(10, 0));
    listRow(2, P("C:\\Harbex\\gone.bus"), QTime(11, 0));
    THarbexZoDi& c = startWith(listed);
    for (const int row : {2, 3}) {
        world.prompter().clear();
        c.sequence().SListSelectCell(SequenceList::ActiveCell, row);
        EXPECT_EQ(world.prompter().texts(),
                  QStringList{P("Cannot make undefined backup set Active !!")});
        EXPECT_EQ(c.sequence().cell(row, SequenceList::ActiveCell), P("NO"));
    }
    EXPECT_EQ(c.sequence().ButtonTag, 0) << "the Active column leaves the row buttons alone";
    EXPECT_FALSE(c.sequence().SDeleteEnabled);
    c.sequence().SListSelectCell(SequenceList::ActiveCell, 1);
    EXPECT_EQ(c.sequence().cell(1, SequenceList::ActiveCell), P("YES"));
    EXPECT_TRUE(c.settings.Sequence[0].Active);
    c.sequence().SListSelectCell(SequenceList::ActiveCell, 1);
    EXPECT_FALSE(c.settings.Sequence[0].Active);

    // Delete empties the selected row; the sort moves it behind the row that is left.
    c.sequence().SListSelectCell(SequenceList::On, 1);
    EXPECT_TRUE(c.sequence().SDeleteEnabled);
    c.sequence().SDeleteClick();
    EXPECT_EQ(cells(1)[0], P("C:\\Harbex\\gone.bus"));
    EXPECT_EQ(cells(2), kUnassigned);
    EXPECT_EQ(c.settings.Sequence[1].BusFile, P("UNASSIGNED"));
    EXPECT_FALSE(c.sequence().SDeleteEnabled);
}

TEST_F(SequenceListTest, AutoTimesTheListedSetsDailyAndSkipsRowsWithoutAFile) {
    struct Case {
        QTime start;
        QStringList times;  // rows 1, 2 and 4
    };
    const Case cases[] = {
        {QTime(8, 30), {P("08:30:00"), P("08:34:00"), P("08:38:00")}},
        // The time picker takes no zero time: the midnight slot runs a second later.
        {QTime(23, 56), {P("23:56:00"), P("00:00:01"), P("00:04:00")}},
    };
    for (const Case& k : cases) {
        z.reset();
        unassignedRows();
        const QString one = writeSet(P("one.bus"), 0, 1, QTime(7, 0), 3);
        const QString two = writeSet(P("two.bus"), 1, 2, QTime(7, 10));
        const QString four = writeSet(P("four.bus"), 2, 0, QTime(7, 30));
        listRow(1, one, QTime(7, 0));
        listRow(2, two, QTime(7, 10));
        listRow(3, P("C:\\Harbex\\gone.bus"), QTime(7, 20));
        listRow(4, four, QTime(7, 30));
        THarbexZoDi& c = startWith(one);
        const QStringList row3 = cells(3);
        c.sequence().Autostarttime = k.start;
        c.sequence().AutoSeqBtnClick();
        const QString sets[] = {one, two, four};
        const int rows[] = {1, 2, 4};
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(cells(rows[i]),
                      (QStringList{sets[i], P("DAILY"), k.times[i], P("N/A"), P("YES")}))
                << TimeText(k.start).toStdString();
            const QByteArray text = world.readFile(sets[i]);
            EXPECT_TRUE(text.contains("[SHED]\r\n0\r\n")) << sets[i].toStdString();
            EXPECT_TRUE(text.contains("\r\n" + k.times[i].toLatin1() + "\r\n"))
                << sets[i].toStdString();
            EXPECT_TRUE(text.contains("[AUTO]\r\n1\r\n")) << sets[i].toStdString();
            EXPECT_TRUE(c.settings.Sequence[rows[i] - 1].Active);
        }
        EXPECT_EQ(cells(3), row3);
        EXPECT_EQ(c.busFile(), four) << "the last set timed stays current";
        EXPECT_TRUE(world.prompter().records().isEmpty());
    }
}

TEST_F(SequenceListTest, EditOpensTheScheduleOfTheSelectedRowsSetAndAsksWhenItIsNotScheduled) {
    unassignedRows();
    const QString current = writeSet(P("current.bus"), 1, 0, QTime(7, 30));
    const QString eighth = writeSet(P("eighth.bus"), 1, 0, QTime(11, 0));
    const QString manual = writeSet(P("manual.bus"), 0, 0, QTime(12, 0));
    listRow(8, eighth, QTime(11, 0));
    listRow(7, manual, QTime(12, 0));
    THarbexZoDi& c = startWith(current);
    c.sequence().SEditClick();
    EXPECT_EQ(world.prompter().texts(), QStringList{P("Nothing selected")});

    world.prompter().clear();
    select(8);
    EXPECT_EQ(c.sequence().SEditCaption, P("Edit 8"));
    c.sequence().SEditClick();
    EXPECT_EQ(c.busFile(), eighth);
    EXPECT_EQ(c.model.TimePicker, QTime(11, 0));
    EXPECT_TRUE(c.SinglePageEdit) << "the schedule page opens alone";
    EXPECT_TRUE(world.prompter().records().isEmpty());

    for (const Button answer : {Button::Cancel, Button::Ok}) {
        c.SinglePageEdit = false;
        world.prompter().clear();
        select(7);
        world.prompter().answerNext(answer);
        c.sequence().SEditClick();
        EXPECT_EQ(world.prompter().questions(), QStringList{kNoScheduling});
        EXPECT_EQ(c.busFile(), manual);
        EXPECT_EQ(c.model.autotype, answer == Button::Ok ? 1 : 0);
        EXPECT_FALSE(c.SinglePageEdit) << "the wizard does not open after the question";
    }
}

// Sort orders the rows by their times and the grid's texts are read back into the records, also
// where the user's formats have 12 hours and two-digit years: as text, "10:00:00 AM" comes before
// "9:00:00 AM", and "12/31/99" reads back as 2099.
TEST_F(SequenceListTest, SortOrdersByTimeAndKeepsYearsInTwelveHourAndTwoDigitYearFormats) {
    SetUserFormats(P("M/d/yy"), P("h:mm:ss AP"));
    unassignedRows();
    const QString listed = writeSet(P("listed.bus"), 1, 0, QTime(10, 0));
    struct Row {
        int row;
        QTime at;
        QDate yearly;  // null for a daily row
    };
    const Row rows[] = {{1, QTime(13, 0), QDate(1999, 12, 31)},
                        {3, QTime(10, 0), QDate()},
                        {4, QTime(9, 0), QDate(2100, 3, 1)}};
    for (const Row& r : rows) {
        listRow(r.row, listed, r.at);
        if (!r.yearly.isValid()) continue;
        world.setSetting(P("SHType") + QString::number(r.row - 1), P("3"));
        world.setSetting(P("SD") + QString::number(r.row - 1), r.yearly.toString(P("M/d/yyyy")));
    }
    THarbexZoDi& c = startWith(listed);
    c.sequence().SortBtnClick();
    for (int n = 0; n < 3; ++n) {
        const Row& expected = rows[2 - n];
        EXPECT_EQ(c.settings.Sequence[n].AtTime, expected.at) << n;
        if (expected.yearly.isValid()) EXPECT_EQ(c.settings.Sequence[n].OnDate, expected.yearly);
    }
    EXPECT_EQ(c.settings.Sequence[3].BusFile, P("UNASSIGNED"));
    SetUserFormats(QString(), QString());
}

TEST(SequenceRowTexts, EveryScheduleTypeReadsBackIntoItsRecord) {
    struct Case {
        int shedType, dowSelect, day, month;
        QString on;
    };
    const QDate today(2026, 12, 7);
    const Case cases[] = {
        {0, 0, 1, 0, P("N/A")},
        {1, 2, 1, 0, P("Tuesday")},  // the weekday table's spelling, not the list's "Teusday"
        {2, 0, 15, 0, P("Day 15")},
        {3, 0, 5, 2, P("05/03/2026")},
        {3, 0, 29, 1, P("29/02/2028")},  // the next year that has the day
    };
    SetUserFormats(P("dd/MM/yyyy"), P("HH:mm:ss"));
    for (const Case& c : cases) {
        BackupSetModel model;
        model.ShedType = c.shedType;
        model.DowSelect = c.dowSelect;
        model.DayOfMonth = c.day;
        model.MounthPicker = c.month;
        model.TimePicker = QTime(6, 5, 4);
        const ScheduleRowTexts texts = RowTextsFor(model, today);
        EXPECT_EQ(texts.On, c.on) << c.shedType;
        EXPECT_EQ(texts.At, P("06:05:04"));
    }
    // In a month-first format the yearly day is still read as the day.
    SetUserFormats(P("MM/dd/yyyy"), P("HH:mm:ss"));
    BackupSetModel yearly;
    yearly.ShedType = 3;
    yearly.DayOfMonth = 5;
    yearly.MounthPicker = 2;
    EXPECT_EQ(ParseDateText(RowTextsFor(yearly, today).On), QDate(2026, 3, 5));
    SetUserFormats(QString(), QString());
}

}  // namespace
}  // namespace harbex::test
