#include <gtest/gtest.h>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <climits>

#include "engine/collector.h"
#include "log/runlogbook.h"
#include "schedule/sequencelist.h"
#include "sets/setcommands.h"
#include "sets/setreaderwriter.h"
#include "support/controllerfixture.h"
#include "util/datetimetext.h"

namespace harbex::test {
namespace {

// Removes a folder tree of any depth through file descriptors, where paths would be too long.
void RemoveDeepTree(int parent, const char* name) {
    const int fd = ::openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
    if (fd >= 0) {
        DIR* dir = ::fdopendir(fd);
        while (const dirent* entry = ::readdir(dir)) {
            const std::string child = entry->d_name;
            if (child == "." || child == "..") continue;
            if (entry->d_type == DT_DIR)
                RemoveDeepTree(fd, child.c_str());
            else
                ::unlinkat(fd, child.c_str(), 0);
        }
        ::closedir(dir);
    }
    ::unlinkat(parent, name, AT_REMOVEDIR);
}

class CollectionTest : public ControllerTest {
  protected:
    CollectionTest() {
        THarbexZoDi& c = controller();
        c.settings.ZipTemp = P("C:\\");
        c.settings.Duplicates = true;
    }

    void file(const char* path, const QByteArray& bytes = "data") {
        world.writeFile(P(path), bytes);
    }

    // A set as loaded from its file: its own folders, its filters, nothing added yet.
    void useSet(const QStringList& folders, const QStringList& filters) {
        z->model.DirSource = folders;
        z->model.FilterList = filters;
        z->UserFolderCount = static_cast<int>(folders.size());
    }

    CollectResult collect() { return z->collector().CollectClick(); }

    // Sequencing mode with an active row, so that refreshing the options asks nothing.
    void sequencingWithActiveRow() {
        z->settings.SequencingMode = true;
        z->sequence().InitSequenceGrid();
        z->sequence().setCell(1, SequenceList::ActiveCell, P("YES"));
    }

