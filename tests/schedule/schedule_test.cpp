#include <gtest/gtest.h>

#include "schedule/schedule.h"

namespace harbex {
namespace {

BackupSetModel Scheduled(int type, int dow = 1, int day = 1, int month = 0) {
    BackupSetModel model;
    model.ShedType = type;
    model.DowSelect = dow;
    model.DayOfMonth = day;
    model.MounthPicker = month;
    return model;
}

TEST(Schedule, WeeklyIsDueOnItsWeekdayOnly) {
    const BackupSetModel monday = Scheduled(1, 1);
    EXPECT_TRUE(IsDueOn(monday, QDate(2026, 12, 7)));
    for (int day = 8; day <= 13; ++day) EXPECT_FALSE(IsDueOn(monday, QDate(2026, 12, day)));
    // Item 2 reads "Teusday" and means Tuesday.
    EXPECT_TRUE(IsDueOn(Scheduled(1, 2), QDate(2026, 12, 8)));
}

TEST(Schedule, DaysAMonthDoesNotHaveNeverCome) {
    const BackupSetModel thirtyFirst = Scheduled(2, 1, 31);
    for (int day = 1; day <= 30; ++day) EXPECT_FALSE(IsDueOn(thirtyFirst, QDate(2026, 4, day)));
    EXPECT_TRUE(IsDueOn(thirtyFirst, QDate(2026, 5, 31)));
    const BackupSetModel leapDay = Scheduled(3, 1, 29, 1);
    EXPECT_FALSE(IsDueOn(leapDay, QDate(2027, 2, 28)));
    EXPECT_FALSE(IsDueOn(leapDay, QDate(2027, 3, 1)));
    EXPECT_TRUE(IsDueOn(leapDay, QDate(2028, 2, 29)));
    EXPECT_FALSE(IsDueOn(Scheduled(3, 1, 29, 2), QDate(2028, 2, 29)));
}

TEST(Schedule, DailyIsAlwaysDueAndNoTypeIsNever) {
    EXPECT_TRUE(IsDueOn(Scheduled(0), QDate(2026, 12, 25)));
    EXPECT_FALSE(IsDueOn(Scheduled(-1), QDate(2026, 12, 25)));
}

TEST(Schedule, MinutesUntilDueDropsSecondsAndIsMinusOneOncePassed) {
    EXPECT_EQ(MinutesUntil(QTime(10, 5), QTime(10, 0, 30)), 4);
    EXPECT_EQ(MinutesUntil(QTime(10, 5), QTime(10, 5)), 0);
    EXPECT_EQ(MinutesUntil(QTime(10, 5), QTime(10, 5, 1)), -1);
    EXPECT_EQ(MinutesUntil(QTime(10, 5), QTime(10, 5, 0, 1)), -1);
    EXPECT_EQ(MinutesUntil(QTime(8, 0), QTime(0, 0, 30)), 479);
}

TEST(Schedule, TimeToNextText) {
    EXPECT_EQ(TimeToNextText(125), QStringLiteral("Next Backup due in 2 Hours 5 Mins"));
    EXPECT_EQ(TimeToNextText(60), QStringLiteral("Next Backup due in 1 Hours 0 Mins"));
    EXPECT_EQ(TimeToNextText(4), QStringLiteral("Next Backup due in 4 Minutes"));
    EXPECT_EQ(TimeToNextText(-1), QStringLiteral("Next Backup due in -1 Minutes"));
}

// The box reads as a sentence: which controls show, top to bottom, with their linking words.
TEST(Schedule, TheScheduleBoxShowsTheControlsOfItsType) {
    struct Row {
        int type;
        QString shown;
        QString upper, mid, lower;
        int timeTop;
    };
    const Row rows[] = {
        {0, "UpperText", "at", "", "", 32},
        {1, "UpperText DowSelect MidText", "on", "at", "", 64},
        {2, "UpperText DomPicker Daytype MidText", "on the", "at", "", 64},
        {3, "UpperText DomPicker Daytype MidText MounthPicker Lowertext", "on the", "of", "at", 98},
        {-1, "", "", "", "", 32},
    };
    for (const Row& row : rows) {
        const ScheduleBox box = ScheduleBoxFor(row.type);
        QStringList shown;
        if (box.UpperTextVisible) shown << QStringLiteral("UpperText");
        if (box.DowSelectVisible) shown << QStringLiteral("DowSelect");
        if (box.DomPickerVisible) shown << QStringLiteral("DomPicker");
        if (box.DaytypeVisible) shown << QStringLiteral("Daytype");
        if (box.MidTextVisible) shown << QStringLiteral("MidText");
        if (box.MounthPickerVisible) shown << QStringLiteral("MounthPicker");
        if (box.LowertextVisible) shown << QStringLiteral("Lowertext");
        EXPECT_EQ(shown.join(u' '), row.shown) << row.type;
        EXPECT_EQ(box.UpperText, row.upper) << row.type;
        EXPECT_EQ(box.MidText, row.mid) << row.type;
        EXPECT_EQ(box.Lowertext, row.lower) << row.type;
        EXPECT_EQ(box.Daytype, QStringLiteral("st")) << "whatever the day";
        EXPECT_EQ(box.TimePickerTop, row.timeTop) << row.type;
    }
}

}  // namespace
}  // namespace harbex
