#include <gtest/gtest.h>

#include "platform/commandline.h"

namespace harbex {
namespace {

QStringList Split(const char* text) {
    return SplitWindowsCommandLine(QString::fromUtf8(text));
}

TEST(CommandLine, SplitsAtBlanksOutsideQuotes) {
    EXPECT_EQ(Split("  C:\\Temp\\Monday.zip   @C:\\Temp\\l.txt "),
              (QStringList{"C:\\Temp\\Monday.zip", "@C:\\Temp\\l.txt"}));
    EXPECT_EQ(Split("-p \"C:\\My Files\\a b.zip\" x"),
              (QStringList{"-p", "C:\\My Files\\a b.zip", "x"}));
    EXPECT_EQ(Split("a\"b c\"d"), QStringList{"ab cd"});
    EXPECT_TRUE(Split("   ").isEmpty());
    EXPECT_EQ(Split("\"\""), QStringList{""});
}

TEST(CommandLine, BackslashesAreLiteralExceptBeforeQuotes) {
    EXPECT_EQ(Split("C:\\Data\\ \\\\S1\\D"), (QStringList{"C:\\Data\\", "\\\\S1\\D"}));
    EXPECT_EQ(Split("a\\\"b"), QStringList{"a\"b"});
    EXPECT_EQ(Split("\"a\\\\\" b"), (QStringList{"a\\", "b"}));
    EXPECT_EQ(Split("\"a\\\\\\\"b\""), QStringList{"a\\\"b"});
    EXPECT_EQ(Split("\"say \"\"hi\"\"\""), QStringList{"say \"hi\""});
}

TEST(CommandLine, ShellCharactersArePlainText) {
    EXPECT_EQ(Split("a;b $HOME `x` |c &d >e"),
              (QStringList{"a;b", "$HOME", "`x`", "|c", "&d", ">e"}));
}

TEST(CommandLine, QuotedArgumentsComeBackWhole) {
    const QStringList arguments{
        "C:\\Temp\\Monday.zip", "C:\\My Docs\\*.doc", "C:\\My Docs\\", "", "a\"b", "tab\there",
        "\\\\S1\\D\\x y\\\\"};
    QString line;
    for (const QString& argument : arguments) line += QuoteArgument(argument) + u' ';
    EXPECT_EQ(SplitWindowsCommandLine(line), arguments) << line.toStdString();
    EXPECT_EQ(QuoteArgument("C:\\Temp\\l.txt"), QString("C:\\Temp\\l.txt")) << "left as it is";
}

}  // namespace
}  // namespace harbex