    // A folder with two sub-folders, one of which has a sub-folder of its own.
    void makeTree() {
        file("C:\\Data\\Top\\top.txt");
        file("C:\\Data\\Top\\X\\x.txt");
        file("C:\\Data\\Top\\Y\\y.txt");
        file("C:\\Data\\Top\\X\\Deep\\deep.txt");
    }
    const QStringList treeFolders = {P("C:\\Data\\Top"), P("C:\\Data\\Top\\X"),
                                     P("C:\\Data\\Top\\Y"), P("C:\\Data\\Top\\X\\Deep")};
};

TEST_F(CollectionTest, BackupListRunsByFilterThenFolderThenNameWithoutRegardToCase) {
    file("C:\\Data\\A\\b.txt");
    file("C:\\Data\\A\\C.txt");
    file("C:\\Data\\A\\a.doc");
    file("C:\\Data\\A\\Z.doc");
    file("C:\\Data\\A\\skip.pdf");
    file("C:\\Data\\B\\D.TXT");
    file("C:\\Data\\B\\a.txt");
    file("C:\\Data\\B\\m.doc");
    useSet({P("C:\\Data\\A"), P("C:\\Data\\B\\")}, {P("*.txt"), P("*.doc")});
    const quint64 waitedBefore = world.waits().totalWaitedMs;

    EXPECT_EQ(collect(), CollectResult::Collected);

    EXPECT_EQ(z->BackupSet, (QStringList{P("C:\\Data\\A\\b.txt"), P("C:\\Data\\A\\C.txt"),
                                         P("C:\\Data\\B\\a.txt"), P("C:\\Data\\B\\D.TXT"),
                                         P("C:\\Data\\A\\a.doc"), P("C:\\Data\\A\\Z.doc"),
                                         P("C:\\Data\\B\\m.doc")}));
    EXPECT_EQ(z->panels[4], P("Collect Finished 7 Files"));
    EXPECT_EQ(z->view.tobackup, P("7 Files to backup"));
    EXPECT_TRUE(z->collectset.isEmpty());
    EXPECT_TRUE(z->DuplicateCopies->isEmpty());
    EXPECT_EQ(world.waits().totalWaitedMs - waitedBefore, 1000u)
        << "one second at the end, and no pause per filter and folder pair";
    EXPECT_TRUE(world.prompter().records().isEmpty());
}

TEST_F(CollectionTest, TheCollectCommandsRunTheCollection) {
    file("C:\\Data\\A\\one.txt");
    useSet({P("C:\\Data\\A")}, {P("*.*")});
    for (const char* command : {"Collect", "CollectFiles"}) {
        z->BackupSet.clear();
        z->commands.action(P(command))->trigger();
        EXPECT_EQ(z->BackupSet, QStringList{P("C:\\Data\\A\\one.txt")}) << command;
    }
}

TEST_F(CollectionTest, EachFolderAndFilterStepShowsProgressAndWrapsTheCheckBar) {
    file("C:\\Data\\A\\one.txt");
    useSet({P("C:\\Data\\A")}, {P("*.txt")});
    QList<int> positions;
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(z->collector().CollectFilterInFolder(0, 0));
        positions << z->view.CheckBar;
    }
    EXPECT_EQ(positions, (QList<int>{10, 20, 30, 0, 10}));
    EXPECT_EQ(z->panels[4], P("Collecting *.txt From C:\\Data\\A"));
    EXPECT_EQ(z->collectset, QStringList(5, P("C:\\Data\\A\\one.txt")));
}

TEST_F(CollectionTest, LaterFilesWithANameSeenBeforeBecomeNumberedCopiesInTheTemporaryFolder) {
    file("C:\\Data\\A\\notes.txt", "from A");
    file("C:\\Data\\B\\notes.txt", "from B");
    file("C:\\Data\\C\\notes.txt", "from C");
    file("C:\\Data\\D\\Notes.TXT", "from D");
    file("C:\\Data\\A\\report.doc", "report A");
    file("C:\\Data\\D\\report.doc", "report D");
    file("C:\\0notes.txt", "stale copy of an earlier run");
    useSet({P("C:\\Data\\A"), P("C:\\Data\\B"), P("C:\\Data\\C"), P("C:\\Data\\D")},
           {P("*.txt"), P("*.doc")});

    ASSERT_EQ(collect(), CollectResult::Collected);

    const QStringList copies = {P("C:\\0notes.txt"), P("C:\\1notes.txt"), P("C:\\2Notes.TXT"),
                                P("C:\\3report.doc")};
    EXPECT_EQ(z->BackupSet, (QStringList{P("C:\\Data\\A\\notes.txt"), copies[0], copies[1],
                                         copies[2], P("C:\\Data\\A\\report.doc"), copies[3]}));
    EXPECT_EQ(*z->DuplicateCopies, copies);
    EXPECT_EQ(world.readFile(copies[0]), "from B");
    EXPECT_EQ(world.readFile(copies[1]), "from C");
    EXPECT_EQ(world.readFile(copies[2]), "from D");
    EXPECT_EQ(world.readFile(copies[3]), "report D");
    EXPECT_EQ(z->view.tobackup, P("6 Files to backup"));

    // A second collection starts the numbering and the list of copies afresh.
    ASSERT_EQ(collect(), CollectResult::Collected);
    EXPECT_EQ(*z->DuplicateCopies, copies);
    EXPECT_EQ(z->BackupSet.size(), 6);
}

TEST_F(CollectionTest, WithoutDuplicateHandlingEveryFileKeepsItsOwnPath) {
    file("C:\\Data\\A\\notes.txt");
    file("C:\\Data\\B\\notes.txt");
    z->settings.Duplicates = false;
    useSet({P("C:\\Data\\A"), P("C:\\Data\\B")}, {P("*.txt")});
    ASSERT_EQ(collect(), CollectResult::Collected);
    EXPECT_EQ(z->BackupSet,
              (QStringList{P("C:\\Data\\A\\notes.txt"), P("C:\\Data\\B\\notes.txt")}));
    EXPECT_TRUE(z->DuplicateCopies->isEmpty());
    EXPECT_FALSE(world.exists(P("C:\\0notes.txt")));
}

TEST_F(CollectionTest, CompressedSetWhoseEngineSearchesSubFoldersListsFolderAndFilterPairs) {
    makeTree();
    file("C:\\Data\\B\\top.txt");
    useSet({P("C:\\Data\\Top"), P("C:\\Data\\B\\")}, {P("*.txt"), P("*.doc;*.rtf")});
    z->model.Zipped = true;
    z->model.RecurseZip = true;
    z->model.Recurse = true;

    ASSERT_EQ(collect(), CollectResult::Collected);

    EXPECT_EQ(z->BackupSet,
              (QStringList{P("C:\\Data\\Top\\*.txt"), P("C:\\Data\\B\\*.txt"),
                           P("C:\\Data\\Top\\*.doc;*.rtf"), P("C:\\Data\\B\\*.doc;*.rtf")}));
    EXPECT_TRUE(z->model.Zipped) << "the engine modules are in the program's folder";
    EXPECT_FALSE(z->model.Recurse) << "the engine's own search replaces the pre-scan";
    EXPECT_EQ(z->model.DirSource, (QStringList{P("C:\\Data\\Top"), P("C:\\Data\\B\\")}));
    EXPECT_TRUE(z->DuplicateCopies->isEmpty()) << "equal names are no duplicates here";
    EXPECT_EQ(z->view.tobackup, P("4 Files to backup"));
}

TEST_F(CollectionTest, AnUncompressedSetHandlesDuplicatesEvenWithTheEngineSearchOptionLeftOn) {
    // The option belongs to the compression engine; files exported without their folders
    // would still overwrite each other.
    file("C:\\Data\\A\\notes.txt", "from A");
    file("C:\\Data\\B\\notes.txt", "from B");
    useSet({P("C:\\Data\\A"), P("C:\\Data\\B")}, {P("*.txt")});
    z->model.Zipped = false;
    z->model.RecurseZip = true;
    ASSERT_EQ(collect(), CollectResult::Collected);
    EXPECT_EQ(z->BackupSet, (QStringList{P("C:\\Data\\A\\notes.txt"), P("C:\\0notes.txt")}));
    EXPECT_EQ(world.readFile(P("C:\\0notes.txt")), "from B");
}

TEST_F(CollectionTest, LookingInSubFoldersAddsEveryLevelAfterTheSetsOwnFolders) {
    makeTree();
    useSet({P("C:\\Data\\Top")}, {P("*.txt")});
    z->model.Recurse = true;

    ASSERT_EQ(collect(), CollectResult::Collected);

    EXPECT_EQ(z->model.DirSource, treeFolders);
    EXPECT_EQ(z->UserFolderCount, 1);
    EXPECT_EQ(z->view.FolderCount, P("4 Folders 3 Levels "));
    EXPECT_EQ(z->BackupSet,
              (QStringList{P("C:\\Data\\Top\\top.txt"), P("C:\\Data\\Top\\X\\x.txt"),
                           P("C:\\Data\\Top\\Y\\y.txt"), P("C:\\Data\\Top\\X\\Deep\\deep.txt")}));
}

TEST_F(CollectionTest, SubFoldersOfEachLevelAreSearchedFromTheLastFolderToTheFirst) {
    file("C:\\Data\\A\\A1\\a.txt");
    file("C:\\Data\\A\\a2\\a.txt");
    file("C:\\Data\\B\\B1\\b.txt");
    useSet({P("C:\\Data\\A"), P("C:\\Data\\B")}, {P("*.txt")});
    z->panels.set(4, P("before"));
    z->collector().ExpandSubfolders();
    EXPECT_EQ(z->panels[4], P("Collecting Folders"));
    EXPECT_EQ(z->model.DirSource,
              (QStringList{P("C:\\Data\\A"), P("C:\\Data\\B"), P("C:\\Data\\B\\B1"),
                           P("C:\\Data\\A\\A1"), P("C:\\Data\\A\\a2")}));
    EXPECT_EQ(z->view.FolderCount, P("5 Folders 2 Levels "));
}

TEST_F(CollectionTest, FoldersWithoutSubFoldersReportOneLevel) {
    file("C:\\Data\\A\\a.txt");
    file("C:\\Data\\B\\b.txt");
    useSet({P("C:\\Data\\A"), P("C:\\Data\\B")}, {P("*.txt")});
    z->collector().ExpandSubfolders();
    EXPECT_EQ(z->model.DirSource, (QStringList{P("C:\\Data\\A"), P("C:\\Data\\B")}));
    EXPECT_EQ(z->view.FolderCount, P("2 Folders 1 Levels "));
}

TEST_F(CollectionTest, ListSubfoldersGivesFullPathsInNameOrder) {
    world.makeFolder(P("C:\\Data\\Top\\beta"));
    world.makeFolder(P("C:\\Data\\Top\\Alpha"));
    world.makeFolder(P("C:\\Data\\Top\\.hidden"));
    file("C:\\Data\\Top\\file.txt");
    file("C:\\Data\\Leaf\\file.txt");
    Collector& c = z->collector();
    EXPECT_EQ(c.ListSubfolders(P("C:\\Data\\Top")),
              (QStringList{P("C:\\Data\\Top\\Alpha"), P("C:\\Data\\Top\\beta")}));
    EXPECT_EQ(c.ListSubfolders(P("C:\\Data\\Top\\")),
              (QStringList{P("C:\\Data\\Top\\Alpha"), P("C:\\Data\\Top\\beta")}));
    EXPECT_TRUE(c.ListSubfolders(P("C:\\Data\\Leaf")).isEmpty());
    EXPECT_TRUE(c.ListSubfolders(P("C:\\Data\\Missing")).isEmpty());
}

TEST_F(CollectionTest, ASetFolderInsideAnotherSetFolderIsKeptOnce) {
    file("C:\\Data\\Sub\\inner.txt");
    file("C:\\Data\\Sub\\Inner\\deep.txt");
    file("C:\\Data\\outer.txt");
    useSet({P("C:\\Data"), P("c:\\data\\sub"), P("C:\\DATA")}, {P("*.txt")});
    z->model.Recurse = true;

    ASSERT_EQ(collect(), CollectResult::Collected);

    EXPECT_EQ(z->model.DirSource,
              (QStringList{P("C:\\Data"), P("c:\\data\\sub"), P("c:\\data\\sub\\Inner")}));
    EXPECT_EQ(z->UserFolderCount, 2) << "the set's own folders, each once";
    EXPECT_EQ(z->BackupSet, (QStringList{P("C:\\Data\\outer.txt"), P("c:\\data\\sub\\inner.txt"),
                                         P("c:\\data\\sub\\Inner\\deep.txt")}));
    EXPECT_TRUE(z->DuplicateCopies->isEmpty()) << "no file is collected twice";
}

TEST_F(CollectionTest, ATrailingBackslashDoesNotMakeASetFolderADifferentFolder) {
    file("C:\\Data\\Sub\\inner.txt");
    file("C:\\Data\\outer.txt");
    useSet({P("C:\\Data"), P("C:\\Data\\Sub\\")}, {P("*.txt")});
    z->model.Recurse = true;

    ASSERT_EQ(collect(), CollectResult::Collected);

    EXPECT_EQ(z->model.DirSource, (QStringList{P("C:\\Data"), P("C:\\Data\\Sub\\")}));
    EXPECT_EQ(z->BackupSet, (QStringList{P("C:\\Data\\outer.txt"), P("C:\\Data\\Sub\\inner.txt")}));
    EXPECT_TRUE(z->DuplicateCopies->isEmpty());
}

TEST_F(CollectionTest, HiddenAndSystemFilesAndHiddenFoldersAreNeverCollected) {
    file("C:\\Data\\A\\visible.txt");
    file("C:\\Data\\A\\.hidden.txt");
    file("C:\\Data\\A\\.secret\\inside.txt");
    file("C:\\Data\\A\\Open\\.profile");
    ASSERT_EQ(mkfifo(world.host(P("C:\\Data\\A\\pipe.txt")).toLocal8Bit().constData(), 0600), 0);
    useSet({P("C:\\Data\\A")}, {P("*.*")});
    z->model.Recurse = true;

    ASSERT_EQ(collect(), CollectResult::Collected);

    EXPECT_EQ(z->model.DirSource, (QStringList{P("C:\\Data\\A"), P("C:\\Data\\A\\Open")}));
    EXPECT_EQ(z->BackupSet, QStringList{P("C:\\Data\\A\\visible.txt")});
}

TEST_F(CollectionTest, ASetWithoutFiltersOrFoldersIsNotCollectedAndKeepsTheOldList) {
    file("C:\\Data\\A\\a.txt");
    const QStringList earlier = {P("C:\\Data\\earlier.txt")};
    z->BackupSet = earlier;

    useSet({P("C:\\Data\\A")}, {});
    EXPECT_EQ(collect(), CollectResult::NothingToCollect);
    useSet({}, {P("*.txt")});
    EXPECT_EQ(collect(), CollectResult::NothingToCollect);
    useSet({}, {});
    EXPECT_EQ(collect(), CollectResult::NothingToCollect);

    EXPECT_EQ(world.prompter().messages(),
              (QStringList{P("Aborting Collect, No filters are specified"),
                           P("Aborting Collect, No Folders are specified"),
                           P("Aborting Collect, No filters are specified")}));
    EXPECT_EQ(z->BackupSet, earlier);
}

TEST_F(CollectionTest, SequencingModeAbortsWithoutAMessage) {
    sequencingWithActiveRow();
    const QStringList earlier = {P("C:\\Data\\earlier.txt")};
    z->BackupSet = earlier;
    useSet({P("C:\\Data\\A")}, {});
    EXPECT_EQ(collect(), CollectResult::NothingToCollect);
    useSet({}, {P("*.txt")});
    EXPECT_EQ(collect(), CollectResult::NothingToCollect);
    EXPECT_TRUE(world.prompter().records().isEmpty());
    EXPECT_EQ(z->BackupSet, earlier);
}

TEST_F(CollectionTest, SequencingWithNoActiveRowAsksOnceAndThenCollects) {
    z->settings.SequencingMode = true;
    file("C:\\Data\\A\\a.txt");
    useSet({P("C:\\Data\\A")}, {P("*.txt")});
    world.prompter().answerNext(Button::Cancel);
    ASSERT_EQ(collect(), CollectResult::Collected);
    EXPECT_EQ(world.prompter().messages(),
              QStringList{P("Action canceled, the sequencing problem still exists")});
    EXPECT_EQ(world.prompter().questions().size(), 1);
    EXPECT_EQ(z->BackupSet, QStringList{P("C:\\Data\\A\\a.txt")});
}

TEST_F(CollectionTest, ADuplicateWhoseCopyCannotBeMadeIsLoggedAndLeftOut) {
    file("C:\\Data\\A\\notes.txt");
    file("C:\\Data\\B\\notes.txt");
    file("C:\\Data\\B\\other.txt");
    z->settings.ZipTemp = P("C:\\NoSuchFolder");
    useSet({P("C:\\Data\\A"), P("C:\\Data\\B")}, {P("*.txt")});

    ASSERT_EQ(collect(), CollectResult::Collected);

    EXPECT_EQ(z->BackupSet, (QStringList{P("C:\\Data\\A\\notes.txt"), P("C:\\Data\\B\\other.txt")}))
        << "neither the missing copy nor the original that would overwrite its namesake";
    EXPECT_TRUE(z->DuplicateCopies->isEmpty());
    const QStringList& log = z->log().RunLog;
    ASSERT_EQ(log.size(), 1);
    EXPECT_TRUE(log[0].startsWith(
        P("Not backed up, the renamed copy could not be made: C:\\Data\\B\\notes.txt (")))
        << log[0].toStdString();
    EXPECT_TRUE(log[0].endsWith(u')'));
    EXPECT_GT(log[0].size(), P("Not backed up, the renamed copy could not be made: "
                               "C:\\Data\\B\\notes.txt ()")
                                 .size())
        << "the reason is named";
    EXPECT_EQ(z->view.tobackup, P("3 Files to backup"));
    EXPECT_TRUE(world.prompter().records().isEmpty());
}

TEST_F(CollectionTest, AFolderThatCannotBeReadStopsTheCollectionWithAMessage) {
    file("C:\\Data\\A\\a.txt");
    const QStringList earlier = {P("C:\\Data\\earlier.txt")};
    z->BackupSet = earlier;
    useSet({P("C:\\Data\\Missing"), P("C:\\Data\\A")}, {P("*.txt")});

    EXPECT_EQ(collect(), CollectResult::FolderUnreadable);

    EXPECT_EQ(world.prompter().messages(),
              QStringList{P("Aborting Collect, unable to read the folder C:\\Data\\Missing (The "
                            "system cannot find the path specified: C:\\Data\\Missing)")});
    EXPECT_EQ(z->BackupSet, earlier);
    EXPECT_TRUE(z->collectset.isEmpty()) << "A's file was collected before the failure";
    EXPECT_TRUE(z->log().RunLog.isEmpty());
}

TEST_F(CollectionTest, ADriveThatIsNotReadyStopsASequencedCollectionWithALogLine) {
    file("C:\\Data\\A\\a.txt");
    world.unmapDrive(u'D');
    sequencingWithActiveRow();
    useSet({P("C:\\Data\\A"), P("D:\\Backup")}, {P("*.txt")});
    z->model.Recurse = true;

    EXPECT_EQ(collect(), CollectResult::FolderUnreadable);

    EXPECT_TRUE(world.prompter().records().isEmpty());
    ASSERT_EQ(z->log().RunLog.size(), 1);
    EXPECT_TRUE(z->log().RunLog[0].startsWith(
        P("Aborting Collect, unable to read the folder D:\\Backup (")));
    EXPECT_TRUE(z->BackupSet.isEmpty());
}

TEST_F(CollectionTest, ExpandingAgainBeforeTheAddedFoldersAreRemovedChangesNothing) {
    makeTree();
    useSet({P("C:\\Data\\Top")}, {P("*.txt")});
    z->model.Recurse = true;

    ASSERT_EQ(collect(), CollectResult::Collected);
    const QStringList firstList = z->BackupSet;
    ASSERT_EQ(collect(), CollectResult::Collected);
    z->collector().ExpandSubfolders();

    EXPECT_EQ(z->model.DirSource, treeFolders);
    EXPECT_EQ(z->UserFolderCount, 1);
    EXPECT_EQ(z->view.FolderCount, P("4 Folders 3 Levels "));
    EXPECT_EQ(z->BackupSet, firstList);
    EXPECT_TRUE(z->DuplicateCopies->isEmpty());

    // Saving keeps only the set's own folder.
    z->setFile().WriteSetText();
    EXPECT_EQ(z->model.DirSource, QStringList{P("C:\\Data\\Top")});
}

TEST_F(CollectionTest, ASetNeverLoadedFromAFileExpandsFromAllItsFolders) {
    makeTree();
    z->model.DirSource = {P("C:\\Data\\Top")};
    z->model.FilterList = {P("*.txt")};
    z->UserFolderCount = 0;
    z->collector().ExpandSubfolders();
    EXPECT_EQ(z->model.DirSource, treeFolders);
    EXPECT_EQ(z->UserFolderCount, 1);
}

TEST_F(CollectionTest, AFolderAddedToTheSetAfterAnExpansionIsExpandedToo) {
    makeTree();
    file("C:\\Data\\Other\\Sub\\o.txt");
    useSet({P("C:\\Data\\Top")}, {P("*.txt")});
    z->collector().ExpandSubfolders();
    // The folder list is edited: the added folders go, a new own folder comes.
    useSet({P("C:\\Data\\Top"), P("C:\\Data\\Other")}, {P("*.txt")});
    z->collector().ExpandSubfolders();
    EXPECT_EQ(z->UserFolderCount, 2);
    EXPECT_EQ(
        z->model.DirSource,
        (QStringList{P("C:\\Data\\Top"), P("C:\\Data\\Other"), P("C:\\Data\\Other\\Sub"),
                     P("C:\\Data\\Top\\X"), P("C:\\Data\\Top\\Y"), P("C:\\Data\\Top\\X\\Deep")}));
}

TEST_F(CollectionTest, LinksToFoldersAreFollowedButEveryRealFolderIsVisitedOnce) {
    file("C:\\Data\\Top\\top.txt");
    file("C:\\Data\\Top\\X\\x.txt");
    file("C:\\Data\\A\\a.txt");
    file("C:\\Data\\B\\b.txt");
    auto link = [this](const char* target, const char* name) {
        ASSERT_TRUE(QFile::link(world.host(P(target)), world.host(P(name)))) << name;
    };
    link("C:\\Data\\Top", "C:\\Data\\Top\\self");  // a loop onto itself
    link("C:\\Data\\Top\\X", "C:\\Data\\Top\\X\\again");
    link("C:\\Data\\B", "C:\\Data\\A\\toB");  // two folders linked both ways
    link("C:\\Data\\A", "C:\\Data\\B\\toA");
    useSet({P("C:\\Data\\Top"), P("C:\\Data\\A")}, {P("*.txt")});
    z->model.Recurse = true;

    ASSERT_EQ(collect(), CollectResult::Collected);

    EXPECT_EQ(z->model.DirSource, (QStringList{P("C:\\Data\\Top"), P("C:\\Data\\A"),
                                               P("C:\\Data\\A\\toB"), P("C:\\Data\\Top\\X")}));
    EXPECT_EQ(z->view.FolderCount, P("4 Folders 2 Levels "));
    EXPECT_EQ(z->BackupSet,
              (QStringList{P("C:\\Data\\Top\\top.txt"), P("C:\\Data\\A\\a.txt"),
                           P("C:\\Data\\A\\toB\\b.txt"), P("C:\\Data\\Top\\X\\x.txt")}));
    EXPECT_TRUE(z->DuplicateCopies->isEmpty()) << "no file is reached twice";
}

TEST_F(CollectionTest, FoundFoldersThatCannotBeReadAreSkippedWithALogLineAndTheRestIsBackedUp) {
    file("C:\\Data\\Top\\top.txt");
    file("C:\\Data\\Top\\Going\\going.txt");
    file("C:\\Data\\Top\\Stays\\stays.txt");
    // A chain of folders deeper than the host allows a path to be.
    const QString deepHost = world.host(P("C:\\Data\\Top"));
    const QString working = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(deepHost));
    const std::string longName(200, 'd');
    QString deepProgram = P("C:\\Data\\Top");
    for (int depth = 0; deepProgram.size() < PATH_MAX + 400; ++depth) {
        ASSERT_EQ(::mkdir(longName.c_str(), 0755), 0);
        ASSERT_EQ(::chdir(longName.c_str()), 0);
        deepProgram += u'\\' + QString::fromStdString(longName);
    }
    QDir::setCurrent(working);
    useSet({P("C:\\Data\\Top")}, {P("*.txt")});
    z->model.Recurse = true;
    // Someone deletes a found folder after the collection found it in its parent and before
    // the collection looks inside it; the collection handles messages in between.
    int handled = 0;
    world.waits().onMessages = [&] {
        if (++handled == 3) QDir(world.host(P("C:\\Data\\Top\\Going"))).removeRecursively();
    };

