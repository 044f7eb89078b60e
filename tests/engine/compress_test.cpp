#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include "engine/archivenames.h"
#include "engine/compressor.h"
#include "engine/engines.h"
#include "log/runlogbook.h"
#include "schedule/sequencelist.h"
#include "sets/setcommands.h"
#include "support/archives.h"
#include "support/controllerfixture.h"
#include "ui/archivesform.h"

namespace harbex::test {
namespace {

using Entries = QMap<QString, QByteArray>;
enum class Engine { Internal, External };

class CompressTest : public ControllerTest {
  protected:
    CompressTest() {
        installUtility();
        world.makeFolder(P("C:\\Temp"));
        for (const char* path : {"C:\\Docs\\Alpha\\a1.txt", "C:\\Docs\\Alpha\\a2.doc",
                                 "C:\\Docs\\Beta\\b1.txt", "C:\\Docs\\Beta\\b2.txt"})
            world.writeFile(P(path), QByteArray("contents of ") + path);
        THarbexZoDi& c = controller();
        c.settings.ZipTemp = P("C:\\Temp\\");
        c.settings.Duplicates = true;
        c.model.Zipped = true;
        c.model.Nametype = 1;
        c.model.ZipCoreName = P("Office");
        c.model.ZipOptions = 1;
        useSet({P("C:\\Docs\\Alpha"), P("C:\\Docs\\Beta")}, {P("*.txt"), P("*.doc")});
    }

    void use(Engine engine) {
        z->settings.internal = engine == Engine::Internal;
        EXPECT_EQ(engine == Engine::Internal ? z->engines().SetupInternalEngine(false)
                                             : z->engines().SetupExternalUtility(false),
                  0);
    }
    void useSet(const QStringList& folders, const QStringList& filters) {
        z->model.DirSource = folders;
        z->model.FilterList = filters;
        z->UserFolderCount = static_cast<int>(folders.size());
    }
    bool compress() { return z->compressor().CompressFiles(); }

