#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/types.h>
#include <QDir>
#include <QFile>

#include "platform/wildcard.h"
#include "support/world.h"

namespace harbex::test {
namespace {

class FileSystemTest : public WorldTest {
  protected:
    QStringList list(const QString& patterns, ListKind kind = ListKind::Files) {
        QStringList names;
        EXPECT_TRUE(Files().list(QStringLiteral("C:\\Src"), patterns, kind, &names));
        return names;
    }
};

TEST(Wildcard, FollowsTheWindowsRules) {
    EXPECT_TRUE(WildcardMatch(QStringLiteral("*.*"), QStringLiteral("README")));
    EXPECT_TRUE(WildcardMatch(QStringLiteral("*.*"), QStringLiteral("a.b.c")));
    EXPECT_TRUE(WildcardMatch(QStringLiteral("*.DOC"), QStringLiteral("letter.doc")));
    EXPECT_FALSE(WildcardMatch(QStringLiteral("*.doc"), QStringLiteral("letter.docx")));
    EXPECT_TRUE(WildcardMatch(QStringLiteral("rep?rt.*"), QStringLiteral("Report.txt")));
    EXPECT_FALSE(WildcardMatch(QStringLiteral("rep?rt.*"), QStringLiteral("reprt.txt")));
    EXPECT_TRUE(WildcardMatch(QStringLiteral("notes.*"), QStringLiteral("notes")));
    EXPECT_TRUE(WildcardMatch(QStringLiteral("*a*b*"), QStringLiteral("xxaYYbzz")));
    EXPECT_FALSE(WildcardMatch(QStringLiteral("*a*b"), QStringLiteral("xxaYYbzz")));
    // A pattern ending in a dot asks for names without an extension.
    EXPECT_TRUE(WildcardMatch(QStringLiteral("*."), QStringLiteral("Makefile")));
    EXPECT_FALSE(WildcardMatch(QStringLiteral("*."), QStringLiteral("make.txt")));
    EXPECT_TRUE(WildcardMatch(QStringLiteral("READ*."), QStringLiteral("readme")));
    EXPECT_FALSE(WildcardMatch(QStringLiteral("READ*."), QStringLiteral("readme.md")));
    EXPECT_EQ(SplitPatterns(QStringLiteral(" *.doc ; *.rtf;")),
              (QStringList{QStringLiteral("*.doc"), QStringLiteral("*.rtf")}));
}

TEST_F(FileSystemTest, ListingMatchesPatternsLeavesOutHiddenAndSpecialEntriesAndSortsByName) {
    for (const char* name : {"b.txt", "A.TXT", "c.doc", "README", "a1.txt", ".hidden.txt"})
        world.writeFile(QStringLiteral("C:\\Src\\") + QString::fromLatin1(name), "x");
    world.makeFolder(QStringLiteral("C:\\Src\\sub.txt"));
    const QString fifo = world.host(QStringLiteral("C:\\Src\\pipe.txt"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QFile::link(QStringLiteral("/nonexistent/target"),
                world.host(QStringLiteral("C:\\Src\\broken.txt")));

    EXPECT_EQ(
        list(QStringLiteral("*.txt")),
        (QStringList{QStringLiteral("A.TXT"), QStringLiteral("a1.txt"), QStringLiteral("b.txt")}));
    EXPECT_EQ(
        list(QStringLiteral("*.*")),
        (QStringList{QStringLiteral("A.TXT"), QStringLiteral("a1.txt"), QStringLiteral("b.txt"),
                     QStringLiteral("c.doc"), QStringLiteral("README")}));
    EXPECT_EQ(list(QStringLiteral("?.txt")),
              (QStringList{QStringLiteral("A.TXT"), QStringLiteral("b.txt")}));
    EXPECT_EQ(list(QStringLiteral("*.doc;readme")),
              (QStringList{QStringLiteral("c.doc"), QStringLiteral("README")}));
    EXPECT_EQ(list(QStringLiteral("*"), ListKind::Folders), QStringList{QStringLiteral("sub.txt")});
}

TEST_F(FileSystemTest, ListingAMissingFolderFailsWithAMessage) {
    QStringList names;
    QString error;
    EXPECT_FALSE(Files().list(QStringLiteral("C:\\Nowhere"), QStringLiteral("*.*"), ListKind::Files,
                              &names, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("C:\\Nowhere")));
}

TEST_F(FileSystemTest, RawSearchIncludesDotEntriesWithTheirAttributes) {
    world.makeFolder(QStringLiteral("C:\\Src\\Sub"));
    world.makeFolder(QStringLiteral("C:\\Src\\.git"));
    world.writeFile(QStringLiteral("C:\\Src\\file.txt"), "x");
    std::vector<DirEntry> entries;
    ASSERT_TRUE(Files().findEntries(QStringLiteral("C:\\Src"), QStringLiteral("*.*"), &entries));
    QStringList names;
    for (const DirEntry& entry : entries) {
        names << entry.name;
        if (entry.name == u".git") {
            EXPECT_TRUE(entry.hidden && entry.directory);
        } else if (entry.name == u"..") {
            EXPECT_TRUE(entry.directory && !entry.hidden);
        } else if (entry.name == u"file.txt") {
            EXPECT_FALSE(entry.directory);
        }
    }
    names.sort();
    EXPECT_EQ(names, (QStringList{QStringLiteral("."), QStringLiteral(".."), QStringLiteral(".git"),
                                  QStringLiteral("Sub"), QStringLiteral("file.txt")}));
}

TEST_F(FileSystemTest, TextLinesEndAtCrLfLoneCrOrLoneLf) {
    world.writeFile(QStringLiteral("C:\\t.txt"), "one\r\ntwo\rthree\nfour\r\n");
    const TextReadResult read = Files().readLines(QStringLiteral("C:\\t.txt"));
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.lines, (QStringList{QStringLiteral("one"), QStringLiteral("two"),
                                       QStringLiteral("three"), QStringLiteral("four")}));
    world.writeFile(QStringLiteral("C:\\e.txt"), "a\r\n\r\nb");
    EXPECT_EQ(Files().readLines(QStringLiteral("C:\\e.txt")).lines,
              (QStringList{QStringLiteral("a"), QString(), QStringLiteral("b")}));
}

TEST_F(FileSystemTest, WesternCodePageTextIsReadAndBinaryFilesAreRefused) {
    world.writeFile(QStringLiteral("C:\\w.txt"),
                    "Gr\xFC\xDF"
                    "e");
    EXPECT_EQ(Files().readLines(QStringLiteral("C:\\w.txt")).lines,
              QStringList{QString::fromUtf8("Grüße")});
    world.writeFile(QStringLiteral("C:\\b.bin"), QByteArray("MZ\0\0\x90", 5));
    const TextReadResult binary = Files().readLines(QStringLiteral("C:\\b.bin"));
    EXPECT_FALSE(binary.ok);
    EXPECT_FALSE(binary.error.isEmpty());
    const TextReadResult missing = Files().readLines(QStringLiteral("C:\\missing.txt"));
    EXPECT_FALSE(missing.ok);
    EXPECT_TRUE(missing.error.contains(QStringLiteral("C:\\missing.txt")));
}

TEST_F(FileSystemTest, WritingReplacesTheWholeFileAndFailsWhenTheFolderIsMissing) {
    world.writeFile(QStringLiteral("C:\\out.txt"), "a much longer old content");
    ASSERT_TRUE(Files().writeText(QStringLiteral("C:\\OUT.TXT"), JoinLinesCrLf({"x", "y"})));
    EXPECT_EQ(world.readFile(QStringLiteral("C:\\out.txt")), "x\r\ny");
    QString error;
    EXPECT_FALSE(
        Files().writeText(QStringLiteral("C:\\No\\Such\\out.txt"), QStringLiteral("x"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(world.exists(QStringLiteral("C:\\No")));
}

TEST_F(FileSystemTest, CopyOverwritesAndCreateFolderMakesOneLevel) {
    world.writeFile(QStringLiteral("C:\\a.txt"), "new");
    world.writeFile(QStringLiteral("D:\\a.txt"), "old and longer");
    ASSERT_TRUE(Files().copyFile(QStringLiteral("C:\\a.txt"), QStringLiteral("D:\\a.txt")));
    EXPECT_EQ(world.readFile(QStringLiteral("D:\\a.txt")), "new");
    QString error;
    EXPECT_FALSE(
        Files().copyFile(QStringLiteral("C:\\gone.txt"), QStringLiteral("D:\\b.txt"), &error));
    EXPECT_FALSE(world.exists(QStringLiteral("D:\\b.txt")));

    EXPECT_TRUE(Files().createFolder(QStringLiteral("D:\\Monday")));
    EXPECT_TRUE(Files().folderExists(QStringLiteral("d:\\MONDAY")));
    EXPECT_FALSE(Files().createFolder(QStringLiteral("D:\\Missing\\Monday")));
    EXPECT_TRUE(Files().deleteFile(QStringLiteral("D:\\A.TXT")));
    EXPECT_FALSE(world.exists(QStringLiteral("D:\\a.txt")));
}

}  // namespace
}  // namespace harbex::test