    ASSERT_EQ(collect(), CollectResult::Collected);

    EXPECT_EQ(z->BackupSet,
              (QStringList{P("C:\\Data\\Top\\top.txt"), P("C:\\Data\\Top\\Stays\\stays.txt")}));
    const QStringList& log = z->log().RunLog;
    ASSERT_EQ(log.size(), 2) << log.join(u'\n').toStdString();
    EXPECT_TRUE(
        log.contains(P("Not backed up, the folder C:\\Data\\Top\\Going was skipped: The "
                       "system cannot find the path specified: C:\\Data\\Top\\Going")));
    EXPECT_TRUE(std::any_of(log.begin(), log.end(), [](const QString& line) {
        return line.endsWith(P(" was skipped: its path is longer than this system allows"));
    })) << log.join(u'\n').toStdString();
    EXPECT_TRUE(world.prompter().records().isEmpty()) << "nothing stops for a question";
    RemoveDeepTree(
        AT_FDCWD,
        QFile::encodeName(deepHost + u'/' + QString::fromStdString(longName)).constData());
}

TEST_F(CollectionTest, TheTemporaryFolderIsNeverCollected) {
    z->settings.ZipTemp = P("C:\\Data\\Tmp");
    file("C:\\Data\\notes.txt", "from Data");
    file("C:\\Data\\Sub\\notes.txt", "from Sub");
    file("C:\\Data\\Tmp\\0notes.txt", "copy of the last run");
    file("C:\\Data\\Tmp\\Inner\\inner.txt");
    const QString skippedLine =
        P("Not backed up, the folder C:\\Data\\Tmp was skipped: it is the temporary folder");
    useSet({P("C:\\Data")}, {P("*.txt")});
    z->model.Recurse = true;

    ASSERT_EQ(collect(), CollectResult::Collected);

    EXPECT_EQ(z->BackupSet,
              (QStringList{P("C:\\Data\\notes.txt"), P("C:\\Data\\Tmp\\0notes.txt")}));
    EXPECT_EQ(world.readFile(P("C:\\Data\\Tmp\\0notes.txt")), "from Sub");
    EXPECT_EQ(z->log().RunLog, QStringList{skippedLine});

    // Named by the set itself: its files are left out all the same.
    z->log().RunLog.clear();
    useSet({P("c:\\data\\tmp\\")}, {P("*.*")});
    z->model.Recurse = false;
    ASSERT_EQ(collect(), CollectResult::Collected);
    EXPECT_TRUE(z->BackupSet.isEmpty());
    EXPECT_EQ(z->log().RunLog,
              QStringList{P("Not backed up, the folder c:\\data\\tmp\\ was skipped: it is the "
                            "temporary folder")});
}