    static QByteArray contents(const char* path) { return QByteArray("contents of ") + path; }
    void expectArchive(const QString& archive, const Entries& expected) {
        const ArchiveCheck check = CheckArchive(world.host(archive));
        EXPECT_TRUE(check.unzipOk) << archive.toStdString() << check.unzipOutput.toStdString();
        Entries hashed;
        for (auto it = expected.cbegin(); it != expected.cend(); ++it)
            hashed.insert(it.key(), Sha(it.value()));
        EXPECT_EQ(check.entries, hashed) << archive.toStdString();
    }
    // A utility that records its command line, then behaves as the script says.
    void scriptedUtility(const QByteArray& behaviour) {
        const QString path = world.host(P("C:\\utils\\pkzip.exe"));
        QFile::remove(path);
        world.writeFile(P("C:\\utils\\pkzip.exe"), "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" +
                                                       world.host(P("C:\\Temp")).toUtf8() +
                                                       "/args'\n" + behaviour + "\n");
        QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner);
    }
    QStringList temporaryLeftovers() {
        return QDir(world.host(P("C:\\Temp"))).entryList({P("*.$$$")}, QDir::Files);
    }
    // The user closes the window once the archive is being made: the first time messages are
    // handled while its temporary is there or, when the engine was quicker than any message,
    // right after it was replaced.
    void closeWhileMaking(const QString& archive) {
        closeOnceStarted(archive, world.readFile(archive));
    }
    void closeOnceStarted(const QString& archive, const QByteArray& before) {
        if (temporaryLeftovers().isEmpty() && world.readFile(archive) == before)
            QMetaObject::invokeMethod(
                z.get(), [=, this] { closeOnceStarted(archive, before); }, Qt::QueuedConnection);
        else
            z->close();
    }
};

// Every grouping with both engines: the archives listed in the backup list are the ones made,
// and each holds exactly its files, readable by ordinary zip tools.
TEST_F(CompressTest, EveryGroupingWithBothEnginesMakesReadableArchives) {
    const Entries alphaTxt{{P("a1.txt"), contents("C:\\Docs\\Alpha\\a1.txt")}};
    const Entries betaTxt{{P("b1.txt"), contents("C:\\Docs\\Beta\\b1.txt")},
                          {P("b2.txt"), contents("C:\\Docs\\Beta\\b2.txt")}};
    const Entries alphaDoc{{P("a2.doc"), contents("C:\\Docs\\Alpha\\a2.doc")}};
    auto join = [](std::initializer_list<Entries> parts) {
        Entries all;
        for (const Entries& part : parts) all.insert(part);
        return all;
    };
    // The external utility gets "-p" per filter and keeps the folders.
    auto withFolders = [](const Entries& entries, const char* folder) {
        Entries kept;
        for (auto it = entries.cbegin(); it != entries.cend(); ++it)
            kept.insert(QString::fromLatin1(folder) + it.key(), it.value());
        return kept;
    };
    for (const Engine engine : {Engine::Internal, Engine::External}) {
        const bool external = engine == Engine::External;
        struct Case {
            int zipFiles;
            QList<QPair<QString, Entries>> archives;  // in backup list order
        };
        const Case cases[] = {
            {0, {{P("C:\\Temp\\Office.zip"), join({alphaTxt, betaTxt, alphaDoc})}}},
            {1,
             {{P("C:\\Temp\\Beta.zip"), betaTxt},
              {P("C:\\Temp\\Alpha.zip"), join({alphaTxt, alphaDoc})}}},
            {2,
             {{P("C:\\Temp\\fil1.zip"), external ? withFolders(alphaDoc, "Docs/Alpha/") : alphaDoc},
              {P("C:\\Temp\\fil0.zip"), external ? join({withFolders(alphaTxt, "Docs/Alpha/"),
                                                         withFolders(betaTxt, "Docs/Beta/")})
                                                 : join({alphaTxt, betaTxt})}}},
            {3,
             {{P("C:\\Temp\\Betaf0.zip"), betaTxt},
              {P("C:\\Temp\\Alphf1.zip"), alphaDoc},
              {P("C:\\Temp\\Alphf0.zip"), alphaTxt}}},
        };
        use(engine);
        for (const Case& c : cases) {
            QDir(world.host(P("C:\\Temp"))).removeRecursively();
            world.makeFolder(P("C:\\Temp"));
            z->model.ZipFiles = c.zipFiles;
            ASSERT_TRUE(compress()) << c.zipFiles;
            QStringList listed;
            for (const auto& archive : c.archives) {
                listed << archive.first;
                expectArchive(archive.first, archive.second);
            }
            EXPECT_EQ(z->BackupSet, listed) << c.zipFiles;
            EXPECT_EQ(z->panels[4], P("Proccessed ") + listed.last());
            EXPECT_TRUE(temporaryLeftovers().isEmpty());
        }
        EXPECT_TRUE(world.prompter().records().isEmpty()) << int(engine);
    }
}

TEST_F(CompressTest, AFilterOrFolderWithoutFilesGetsNoArchiveButKeepsItsRow) {
    use(Engine::Internal);
    z->model.FixedOption = 1;  // numbered names
    z->model.ZipFiles = 2;
    useSet({P("C:\\Docs\\Alpha"), P("C:\\Docs\\Beta")}, {P("*.txt"), P("*.doc"), P("*.xls")});
    ASSERT_TRUE(compress());
    EXPECT_EQ(z->BackupSet, QStringList({P("C:\\Temp\\fil1.zip"), P("C:\\Temp\\fil0.zip")}));
    EXPECT_FALSE(world.exists(P("C:\\Temp\\fil2.zip")));

    world.makeFolder(P("C:\\Docs\\Empty"));
    z->model.ZipFiles = 1;
    useSet({P("C:\\Docs\\Alpha"), P("C:\\Docs\\Empty"), P("C:\\Docs\\Beta")}, {P("*.txt")});
    ASSERT_TRUE(compress());
    EXPECT_EQ(z->BackupSet, QStringList({P("C:\\Temp\\fol0.zip"), P("C:\\Temp\\fol2.zip")}));
    expectArchive(P("C:\\Temp\\fol2.zip"), {{P("a1.txt"), contents("C:\\Docs\\Alpha\\a1.txt")}});
}

TEST_F(CompressTest, TheEngineSearchesSubFoldersAndKeepsTheirNames) {
    use(Engine::Internal);
    world.writeFile(P("C:\\Docs\\Alpha\\Sub\\deep.txt"), "deep");
    z->model.RecurseZip = true;
    z->model.Recurse = true;  // the engine's own search replaces the pre-scan
    z->model.ZipFiles = 1;
    ASSERT_TRUE(compress());
    EXPECT_FALSE(z->model.Recurse);
    expectArchive(P("C:\\Temp\\Alpha.zip"),
                  {{P("Docs/Alpha/a1.txt"), contents("C:\\Docs\\Alpha\\a1.txt")},
                   {P("Docs/Alpha/a2.doc"), contents("C:\\Docs\\Alpha\\a2.doc")},
                   {P("Docs/Alpha/Sub/deep.txt"), "deep"}});
}

TEST_F(CompressTest, TheZipOptionsChooseHowTheEngineAdds) {
    use(Engine::Internal);
    z->model.ZipFiles = 3;
    using Z = TZipMaster;
    struct Case {
        int zipOptions;
        bool recurseZip;
        Z::AddOptionSet expected;
    };
    const Case cases[] = {
        {0, false, Z::AddFreshen},
        {1, false, Z::AddUpdate},
        {2, false, {}},
        {1, true, Z::AddUpdate | Z::AddDirNames | Z::AddRecurseDirs},
        {2, true, Z::AddDirNames | Z::AddRecurseDirs},
    };
    for (const Case& c : cases) {
        z->model.ZipOptions = c.zipOptions;
        z->model.RecurseZip = c.recurseZip;
        ASSERT_TRUE(compress());
        EXPECT_EQ(z->engines().ZipMaster.AddOptions, c.expected) << c.zipOptions << c.recurseZip;
    }
    // Freshen on the fresh archives of the first run would have made nothing; the later runs
    // updated them, so the archives are there.
    EXPECT_EQ(z->BackupSet.size(), 3);
}

TEST_F(CompressTest, BrowserChosenFilesGoIntoTheSingleArchiveWithoutCollecting) {
    use(Engine::Internal);
    z->model.Extensions = 1;
    z->BrowserFilesChosen = true;
    z->BackupSet = {P("C:\\Docs\\Beta\\b2.txt"), P("C:\\Docs\\Alpha\\a2.doc")};
    ASSERT_TRUE(compress());
    EXPECT_EQ(z->model.ZipFiles, 0) << "browser sets always make one archive";
    EXPECT_EQ(z->BackupSet, QStringList{P("C:\\Temp\\Office.zip")});
    expectArchive(P("C:\\Temp\\Office.zip"), {{P("b2.txt"), contents("C:\\Docs\\Beta\\b2.txt")},
                                              {P("a2.doc"), contents("C:\\Docs\\Alpha\\a2.doc")}});
}

TEST_F(CompressTest, MessagesThatEndOrSkipTheStep) {
    use(Engine::External);
    ScriptedPrompter& prompter = world.prompter();
    // A temporary folder with a blank: an old utility would fail, so nothing is run.
    world.makeFolder(P("C:\\My Temp"));
    z->settings.ZipTemp = P("C:\\My Temp");
    z->model.ZipFiles = 0;
    EXPECT_FALSE(compress());
    EXPECT_TRUE(prompter.messages().last().startsWith(P("Backup aborted, Specific Name")));
    EXPECT_FALSE(world.exists(P("C:\\My Temp\\Office.zip")));

    // Names for one archive per folder under the single-file option: nothing made, no failure.
    z->settings.ZipTemp = P("C:\\Temp");
    z->model.ZipFiles = 1;
    z->model.FixedOption = 3;
    z->BackupSet = {P("stale")};
    EXPECT_TRUE(compress());
    EXPECT_EQ(prompter.messages().last(), P("Incompatable options Error"));
    EXPECT_TRUE(z->BackupSet.isEmpty());

    // No filters, no folders.
    z->model.FixedOption = 0;
    useSet({P("C:\\Docs\\Alpha")}, {});
    EXPECT_FALSE(compress());
    EXPECT_EQ(prompter.messages().last(),
              P("Aborting Collect & Compress, No filters are specified"));
    useSet({}, {P("*.txt")});
    EXPECT_FALSE(compress());
    EXPECT_EQ(prompter.messages().last(),
              P("Aborting Collect & Compress, No Directorys are specified"));

    // Two filters with the same initial, aborted: no archive, failure.
    useSet({P("C:\\Docs\\Beta")}, {P("b1*.txt"), P("b2*.txt")});
    z->model.ZipFiles = 2;
    prompter.answerNext(Button::Abort);
    EXPECT_FALSE(compress());
    EXPECT_EQ(z->panels[4], P("Operation Aborted"));
    EXPECT_TRUE(QDir(world.host(P("C:\\Temp"))).entryList({P("*.zip")}).isEmpty());
}

TEST_F(CompressTest, NamedArchivesOfTheWrongCountOpenTheNamesWindow) {
    use(Engine::Internal);
    z->model.ZipFiles = 1;
    z->model.FixedOption = 2;
    z->archiveNames().Archives = {{P("0"), P("C:\\Temp\\"), P("only"), P(".zip")}};
    world.prompter().answerNext(Button::Yes);  // name the archives now
    world.dialogs().onNextForm([](QDialog& dialog) {
        auto& form = static_cast<TArchivesForm&>(dialog);
        EXPECT_EQ(form.SBarCount->text(), P("2"));
        form.ExitBtn->click();
    });
    world.prompter().answerNext(Button::No);  // leave without saving the list
    ASSERT_TRUE(compress());
    EXPECT_TRUE(world.prompter().questions().first().startsWith(P("1 2\r")));
    EXPECT_EQ(z->BackupSet, QStringList({P("C:\\Temp\\Beta.zip"), P("C:\\Temp\\Alpha.zip")}));

    // Declined, or the window cancelled: the step fails and makes nothing.
    z->archiveNames().Archives.removeLast();
    world.prompter().answerNext(Button::No);
    EXPECT_FALSE(compress());
    world.prompter().answerNext(Button::Yes);
    world.dialogs().onNextForm(
        [](QDialog& dialog) { static_cast<TArchivesForm&>(dialog).CancelBtn->click(); });
    EXPECT_FALSE(compress());
}

// The utility must end with code 0 and leave its archive; anything else fails the step, and the
// archive under its final name is never replaced by a partial one.
TEST_F(CompressTest, AFailingOrHangingUtilityEndsTheStepWithoutAnArchive) {
    use(Engine::External);
    z->model.ZipFiles = 0;
    world.writeFile(P("C:\\Temp\\Office.zip"), "yesterday's archive");
    struct Case {
        const char* script;
        const char* reason;
        bool previousArchive;
    };
    const Case cases[] = {
        {"exit 3", "pkzip.exe ended with code 3", true},
        {"exec sleep 60", "Timeout has occured", true},
        {"exit 0", "pkzip.exe ended without making the archive", false},
    };
    z->engines().ExternalTimeoutMs = 700;
    for (const Case& c : cases) {
        scriptedUtility(c.script);
        if (!c.previousArchive) QFile::remove(world.host(P("C:\\Temp\\Office.zip")));
        world.prompter().clear();
        EXPECT_FALSE(compress()) << c.script;
        EXPECT_EQ(world.prompter().messages(), QStringList{P("File compression Error")});
        EXPECT_TRUE(z->log().RunLog.last().startsWith(
            P("File compression Error C:\\Temp\\Office.zip: ") + P(c.reason)))
            << z->log().RunLog.last().toStdString();
        EXPECT_EQ(world.readFile(P("C:\\Temp\\Office.zip")),
                  c.previousArchive ? QByteArray("yesterday's archive") : QByteArray());
        EXPECT_EQ(world.exists(P("C:\\Temp\\Office.zip")), c.previousArchive);
        EXPECT_TRUE(temporaryLeftovers().isEmpty());
    }
    // What the utility was given: the temporary archive and the list file, program paths.
    scriptedUtility("exit 3");
    compress();
    EXPECT_EQ(world.readFile(P("C:\\Temp\\args")), "C:\\Temp\\Office.$$$\n@C:\\Temp\\l.txt\n");
    EXPECT_EQ(world.readFile(P("C:\\Temp\\l.txt")),
              "C:\\Docs\\Alpha\\a1.txt\r\nC:\\Docs\\Beta\\b1.txt\r\nC:\\Docs\\Beta\\b2.txt\r\n"
              "C:\\Docs\\Alpha\\a2.doc\r\n");

    // Per filter the parameter text begins with "-p", so that the utility keeps the folders.
    z->model.ZipFiles = 2;
    compress();
    EXPECT_EQ(world.readFile(P("C:\\Temp\\args")), "-p\nC:\\Temp\\fil1.$$$\n@C:\\Temp\\l.txt\n");

    // A missing utility per folder and filter: the step fails too (never a silent success).
    QFile::remove(world.host(P("C:\\utils\\pkzip.exe")));
    z->model.ZipFiles = 3;
    EXPECT_FALSE(compress());
    EXPECT_TRUE(z->BackupSet.isEmpty());
}

// The stand-in utility reads program paths and host paths alike; a host path that lies on no
// drive is refused, never left out of an archive that then passes for complete.
TEST_F(CompressTest, TheStandInUtilityTakesBothKindsOfPathAndRefusesOnesOnNoDrive) {
    use(Engine::External);
    QTemporaryDir outside;
    ASSERT_TRUE(outside.isValid());
    QFile stray(outside.filePath(P("stray.txt")));
    ASSERT_TRUE(stray.open(QIODevice::WriteOnly));
    stray.write("on no drive");
    stray.close();
    const QString archive = P("C:\\Temp\\Mixed.zip");
    const QString list = P("C:\\Temp\\l.txt");
    const QStringList entries = {P("C:\\Docs\\Alpha\\a1.txt"),
                                 world.host(P("C:\\Docs\\Beta\\b1.txt"))};

    EXPECT_EQ(z->engines().ExternalZip(archive, ExternalForm::List, entries, list).outcome,
              ArchiveOutcome::Made);
    expectArchive(archive, {{P("a1.txt"), contents("C:\\Docs\\Alpha\\a1.txt")},
                            {P("b1.txt"), contents("C:\\Docs\\Beta\\b1.txt")}});

    QFile::remove(world.host(archive));
    EXPECT_EQ(
        z->engines()
            .ExternalZip(archive, ExternalForm::List, entries + QStringList{stray.fileName()}, list)
            .outcome,
        ArchiveOutcome::Failed);
    EXPECT_FALSE(world.exists(archive));
    EXPECT_TRUE(temporaryLeftovers().isEmpty());
}

// A utility still working when the program is asked to close is ended at once: its temporary
// archive is removed and the previous archive stays as it was.
TEST_F(CompressTest, ClosingWhileTheUtilityRunsEndsItAndKeepsThePreviousArchive) {
    use(Engine::External);
    z->model.ZipFiles = 0;
    world.writeFile(P("C:\\Temp\\Office.zip"), "yesterday's archive");
    scriptedUtility("exec sleep 60");
    z->engines().ExternalTimeoutMs = 30000;  // a stop that does not work ends as a time-out
    prepareCloseDuringRun();
    closeWhileMaking(P("C:\\Temp\\Office.zip"));

    EXPECT_FALSE(compress());

    EXPECT_TRUE(world.prompter().messages().isEmpty()) << "neither a failure nor a time-out";
    EXPECT_EQ(world.readFile(P("C:\\Temp\\Office.zip")), "yesterday's archive");
    EXPECT_TRUE(temporaryLeftovers().isEmpty());
    EXPECT_TRUE(closeOnceTheRunHasReturned().contains(P("Compression stopped: Harbex is closing")));
}

// A close while the internal engine makes an archive lets that archive finish under its final
// name, starts no further archive, and closes the window once the step has returned.
TEST_F(CompressTest, ClosingDuringTheStepStopsItBetweenTwoArchivesAndThenCloses) {
    use(Engine::Internal);
    z->model.ZipFiles = 1;  // Beta.zip, then Alpha.zip
    z->model.FilterList = {P("*.txt")};
    ASSERT_TRUE(compress());  // yesterday's archives
    world.writeFile(P("C:\\Docs\\Alpha\\a1.txt"), "a1 changed today");
    world.writeFile(P("C:\\Docs\\Beta\\b1.txt"), "b1 changed today");
    prepareCloseDuringRun();
    closeWhileMaking(P("C:\\Temp\\Beta.zip"));

    EXPECT_FALSE(compress());

    expectArchive(P("C:\\Temp\\Beta.zip"), {{P("b1.txt"), "b1 changed today"},
                                            {P("b2.txt"), contents("C:\\Docs\\Beta\\b2.txt")}});
    expectArchive(P("C:\\Temp\\Alpha.zip"), {{P("a1.txt"), contents("C:\\Docs\\Alpha\\a1.txt")}});
    EXPECT_TRUE(temporaryLeftovers().isEmpty());
    EXPECT_TRUE(world.prompter().messages().isEmpty());
    const QStringList log = closeOnceTheRunHasReturned();
    EXPECT_TRUE(log.contains(P("Compression stopped: Harbex is closing")))
        << log.join(u'|').toStdString();
}

}  // namespace
}  // namespace harbex::test
