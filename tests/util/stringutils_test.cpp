#include <gtest/gtest.h>

#include "util/stringutils.h"
#include "util/utils.h"

namespace harbex {
namespace {

TEST(PadLeft, FillsInFrontUpToTheWidthAndLeavesLongerTextAlone) {
    EXPECT_EQ(PadLeft(QStringLiteral("7"), 2, u'0'), QStringLiteral("07"));
    EXPECT_EQ(PadLeft(QStringLiteral("123"), 2, u'0'), QStringLiteral("123"));
    EXPECT_EQ(PadLeft(QStringLiteral("12"), 2, u'0'), QStringLiteral("12"));
    EXPECT_EQ(PadLeft(QString(), 3, u'x'), QStringLiteral("xxx"));
    EXPECT_EQ(PadLeft(QStringLiteral("5"), 0, u'0'), QStringLiteral("5"));
}

TEST(Backslashes, AddOnlyWhenMissingAndRemoveOnlyOne) {
    EXPECT_EQ(AddBackslash(QStringLiteral("C:")), QStringLiteral("C:\\"));
    EXPECT_EQ(AddBackslash(QStringLiteral("C:\\")), QStringLiteral("C:\\"));
    EXPECT_EQ(AddBackslash(QString()), QStringLiteral("\\"));
    EXPECT_EQ(RemoveBackslash(QStringLiteral("C:\\Data\\\\")), QStringLiteral("C:\\Data\\"));
    EXPECT_EQ(RemoveBackslash(QStringLiteral("C:\\Data")), QStringLiteral("C:\\Data"));
    EXPECT_EQ(RemoveBackslash(QString()), QString());
}

TEST(Flags, AreSetWhenAOneOccursAnywhere) {
    EXPECT_TRUE(FlagIsSet(QStringLiteral("10")));
    EXPECT_TRUE(FlagIsSet(QStringLiteral("x1")));
    EXPECT_FALSE(FlagIsSet(QString()));
    EXPECT_FALSE(FlagIsSet(QStringLiteral("0")));
    EXPECT_FALSE(FlagIsSet(QStringLiteral("yes")));
    EXPECT_EQ(BoolToFlag(true), QStringLiteral("1"));
    EXPECT_EQ(BoolToFlag(false), QStringLiteral("0"));
    EXPECT_EQ(StripSpaces(QStringLiteral(" a b\tc ")), QStringLiteral("ab\tc"));
}

}  // namespace
}  // namespace harbex