TEST_F(CollectionTest, NamesWithoutAPathFormAreReportedAndTrailingBlanksAreKept) {
    file("C:\\Data\\A\\notes.txt ", "with blank");
    file("C:\\Data\\A\\notes.txt", "without");
    file("C:\\Data\\A\\a\\b.txt", "the real a\\b.txt");
    QFile odd(world.host(P("C:\\Data\\A")) + P("/a\\b.txt"));
    ASSERT_TRUE(odd.open(QIODevice::WriteOnly));
    odd.write("a name with a backslash");
    odd.close();
    QDir().mkpath(world.host(P("C:\\Data\\A")) + P("/x\\y"));
    useSet({P("C:\\Data\\A")}, {P("*")});
    z->settings.Duplicates = false;
    z->model.Recurse = true;

    ASSERT_EQ(collect(), CollectResult::Collected);

    EXPECT_EQ(z->BackupSet, (QStringList{P("C:\\Data\\A\\notes.txt"), P("C:\\Data\\A\\notes.txt "),
                                         P("C:\\Data\\A\\a\\b.txt")}));
    EXPECT_EQ(world.readFile(z->BackupSet[1]), "with blank");
    EXPECT_EQ(world.readFile(z->BackupSet[2]), "the real a\\b.txt");
    EXPECT_EQ(z->log().RunLog,
              (QStringList{P("Not backed up, the folder \"x\\y\" in C:\\Data\\A has a backslash "
                             "in its name"),
                           P("Not backed up, the file \"a\\b.txt\" in C:\\Data\\A has a "
                             "backslash in its name")}));
}

