#include <gtest/gtest.h>

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QToolButton>

#include "browser/browserform.h"
#include "browser/filebrowser.h"
#include "drives/drivetest.h"
#include "engine/backuprun.h"
#include "engine/engines.h"
#include "log/runlogbook.h"
#include "util/datetimetext.h"

namespace harbex::test {
namespace {

const QString kList = P("C:\\Harbex\\mine.brw");

class BrowserTest : public ControllerTest {
  protected:
    BrowserTest() { SetUserFormats(P("dd/MM/yyyy"), P("HH:mm:ss")); }
    ~BrowserTest() override { SetUserFormats(QString(), QString()); }

    // The file list's rows: caption and the three columns.
    static QList<QStringList> rows(const QTreeWidget* list) {
        QList<QStringList> result;
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = list->topLevelItem(i);
            result << QStringList{item->text(0), item->text(1), item->text(2), item->text(3)};
        }
        return result;
    }
    static void select(TBrowser& b, const QStringList& captions) {
        for (int i = 0; i < b.SourceView->topLevelItemCount(); ++i) {
            QTreeWidgetItem* item = b.SourceView->topLevelItem(i);
            item->setSelected(captions.contains(item->text(0)));
        }
    }
    // Shows the browser through the program's own way and lets the action play the user.
    BrowseOutcome browse(std::function<void(TBrowser&)> user) {
        world.dialogs().onNextForm([user](QDialog& form) { user(static_cast<TBrowser&>(form)); });
        return ShowFileBrowser(kList);
    }
};

TEST_F(BrowserTest, FilesShowLowerCaseNamesWholeKilobytesAtLeastOneAndTheModifiedTime) {
    const QDateTime when(QDate(2026, 12, 3), QTime(9, 30, 5));
    const QList<std::pair<const char*, qint64>> files = {
        {"Tiny.TXT", 100}, {"page.txt", 5000},   {"empty.dat", 0},
        {"one.bin", 1024}, {"almost.bin", 2047}, {"big.bin", 3 * 1024 * 1024 + 1}};
    for (const auto& [name, size] : files) {
        world.writeFile(P("C:\\Data\\") + P(name), QByteArray(size, 'x'));
        world.setModified(P("C:\\Data\\") + P(name), when);
    }
    world.makeFolder(P("C:\\Data\\Sub"));
    TBrowser b;
    ASSERT_TRUE(b.openFolder(P("C:\\Data")));
    EXPECT_EQ(b.currentFolder(), P("C:\\Data\\"));
    QMap<QString, QString> sizes;
    for (const QStringList& row : rows(b.SourceView)) {
        sizes[row[0]] = row[1];
        EXPECT_EQ(row[3], P("03/12/2026 09:30:05")) << row[0].toStdString();
    }
    const QMap<QString, QString> expected = {
        {P("tiny.txt"), P("1KB")}, {P("page.txt"), P("4KB")},   {P("empty.dat"), P("1KB")},
        {P("one.bin"), P("1KB")},  {P("almost.bin"), P("1KB")}, {P("big.bin"), P("3072KB")}};
    EXPECT_EQ(sizes, expected) << "sub-folders are in the tree only";
}

TEST_F(BrowserTest, EveryWayOfPickingAddsAFileOnceWithItsFullPathInLowerCase) {
    world.writeFile(P("C:\\Data\\Report.DOC"), QByteArray(3000, 'r'));
    world.writeFile(P("C:\\Data\\notes.txt"), "n");
    world.writeFile(P("C:\\Other\\notes.txt"), "o");
    using Pick = std::function<void(TBrowser&)>;
    const QList<std::pair<const char*, Pick>> ways = {
        {"double click", [](TBrowser& b) { b.SourceViewDblClick(); }},
        {"Select for Backup", [](TBrowser& b) { b.selectforBackup1->trigger(); }},
        {"drop", [](TBrowser& b) { b.DestViewDragDrop(); }},
    };
    for (const auto& [first, pickFirst] : ways)
        for (const auto& [second, pickSecond] : ways) {
            SCOPED_TRACE(std::string(first) + " then " + second);
            TBrowser b;
            ASSERT_TRUE(b.openFolder(P("C:\\DATA")));
            select(b, {P("report.doc")});
            pickFirst(b);
            pickSecond(b);
            ASSERT_EQ(b.DestView->topLevelItemCount(), 1);
            const QStringList row = rows(b.DestView).front();
            EXPECT_EQ(row.mid(0, 2), (QStringList{P("c:\\data\\report.doc"), P("2KB")}));
            EXPECT_EQ(row[3], rows(b.SourceView)[0][3]) << "the columns come along";
        }
    // The same name in another folder is another file; several selected files go in list order.
    TBrowser b;
    ASSERT_TRUE(b.openFolder(P("C:\\Data")));
    select(b, {P("report.doc"), P("notes.txt")});
    b.SourceViewDblClick();
    ASSERT_TRUE(b.openFolder(P("C:\\Other")));
    select(b, {P("notes.txt")});
    b.DestViewDragDrop();
    EXPECT_EQ(b.pickedFiles(), (QStringList{P("c:\\data\\notes.txt"), P("c:\\data\\report.doc"),
                                            P("c:\\other\\notes.txt")}));
    // Dragging is taken from the two file lists only.
    EXPECT_TRUE(b.DestViewDragOver(b.SourceView));
    EXPECT_TRUE(b.DestViewDragOver(b.DestView));
    EXPECT_FALSE(b.DestViewDragOver(b.TreeView1));
    EXPECT_FALSE(b.DestViewDragOver(nullptr));
    // Remove Selection takes the selected entry out, and nothing without a selection.
    b.DestView->topLevelItem(1)->setSelected(true);
    b.RemoveSelection1->trigger();
    b.RemoveSelection1->trigger();
    EXPECT_EQ(b.pickedFiles(), (QStringList{P("c:\\data\\notes.txt"), P("c:\\other\\notes.txt")}));
    // A double click with nothing selected picks nothing.
    b.SourceView->clearSelection();
    b.ToolButton2->click();  // Clear All
    b.SourceViewDblClick();
    EXPECT_EQ(b.DestView->topLevelItemCount(), 0);
}

TEST_F(BrowserTest, OnlyDoneAcceptsWhateverWasPicked) {
    world.writeFile(P("C:\\Data\\a.txt"), "a");
    using Close = std::function<void(TBrowser&)>;
    const QList<std::tuple<const char*, Close, bool>> closes = {
        {"Done", [](TBrowser& b) { b.ToolButton3->click(); }, true},
        {"Cancel", [](TBrowser& b) { b.CancelButton->click(); }, false},
        {"close box", [](TBrowser& b) { b.close(); }, false},
        {"Escape", [](TBrowser& b) { b.reject(); }, false},
        {"Done, then the close box",
         [](TBrowser& b) {
             b.ToolButton3->click();
             b.close();
         },
         true},
    };
    for (const auto& [name, close, accepted] : closes) {
        SCOPED_TRACE(name);
        const BrowseOutcome outcome = browse([&close](TBrowser& b) {
            ASSERT_TRUE(b.openFolder(P("C:\\Data")));
            b.ToolButton1->click();  // Select All
            b.SourceViewDblClick();
            close(b);
        });
        EXPECT_EQ(outcome.accepted, accepted);
        EXPECT_EQ(outcome.files, QStringList{P("c:\\data\\a.txt")});
    }
}

TEST_F(BrowserTest, AListFileFillsThePickedListAndMarksFilesThatAreGone) {
    world.writeFile(P("C:\\Data\\a.txt"), "a");
    world.writeFile(P("C:\\Data\\b.txt"), "b");
    world.writeFile(P("C:\\Data\\c.txt"), "c");
    struct Case {
        const char* name;
        QByteArray list;
        QList<QStringList> rows;
    };
    const QStringList none = {QString(), QString(), QString()};
    const auto row = [&none](const char* path) { return QStringList{P(path)} + none; };
    const QList<Case> cases = {
        {"three lines",
         "c:\\data\\c.txt\r\nc:\\data\\a.txt\r\nc:\\data\\b.txt\r\n",
         {row("c:\\data\\c.txt"), row("c:\\data\\a.txt"), row("c:\\data\\b.txt")}},
        {"a file that is gone, a blank line, no final line break",
         "c:\\data\\a.txt\r\n\r\nc:\\data\\gone.txt",
         {row("c:\\data\\a.txt"), {P("c:\\data\\gone.txt"), "", P("File not found"), ""}}},
        {"an empty list", "", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        world.writeFile(kList, c.list);
        QList<QStringList> shown;
        QString folder;
        const BrowseOutcome outcome = browse([&shown, &folder](TBrowser& b) {
            shown = rows(b.DestView);
            folder = b.currentFolder();
            b.ToolButton3->click();
        });
        EXPECT_EQ(shown, c.rows);
        // The browser opens where the last picked file that is still there lies.
        EXPECT_EQ(folder, c.rows.isEmpty() ? P("C:\\") : P("C:\\Data\\"));
        QStringList files;
        for (const QStringList& r : c.rows) files << r[0];
        EXPECT_EQ(outcome.files, files);
    }
}

TEST_F(BrowserTest, TheFileListSortsByNameDescendingFirstThenAlternating) {
    for (const char* name : {"b.txt", "A.txt", "c.txt", "B2.txt"})
        world.writeFile(P("C:\\S\\") + P(name), "x");
    TBrowser b;
    ASSERT_TRUE(b.openFolder(P("C:\\S")));
    const auto names = [&b] {
        QStringList list;
        for (const QStringList& row : rows(b.SourceView)) list << row[0];
        return list;
    };
    const QStringList ascending = {P("a.txt"), P("b.txt"), P("b2.txt"), P("c.txt")};
    const QStringList descending(ascending.rbegin(), ascending.rend());
    EXPECT_EQ(names(), ascending) << "a folder is listed by name";
    for (const QStringList& expected : {descending, ascending, descending}) {
        b.SourceView->header()->sectionClicked(2);
        EXPECT_EQ(names(), expected);
    }
}

TEST_F(BrowserTest, ADriveThatIsNotReadyLeavesTheTreeAsItWas) {
    world.makeFolder(P("C:\\Data\\One"));
    world.makeFolder(P("C:\\Data\\Two\\Deeper"));
    world.writeFile(P("\\\\S1\\D\\shared.txt"), "s");
    world.platform().paths->setDrive(u'X', world.root() + P("/no-such-folder"));
    TBrowser b;
    ASSERT_TRUE(b.openFolder(P("C:\\Data")));
    b.TreeView1->currentItem()->setExpanded(true);
    EXPECT_EQ(b.SBar[0]->text(), P("C:\\Data\\ [ 2 subdirectories ]"));
    b.DriveComboBox1->setCurrentIndex(b.DriveComboBox1->findData(P("X:")));
    b.DriveComboBox1Change();
    EXPECT_EQ(world.prompter().messages(), QStringList{P("No Disk in: X:")});
    EXPECT_EQ(b.currentFolder(), P("C:\\Data\\"));
    EXPECT_EQ(b.DriveComboBox1->currentData().toString(), P("C:"));
    EXPECT_EQ(b.TreeView1->topLevelItem(0)->text(0), P("C:"));
    // A network share is a drive of its own.
    b.DriveComboBox1->setCurrentIndex(b.DriveComboBox1->findData(P("\\\\S1\\D")));
    b.DriveComboBox1Change();
    EXPECT_EQ(b.currentFolder(), P("\\\\S1\\D\\"));
    EXPECT_EQ(rows(b.SourceView).value(0).value(0), P("shared.txt"));
}

// ---- the browse step ----

class BrowseStepTest : public BrowserTest {
  protected:
    BrowseStepTest() {
        controller().panels.set(1, P("C:\\Harbex\\mine.bus"));
        world.writeFile(P("C:\\Data\\a.txt"), "a");
        world.writeFile(P("C:\\Data\\B.txt"), "b");
    }
    void pickAllAnd(QToolButton* TBrowser::*button) {
        world.dialogs().onNextForm([button](QDialog& form) {
            auto& b = static_cast<TBrowser&>(form);
            ASSERT_TRUE(b.openFolder(P("C:\\Data")));
            b.ToolButton1Click();
            b.selectforBackup1Click();
            (b.*button)->click();
        });
    }
    void clearAndDone() {
        world.dialogs().onNextForm([](QDialog& form) {
            auto& b = static_cast<TBrowser&>(form);
            b.ClearAll1->trigger();
            b.ToolButton3->click();
        });
    }
};

TEST_F(BrowseStepTest, DoneKeepsThePicksInTheListFileAndTheBackupList) {
    struct Case {
        const char* name;
        int extensions;
        Button answer;  // to the question about browser mode
        int extensionsAfter;
    };
    for (const Case& c :
         {Case{"browser set", 1, Button::None, 1}, Case{"folder set, Yes", 0, Button::Yes, 1},
          Case{"folder set, No", 0, Button::No, 0}}) {
        SCOPED_TRACE(c.name);
        z->model.Extensions = c.extensions;
        z->model.What = 0;
        z->BackupSet = {P("old")};
        if (c.answer != Button::None) world.prompter().answerNext(c.answer);
        pickAllAnd(&TBrowser::ToolButton3);
        z->fileBrowser().FileBrowserBtnClick();
        const QStringList picked = {P("c:\\data\\a.txt"), P("c:\\data\\b.txt")};
        EXPECT_EQ(z->model.Extensions, c.extensionsAfter);
        EXPECT_EQ(z->model.What, c.answer == Button::Yes ? 2 : 0);
        EXPECT_EQ(z->BackupSet, picked);
        EXPECT_TRUE(z->BrowserFilesChosen);
        EXPECT_FALSE(z->BrowserCancelled);
        EXPECT_EQ(world.readFile(kList), "c:\\data\\a.txt\r\nc:\\data\\b.txt\r\n");
        EXPECT_EQ(world.prompter().pendingAnswers(), 0);
    }
}

TEST_F(BrowseStepTest, CancelAfterPickingChangesNothingAndSaysSo) {
    world.writeFile(kList, "c:\\data\\a.txt\r\n");
    z->model.Extensions = 1;
    z->BackupSet = {P("c:\\data\\a.txt")};
    pickAllAnd(&TBrowser::CancelButton);
    z->fileBrowser().FileBrowserBtnClick();
    EXPECT_TRUE(z->BrowserCancelled);
    EXPECT_FALSE(z->BrowserFilesChosen) << "cleared at the start of every browse step";
    EXPECT_EQ(z->BackupSet, QStringList{P("c:\\data\\a.txt")});
    EXPECT_EQ(world.readFile(kList), "c:\\data\\a.txt\r\n");

    // Cancel on the question about browser mode does not show the browser at all.
    z->model.Extensions = 0;
    world.prompter().answerNext(Button::Cancel);
    z->fileBrowser().FileBrowserBtnClick();
    EXPECT_EQ(world.dialogs().formsShown.size(), 1);
}

TEST_F(BrowseStepTest, AnEmptyPickIsAcceptedAsAFolderSetOrBrowsedAgain) {
    world.writeFile(kList, "c:\\data\\a.txt\r\n");
    z->model.Extensions = 1;
    z->BrowserFilesChosen = true;
    z->BackupSet = {P("c:\\data\\a.txt")};
    // Retry, then Cancel in the second browser: the browse counts as cancelled.
    clearAndDone();
    world.prompter().answerNext(Button::Retry);
    pickAllAnd(&TBrowser::CancelButton);
    z->fileBrowser().FileBrowserBtnClick();
    EXPECT_EQ(world.dialogs().formsShown.size(), 2);
    EXPECT_TRUE(z->BrowserCancelled);
    EXPECT_EQ(world.readFile(kList), "c:\\data\\a.txt\r\n");
    // Yes: a folder set with an empty list.
    clearAndDone();
    world.prompter().answerNext(Button::Yes);
    z->fileBrowser().FileBrowserBtnClick();
    EXPECT_FALSE(z->BrowserCancelled);
    EXPECT_FALSE(z->BrowserFilesChosen);
    EXPECT_EQ(z->model.Extensions, 0);
    EXPECT_TRUE(z->BackupSet.isEmpty());
    EXPECT_TRUE(world.exists(kList));
    EXPECT_EQ(world.readFile(kList), "");
}

// ---- the backup of a browser set ----

TEST_F(BrowseStepTest, AListedFileThatIsGoneIsReportedAmongTheFailedExports) {
    MapDrive(world, u'F');
    z->settings.ZipTemp = P("C:\\Temp\\");
    world.makeFolder(P("C:\\Temp"));
    z->panels.set(0, P("Monday"));
    z->model.Extensions = 1;
    z->model.Drivelist = {P("F:")};
    z->model.UseDailyFolders = true;
    z->model.Days.fill(true);
    world.writeFile(kList, "c:\\data\\a.txt\r\nc:\\data\\gone.txt\r\nc:\\data\\b.txt\r\n");
    // Loading a browser set reads the list into the backup list; the run reads it again.
    z->BrowserFilesChosen = true;
    z->model.Nametype = 1;
    z->model.ZipCoreName = P("Office");
    ASSERT_EQ(z->engines().SetupInternalEngine(false), 0);
    for (const bool zipped : {false, true}) {
        SCOPED_TRACE(zipped ? "compressed" : "plain");
        z->model.Zipped = zipped;
        z->log().RunLog.clear();
        z->backupRun().DoAllClick(RunSender::BackupAll);
        const QStringList log = z->log().RunLog;
        const qsizetype fails = log.indexOf(P("Collect set fails list: Files not found 1"));
        ASSERT_GE(fails, 0) << log.join(u'\n').toStdString();
        EXPECT_EQ(log.value(fails + 1), P("1 c:\\data\\gone.txt"));
        EXPECT_EQ(z->collectset, (QStringList{P("Failed exports"), P("c:\\data\\gone.txt")}));
    }
    EXPECT_EQ(world.readFile(P("F:\\Monday\\b.txt")), "b") << "the others are backed up";
    EXPECT_TRUE(world.exists(P("F:\\Monday\\Office.zip")));
}

}  // namespace
}  // namespace harbex::test
