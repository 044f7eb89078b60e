#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "commonfiles/search.h"
#include "support/world.h"
#include "util/stringutils.h"

namespace harbex::test {
namespace {

using SL = QStringList;

// The walk's order stated as recursion: a folder's matching files in listing order, then each
// sub-folder's whole result, the sub-folders taken in the reverse of their listing order.
QStringList ExpectedOrder(const QString& folder, const QString& extension) {
    std::vector<DirEntry> entries;
    Files().findEntries(folder, P("*"), &entries);
    QStringList found;
    QStringList subfolders;
    for (const DirEntry& entry : entries) {
        if (entry.name == u"." || entry.name == u"..") continue;
        const QString path = AddBackslash(folder) + entry.name;
        if (entry.directory)
            subfolders.prepend(path);
        else if (entry.name.toUpper().endsWith(extension.toUpper()))
            found << path;
    }
    for (const QString& sub : subfolders) found += ExpectedOrder(sub, extension);
    return found;
}

class SearchTest : public WorldTest {
  protected:
    SearchTest() {
        for (const char* path : {"D:\\a.DOC", "D:\\b.docx", "D:\\doc", "D:\\Top\\t.doc",
                                 "D:\\Top\\Inner\\i.doc", "D:\\Top\\x.txt", "D:\\Other\\o.doc",
                                 "D:\\.hidden\\h.doc", "D:\\Other\\Deeper\\Deepest\\d.Doc"})
            world.writeFile(P(path), "x");
    }
    QStringList errors;
    QStringList results;
};

TEST_F(SearchTest, FindsEveryFileOfTheExtensionInAnyCaseFilesBeforeSubfoldersLastSubfolderFirst) {
    SearchFolderTree(P("D:\\"), P(".doc"), errors, results);

    EXPECT_EQ(QSet<QString>(results.begin(), results.end()),
              QSet<QString>({P("D:\\a.DOC"), P("D:\\Top\\t.doc"), P("D:\\Top\\Inner\\i.doc"),
                             P("D:\\Other\\o.doc"), P("D:\\.hidden\\h.doc"),
                             P("D:\\Other\\Deeper\\Deepest\\d.Doc")}));
    EXPECT_EQ(results, ExpectedOrder(P("D:\\"), P(".doc")));
    EXPECT_TRUE(errors.isEmpty()) << errors.join(u'\n').toStdString();

    results.clear();
    SearchFolderTree(P("D:\\Top"), P(".TXT"), errors, results);
    EXPECT_EQ(results, SL{P("D:\\Top\\x.txt")}) << "no backslash doubled below a folder root";
}

TEST_F(SearchTest, AFolderThatVanishesIsReportedAndTheWalkGoesOn) {
    bool removed = false;
    std::vector<QStringList> found;
    SearchFolderTreeFor(P("D:\\"), {P(".doc")}, errors, found, [&] {
        // Someone deletes a folder after the walk has met it and before it is listed.
        if (!removed && !found.front().isEmpty()) {
            removed = QDir(world.host(P("D:\\Other"))).removeRecursively();
        }
        return true;
    });
    ASSERT_TRUE(removed);
    results = found.front();
    EXPECT_TRUE(results.contains(P("D:\\Top\\t.doc")));
    EXPECT_FALSE(results.contains(P("D:\\Other\\o.doc")));
    EXPECT_EQ(errors, SL{P("FOLDER CANNOT BE OPENED 18: DELETING D:\\Other")});
}

TEST_F(SearchTest, ALinkBackUpTheTreeIsReportedOnceAndNothingIsFoundTwice) {
    ASSERT_TRUE(QFile::link(world.host(P("D:\\Top")), world.host(P("D:\\Top\\Inner\\Loop"))));
    SearchFolderTree(P("D:\\Top"), P(".doc"), errors, results);
    EXPECT_EQ(results.size(), 2);
    EXPECT_EQ(errors, SL{P("DUPLICATE FOLDER ERROR: DELETING D:\\Top\\Inner\\Loop")});
}

TEST_F(SearchTest, AMissingRootIsReportedAndStoppingEndsTheWalk) {
    SearchFolderTree(P("D:\\Nowhere"), P(".doc"), errors, results);
    EXPECT_TRUE(results.isEmpty());
    EXPECT_EQ(errors, SL{P("FOLDER CANNOT BE OPENED 18: DELETING D:\\Nowhere")});
    errors.clear();

    int calls = 0;
    SearchFolderTree(P("D:\\"), P(".doc"), errors, results, [&] { return ++calls < 3; });
    EXPECT_EQ(calls, 3);
    EXPECT_TRUE(results.size() <= 1);
}

TEST_F(SearchTest, OneWalkForSeveralExtensionsFindsWhatAWalkPerExtensionFinds) {
    world.writeFile(P("D:\\Top\\t.TXT"), "x");
    world.writeFile(P("D:\\Other\\o.txt"), "x");
    for (const SL& extensions : {SL{P(".doc"), P(".txt")}, SL{P(".txt"), P(".DOC"), P(".docx")}}) {
        std::vector<QStringList> found;
        SearchTally tally;
        SearchFolderTreeFor(P("D:\\"), extensions, errors, found, {}, &tally);
        ASSERT_EQ(found.size(), static_cast<size_t>(extensions.size()));
        qint64 total = 0;
        for (qsizetype k = 0; k < extensions.size(); ++k) {
            QStringList single;
            SearchFolderTree(P("D:\\"), extensions[k], errors, single);
            EXPECT_EQ(found[static_cast<size_t>(k)], single) << extensions[k].toStdString();
            total += single.size();
        }
        EXPECT_EQ(tally.files, total);
        EXPECT_EQ(tally.folders, 7) << "D:\\ and its six folders, each listed once";
    }
    EXPECT_TRUE(errors.isEmpty());
}

TEST(SearchRootFolder, KeepsADriveRootAndCutsEveryOtherTrailingBackslash) {
    EXPECT_EQ(SearchRootFolder(P("C:\\")), P("C:\\"));
    EXPECT_EQ(SearchRootFolder(P("C:")), P("C:\\"));
    EXPECT_EQ(SearchRootFolder(P("C:\\Data\\")), P("C:\\Data"));
    EXPECT_EQ(SearchRootFolder(P("\\\\S1\\D\\Mail")), P("\\\\S1\\D\\Mail"));
}

}  // namespace
}  // namespace harbex::test