TEST_F(CollectionTest, AnUncompressedSetKeepsItsSubFoldersWhateverTheEngineOptionSays) {
    makeTree();
    useSet({P("C:\\Data\\Top")}, {P("*.txt")});
    z->model.Zipped = false;
    z->model.Recurse = true;
    z->model.RecurseZip = true;
    ASSERT_EQ(collect(), CollectResult::Collected);
    EXPECT_TRUE(z->model.Recurse);
    EXPECT_EQ(z->model.DirSource, treeFolders);
    EXPECT_EQ(z->BackupSet.size(), 4);
}

TEST_F(CollectionTest, SubFoldersAreOrderedWithoutRegardToCase) {
    for (const char* name : {"C:\\Data\\Top\\beta", "C:\\Data\\Top\\Alpha", "C:\\Data\\Top\\alpha2",
                             "C:\\Data\\Top\\Gamma"})
        world.makeFolder(P(name));
    EXPECT_EQ(z->collector().ListSubfolders(P("C:\\Data\\Top")),
              (QStringList{P("C:\\Data\\Top\\Alpha"), P("C:\\Data\\Top\\alpha2"),
                           P("C:\\Data\\Top\\beta"), P("C:\\Data\\Top\\Gamma")}));
}

TEST_F(CollectionTest, ClosingDuringACollectionStopsItBetweenTwoFilesAndThenCloses) {
    for (const char* folder : {"C:\\Data\\A", "C:\\Data\\B", "C:\\Data\\C", "C:\\Data\\D"})
        file((QByteArray(folder) + "\\f.txt").constData());
    useSet({P("C:\\Data\\A"), P("C:\\Data\\B"), P("C:\\Data\\C"), P("C:\\Data\\D")}, {P("*.txt")});
    const QStringList earlier = {P("C:\\Data\\earlier.txt")};
    z->BackupSet = earlier;
    prepareCloseDuringRun();
    // The user closes the window; the collection handles that message after its first folder.
    QMetaObject::invokeMethod(
        z.get(), [this] { z->close(); }, Qt::QueuedConnection);

    EXPECT_EQ(collect(), CollectResult::Stopped);

    EXPECT_EQ(z->view.CheckBar, 10) << "no further folder is collected";
    EXPECT_EQ(world.waits().waitCount, 0) << "and no pause waited for";
    EXPECT_EQ(z->BackupSet, earlier);
    const QStringList log = closeOnceTheRunHasReturned();
    ASSERT_GE(log.size(), 4);
    EXPECT_EQ(log[0], P("Collection stopped: Harbex is closing"));
    EXPECT_EQ(log[3], P("Status BACKUPS ABORTED"));
}

}  // namespace
}  // namespace harbex::test
