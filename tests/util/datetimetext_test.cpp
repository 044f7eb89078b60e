#include <gtest/gtest.h>

#include "support/world.h"
#include "util/datetimetext.h"
#include "util/weekdays.h"

namespace harbex::test {
namespace {

TEST(DateTimeText, CLocaleUsesDayMonthYearAndTwentyFourHoursWithoutTimeZone) {
    SetUserFormats(QString(), QString());
    EXPECT_EQ(ShortDateFormat(), QStringLiteral("dd/MM/yyyy"));
    EXPECT_EQ(TimeFormat(), QStringLiteral("HH:mm:ss"));
    EXPECT_FALSE(TimeText(QTime(18, 30)).contains(u' '));
    EXPECT_EQ(TimeText(QTime(8, 5, 9)), QStringLiteral("08:05:09"));
    EXPECT_EQ(DateText(QDate(2026, 3, 5)), QStringLiteral("05/03/2026"));
}

TEST(DateTimeText, ParsesLenientlyInTheUsersFieldOrder) {
    SetUserFormats(QStringLiteral("dd/MM/yyyy"), QStringLiteral("HH:mm:ss"));
    EXPECT_EQ(ParseDateText(QStringLiteral("01/01/04")), QDate(2004, 1, 1));
    EXPECT_EQ(ParseDateText(QStringLiteral("5.3.2026")), QDate(2026, 3, 5));
    EXPECT_EQ(ParseDateText(QStringLiteral("31/04/2026")), std::nullopt);
    EXPECT_EQ(ParseDateText(QStringLiteral("junk")), std::nullopt);
    EXPECT_EQ(ParseTimeText(QStringLiteral("12:00:00")), QTime(12, 0));
    EXPECT_EQ(ParseTimeText(QStringLiteral("8:30")), QTime(8, 30));
    EXPECT_EQ(ParseTimeText(QStringLiteral("01:55:09 PM")), QTime(13, 55, 9));
    EXPECT_EQ(ParseTimeText(QStringLiteral("12:10 am")), QTime(0, 10));
    EXPECT_EQ(ParseTimeText(QStringLiteral("1:2:3.4")), QTime(1, 2, 3));
    EXPECT_EQ(ParseTimeText(QStringLiteral("25:00:00")), std::nullopt);
    EXPECT_EQ(ParseTimeText(QStringLiteral("")), std::nullopt);
    SetUserFormats(QStringLiteral("yyyy-MM-dd"), QString());
    EXPECT_EQ(ParseDateText(QStringLiteral("2026-03-05")), QDate(2026, 3, 5));
    SetUserFormats(QString(), QString());
}

TEST(Weekdays, SundayIsOne) {
    EXPECT_EQ(WeekdayNumber(QDate(2026, 12, 6)), 1);  // a Sunday
    EXPECT_EQ(WeekdayNumber(QDate(2026, 12, 12)), 7);
    EXPECT_EQ(WeekdayName(WeekdayNumber(QDate(2026, 12, 7))), QStringLiteral("Monday"));
    EXPECT_EQ(WeekdayName(0), QString());
    EXPECT_EQ(ScheduleTypeWord(3), QStringLiteral("ANNUAL"));
    EXPECT_EQ(MonthName(12), QStringLiteral("December"));
}

}  // namespace
}  // namespace harbex::test
