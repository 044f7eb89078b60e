#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "engine/engines.h"
#include "log/runlogbook.h"
#include "sets/setcommands.h"
#include "support/archives.h"
#include "support/controllerfixture.h"
#include "util/errors.h"

namespace harbex::test {
namespace {

using Entries = QMap<QString, QByteArray>;

class ZipEngineTest : public ControllerTest {
  protected:
    ZipEngineTest() {
        controller();
        world.makeFolder(P("C:\\Temp"));
        EXPECT_EQ(z->engines().SetupInternalEngine(false), 0);
    }
    TZipMaster& zip() { return z->engines().ZipMaster; }

    void add(const QString& archive, const QStringList& specs, TZipMaster::AddOptionSet options) {
        zip().ZipFilename = archive;
        zip().FSpecArgs = specs;
        zip().AddOptions = options;
        zip().AddFiles();
    }
    // unzip -t passes and Python's zipfile reads exactly these entries.
    void expectArchive(const QString& archive, const Entries& expected) {
        const ArchiveCheck check = CheckArchive(world.host(archive));
        EXPECT_TRUE(check.unzipOk) << check.unzipOutput.toStdString();
        Entries hashed;
        for (auto it = expected.cbegin(); it != expected.cend(); ++it)
            hashed.insert(it.key(), Sha(it.value()));
        EXPECT_EQ(check.entries, hashed) << archive.toStdString();
    }
    void file(const char* path, const QByteArray& bytes, const QDateTime& modified) {
        world.writeFile(P(path), bytes);
        world.setModified(P(path), modified);
    }
};

TEST_F(ZipEngineTest, StartUpLoadsBothModulesFromBesideTheProgram) {
    EXPECT_TRUE(zip().ZipLibraryLoaded());
    EXPECT_TRUE(zip().UnzipLibraryLoaded());
    EXPECT_EQ(zip().DLLDirectory(), P("C:\\Programs\\Harbex"));
    EXPECT_EQ(z->view.ZipUtil, P(" Zipmaster"));
    zip().setDLLDirectory(P("C:\\Engines\\\\"));
    EXPECT_EQ(zip().DLLDirectory(), P("C:\\Engines\\")) << "only one backslash is dropped";
    TZipMaster elsewhere;
    elsewhere.setDLLDirectory(P("C:\\Nowhere"));
    EXPECT_FALSE(elsewhere.LoadZipLibrary()) << "not there, and not on the library path";
    elsewhere.ZipFilename = P("C:\\Temp\\x.zip");
    elsewhere.FSpecArgs = {P("C:\\Programs\\Harbex\\Harbex.exe")};
    EXPECT_THROW(elsewhere.AddFiles(), HarbexError);
}

// Add replaces every named entry, Update replaces changed ones and adds new ones, Freshen only
// replaces changed ones. "Changed" is the size or the time the archive keeps.
TEST_F(ZipEngineTest, AddUpdateAndFreshenTreatOldAndNewFilesAsDescribed) {
    const QDateTime morning(QDate(2026, 12, 7), QTime(8, 0, 0));
    const QDateTime noon(QDate(2026, 12, 7), QTime(12, 0, 1));  // an odd second
    struct Case {
        TZipMaster::AddOptionSet options;
        Entries expected;
    };
    const Case cases[] = {
        {{}, {{P("a.txt"), "a version 2"}, {P("b.txt"), "BBBB"}, {P("c.txt"), "new"}}},
        {TZipMaster::AddUpdate,
         {{P("a.txt"), "a version 2"}, {P("b.txt"), "bbbb"}, {P("c.txt"), "new"}}},
        {TZipMaster::AddFreshen, {{P("a.txt"), "a version 2"}, {P("b.txt"), "bbbb"}}},
    };
    for (const Case& c : cases) {
        world.makeFolder(P("C:\\Data"));
        QDir(world.host(P("C:\\Data"))).removeRecursively();
        QFile::remove(world.host(P("C:\\Temp\\set.zip")));
        file("C:\\Data\\a.txt", "a version 1", morning);
        file("C:\\Data\\b.txt", "bbbb", noon);
        add(P("C:\\Temp\\set.zip"), {P("C:\\Data\\a.txt"), P("C:\\Data\\b.txt")}, {});
        // a changes; b gets other bytes of the same size at the same time, so it looks unchanged.
        file("C:\\Data\\a.txt", "a version 2", noon);
        file("C:\\Data\\b.txt", "BBBB", noon);
        file("C:\\Data\\c.txt", "new", noon);
        add(P("C:\\Temp\\set.zip"), {P("C:\\Data\\*.txt")}, c.options);
        expectArchive(P("C:\\Temp\\set.zip"), c.expected);
        EXPECT_FALSE(world.exists(P("C:\\Temp\\set.$$$")));
    }
    // Nothing changed: an update makes nothing and leaves the archive alone.
    const QByteArray before = world.readFile(P("C:\\Temp\\set.zip"));
    add(P("C:\\Temp\\set.zip"), {P("C:\\Data\\a.txt")}, TZipMaster::AddUpdate);
    EXPECT_TRUE(zip().NothingAdded);
    EXPECT_EQ(world.readFile(P("C:\\Temp\\set.zip")), before);
}

TEST_F(ZipEngineTest, FolderNamesAreKeptWhenAskedAndSameNamedFilesNeverOverwriteEachOther) {
    world.writeFile(P("C:\\Data\\top.txt"), "top");
    world.writeFile(P("C:\\Data\\Sub\\Deep\\deep.txt"), "deep");
    world.writeFile(P("C:\\Data\\Sub\\.hidden.txt"), "hidden");
    world.writeFile(P("C:\\Data\\Sub\\skip.doc"), "doc");
    add(P("C:\\Temp\\tree.zip"), {P("C:\\Data\\*.txt")},
        TZipMaster::AddDirNames | TZipMaster::AddRecurseDirs);
    expectArchive(P("C:\\Temp\\tree.zip"),
                  {{P("Data/top.txt"), "top"}, {P("Data/Sub/Deep/deep.txt"), "deep"}});

    world.writeFile(P("C:\\A\\notes.txt"), "from A");
    world.writeFile(P("D:\\B\\notes.txt"), "from B");
    add(P("C:\\Temp\\flat.zip"), {P("C:\\A\\notes.txt"), P("D:\\B\\notes.txt")}, {});
    expectArchive(P("C:\\Temp\\flat.zip"),
                  {{P("notes.txt"), "from A"}, {P("D/B/notes.txt"), "from B"}});
}

TEST_F(ZipEngineTest, SeventyThousandEntriesRoundTripThroughZip64) {
    world.makeFolder(P("C:\\Many"));
    const QString folder = world.host(P("C:\\Many"));
    Entries expected;
    for (int i = 0; i < 70000; ++i) {
        const QString name = QStringLiteral("f%1.txt").arg(i);
        QFile out(folder + u'/' + name);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        const QByteArray bytes = QByteArray::number(i * 7919);
        out.write(bytes);
        expected.insert(name, bytes);
    }
    add(P("C:\\Temp\\many.zip"), {P("C:\\Many\\*.*")}, {});
    expectArchive(P("C:\\Temp\\many.zip"), expected);
}

TEST_F(ZipEngineTest, AFailedAddLeavesThePreviousArchiveAsItWas) {
    world.writeFile(P("C:\\Data\\a.txt"), "a");
    world.writeFile(P("C:\\Temp\\set.zip"), "not a zip archive at all");
    EXPECT_THROW(add(P("C:\\Temp\\set.zip"), {P("C:\\Data\\a.txt")}, {}), HarbexError);
    EXPECT_EQ(world.readFile(P("C:\\Temp\\set.zip")), "not a zip archive at all");
    EXPECT_FALSE(world.exists(P("C:\\Temp\\set.$$$")));

    // Through InternalZip the user is told and the log names the archive; a missing file is
    // logged as not compressed while the rest is archived.
    const ArchiveAttempt failed =
        z->engines().InternalZip({P("C:\\Data\\a.txt")}, P("C:\\Temp\\set.zip"));
    EXPECT_EQ(failed.outcome, ArchiveOutcome::Failed);
    EXPECT_EQ(world.prompter().messages(), QStringList{P("File compression Error")});
    EXPECT_TRUE(z->log().RunLog.last().startsWith(P("File compression Error C:\\Temp\\set.zip: ")));
    const ArchiveAttempt made = z->engines().InternalZip(
        {P("C:\\Data\\a.txt"), P("C:\\Data\\gone.txt")}, P("C:\\Temp\\other.zip"));
    EXPECT_EQ(made.outcome, ArchiveOutcome::Made);
    EXPECT_EQ(z->log().RunLog.last(),
              P("Not compressed: C:\\Data\\gone.txt (The system cannot find the file specified)"));
    expectArchive(P("C:\\Temp\\other.zip"), {{P("a.txt"), "a"}});
}

}  // namespace
}  // namespace harbex::test
