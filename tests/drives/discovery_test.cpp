#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <functional>

#include "drives/drivediscovery.h"
#include "drives/drivelists.h"
#include "log/runlogbook.h"
#include "support/controllerfixture.h"
#include "ui/netwait.h"

namespace harbex::test {
namespace {

QStringList L(std::initializer_list<const char*> items) {
    QStringList list;
    for (const char* item : items) list << QString::fromLatin1(item);
    return list;
}

QByteArray FileText(const QStringList& lines) {
    QByteArray text;
    for (const QString& line : lines) text += line.toLatin1() + "\r\n";
    return text;
}

const QString kListFile = QStringLiteral("C:\\Harbex\\Harbex.nwf");

class DiscoveryTest : public ControllerTest {
  protected:
    DiscoveryTest() { controller(); }
    QByteArray listFile() const { return world.readFile(kListFile); }
    QList<TNetWait*> waitWindows() const {
        QList<TNetWait*> found;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* wait = qobject_cast<TNetWait*>(widget)) found << wait;
        return found;
    }
};

// ---- local discovery ----

struct LocalCase {
    const char* name;
    bool noAB;
    int lastDrive;
    std::function<void(TestWorld&)> prepare;
    QStringList expected;
};

class LocalDiscovery : public DiscoveryTest, public ::testing::WithParamInterface<LocalCase> {};

TEST_P(LocalDiscovery, TriesTheLettersFromTheFirstToTheLastAndKeepsThoseThatAnswer) {
    const LocalCase& c = GetParam();
    if (c.prepare) c.prepare(world);
    z->settings.LocalMode = true;
    z->settings.NoAB = c.noAB;
    z->settings.LastDrive = c.lastDrive;
    z->NetworkList->append(QStringLiteral("OLD:"));
    z->discovery().FindDrives();
    EXPECT_EQ(*z->NetworkList, c.expected);
    EXPECT_EQ(z->NetDrives.items, c.expected);
    EXPECT_EQ(z->NetDrives.text, c.expected.value(0)) << "the first is selected";
    ASSERT_TRUE(world.exists(kListFile)) << "written even when empty";
    EXPECT_EQ(listFile(), FileText(c.expected));
    EXPECT_TRUE(world.prompter().texts().isEmpty());
    EXPECT_GE(world.waits().totalWaitedMs, 2000u);
    EXPECT_FALSE(z->discovery().SLab1Visible || z->discovery().SLab2Visible);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LocalDiscovery,
    ::testing::Values(LocalCase{"CToEWithCAndDMapped", true, 2, nullptr, L({"C:", "D:"})},
                      LocalCase{"LastBeforeFirst", true, -1, nullptr, {}},
                      LocalCase{"AAndBNotIgnored", false, 1,
                                [](TestWorld& w) {
                                    QDir().mkpath(w.root() + QStringLiteral("/A"));
                                    w.platform().paths->setDrive(u'A',
                                                                 w.root() + QStringLiteral("/A"));
                                },
                                L({"A:", "C:", "D:"})},
                      LocalCase{"MappedFolderGone", true, 23,
                                [](TestWorld& w) {
                                    QDir(w.host(QStringLiteral("D:\\"))).removeRecursively();
                                },
                                L({"C:"})}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DiscoveryTest, AMissingListFolderKeepsTheListInMemoryOnly) {
    z->settings.LocalMode = true;
    z->NetworkListFile = QStringLiteral("C:\\Gone\\Harbex.nwf");
    bool labelsShown = false;
    world.prompter().onShow = [this, &labelsShown](const PromptRecord&) {
        labelsShown = z->discovery().SLab1Visible && z->discovery().SLab2Visible;
    };
    z->discovery().FindDrives();
    EXPECT_EQ(
        world.prompter().messages(),
        QStringList{QStringLiteral("Unable to Save Network List file toC:\\Gone\\Harbex.nwf")});
    EXPECT_TRUE(labelsShown) << "the page's please-wait labels stay up during the search";
    EXPECT_EQ(*z->NetworkList, L({"C:"}));
    EXPECT_FALSE(world.exists(QStringLiteral("C:\\Gone")));
}

// ---- network discovery ----

struct NetworkCase {
    const char* name;
    int lastDrive;
    std::function<void(TestWorld&)> prepare;
    QStringList expected;
};

class NetworkDiscovery : public DiscoveryTest, public ::testing::WithParamInterface<NetworkCase> {};

TEST_P(NetworkDiscovery, FindsTheDriveLetterSharesOfEveryServerForReadyLocalDrives) {
    const NetworkCase& c = GetParam();
    if (c.prepare) c.prepare(world);
    z->settings.LastDrive = c.lastDrive;
    z->discovery().FindDrives();
    EXPECT_EQ(*z->NetworkList, c.expected);
    EXPECT_EQ(z->NetDrives.items, c.expected);
    EXPECT_EQ(listFile(), FileText(c.expected));
    EXPECT_TRUE(world.prompter().texts().isEmpty());
}

void MapLocalE(TestWorld& w) {
    QDir().mkpath(w.root() + QStringLiteral("/E"));
    w.platform().paths->setDrive(u'E', w.root() + QStringLiteral("/E"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NetworkDiscovery,
    ::testing::Values(
        NetworkCase{"SharesCAndDOfS1", 1, nullptr, L({R"(\\S1\C)", R"(\\S1\D)"})},
        NetworkCase{"NoLocalD", 1, [](TestWorld& w) { w.unmapDrive(u'D'); }, L({R"(\\S1\C)"})},
        NetworkCase{"ServersInOrderUpToE", 2, MapLocalE,
                    L({R"(\\S1\C)", R"(\\S1\D)", R"(\\S2\E)"})},
        NetworkCase{"NamesInUpperCase", 0,
                    [](TestWorld& w) {
                        QDir().mkpath(w.networkRoot() + QStringLiteral("/s3/c"));
                        QDir().mkpath(w.networkRoot() + QStringLiteral("/s3/notes"));
                    },
                    L({R"(\\S1\C)", R"(\\S3\C)"})},
        NetworkCase{"AShareThatIsAFile", 1,
                    [](TestWorld& w) {
                        QDir(w.networkRoot() + QStringLiteral("/S1/D")).removeRecursively();
                        w.writeFile(QStringLiteral("\\\\S1\\D"), "not a folder");
                    },
                    L({R"(\\S1\C)"})}),
    [](const auto& info) { return std::string(info.param.name); });

// Each plausibility failure shows its error box and leaves the list as it was: the menu command
// writes the previous list again.
struct FaultCase {
    const char* name;
    std::function<void(TestWorld&)> prepare;
    QString text;
    int help;
};

class NetworkFaults : public DiscoveryTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(NetworkFaults, ShowTheirMessageAndKeepThePreviousList) {
    const FaultCase& c = GetParam();
    c.prepare(world);
    *z->NetworkList = L({R"(\\OLD\C)"});
    world.prompter().answerNext(Button::Ok);
    z->discovery().FindMappedDrives1Click();
    ASSERT_EQ(world.prompter().records().size(), 1);
    const PromptRecord& box = world.prompter().records().first();
    EXPECT_EQ(box.text, c.text);
    EXPECT_EQ(box.icon, IconKind::Error);
    EXPECT_EQ(box.buttons, (Buttons{Button::Ok, Button::Help}));
    EXPECT_EQ(box.helpContext, c.help);
    EXPECT_EQ(*z->NetworkList, L({R"(\\OLD\C)"}));
    EXPECT_EQ(listFile(), FileText(L({R"(\\OLD\C)"})));
}

void EmptyNetworkRoot(TestWorld& w) {
    QDir(w.networkRoot()).removeRecursively();
    QDir().mkpath(w.networkRoot());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NetworkFaults,
    ::testing::Values(
        FaultCase{"NothingFound", EmptyNetworkRoot,
                  QStringLiteral("No Network Domains were found\r\nThe network list has not been "
                                 "built.\r\nPlease contact your network administrator."),
                  221},
        FaultCase{"NoNetworkAtAll", [](TestWorld& w) { QDir(w.networkRoot()).removeRecursively(); },
                  QStringLiteral(
                      "An error occured when HARBEX was attempting to \renumerate your network. "
                      "Possible causes for this are\r1. You have Internet Explorer 5.0 "
                      "Installed\r2. There is a problem with your network installation\r3. There "
                      "could be contention between Drive names and or Network Names\rIt is not "
                      "possible to correct this error from within HARBEX\rPlease contact your "
                      "Network administrator\rfor further information on ways to work around "
                      "this problem please click Help"),
                  220},
        FaultCase{"NoServer",
                  [](TestWorld& w) {
                      EmptyNetworkRoot(w);
                      QFile file(w.networkRoot() + QStringLiteral("/README"));
                      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
                  },
                  QStringLiteral("No Network shares were found on your these domains\r\nWORKGROUP "
                                 "\rThe network list has not been built.\r\nPlease contact your "
                                 "network administrator."),
                  222}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DiscoveryTest, FindDrivesAfterAFaultWritesTheFileEmpty) {
    QDir(world.networkRoot()).removeRecursively();
    world.writeFile(kListFile, "\\\\OLD\\C\r\n");
    world.prompter().answerNext(Button::Ok);
    z->discovery().FindDrives();
    EXPECT_TRUE(z->NetworkList->isEmpty());
    EXPECT_TRUE(world.exists(kListFile));
    EXPECT_EQ(listFile(), QByteArray());
}

TEST_F(DiscoveryTest, LoggingTheSearchShowsTheRawLinesAndSkipsTheChecks) {
    QDir(world.networkRoot()).removeRecursively();
    z->settings.LogNetSearch = true;
    *z->NetworkList = L({R"(\\OLD\C)"});
    z->discovery().FindMappedDrives1Click();
    EXPECT_TRUE(world.prompter().texts().isEmpty()) << "not even the open failure is reported";
    EXPECT_EQ(z->log().DiagBox, L({"Open resource error No network is present."}));
    EXPECT_TRUE(z->log().DiagTabVisible);
    EXPECT_TRUE(z->view.OptionsVisible);
    EXPECT_EQ(z->view.OptionsTab, QStringLiteral("Diags"));
    EXPECT_TRUE(z->NetworkList->isEmpty()) << "built from whatever lines there were";

    QDir().mkpath(world.networkRoot() + QStringLiteral("/S1/C"));
    z->discovery().FindMappedDrives1Click();
    EXPECT_EQ(z->log().DiagBox,
              L({"Open resource error No network is present.", "WORKGROUP", R"(\\S1)"}));
    EXPECT_EQ(*z->NetworkList, L({R"(\\S1\C)"}));
}

TEST_F(DiscoveryTest, TheMenuCommandSearchesBehindThePleaseWaitWindow) {
    QDir(world.networkRoot() + QStringLiteral("/S2")).removeRecursively();
    z->settings.LastDrive = 1;
    z->NetDrives.setItems(L({"X:"}));
    z->NetDrives.select(0);
    QStringList shownDuringWait;
    QTimer probe;  // the search handles window messages while it waits for the drives
    QObject::connect(&probe, &QTimer::timeout, [&] {
        for (TNetWait* wait : waitWindows())
            if (wait->isVisible())
                shownDuringWait << wait->windowTitle() + u'|' + wait->findChild<QLabel*>()->text() +
                                       u'|' + QString::number(wait->width()) + u'x' +
                                       QString::number(wait->height());
    });
    probe.start(0);
    z->discovery().FindMappedDrives1Click();
    probe.stop();
    ASSERT_FALSE(shownDuringWait.isEmpty());
    EXPECT_EQ(shownDuringWait.first(),
              QStringLiteral("Harbex|PLEASE WAIT: BUILDING NETWORK LIST|393x50"));
    EXPECT_TRUE(waitWindows().isEmpty()) << "released afterwards";
    EXPECT_EQ(*z->NetworkList, L({R"(\\S1\C)", R"(\\S1\D)"}));
    EXPECT_EQ(z->NetDrives.items, *z->NetworkList);
    EXPECT_EQ(z->NetDrives.index, -1) << "nothing is selected here";
    EXPECT_EQ(listFile(), FileText(*z->NetworkList));
    EXPECT_GE(world.waits().totalWaitedMs, 2000u);
}

TEST_F(DiscoveryTest, TheMenuCommandInLocalModeOnlySaysSo) {
    z->settings.LocalMode = true;
    world.writeFile(kListFile, "D:\r\n");
    *z->NetworkList = L({"D:"});
    z->discovery().FindMappedDrives1Click();
    EXPECT_EQ(
        world.prompter().texts(),
        QStringList{QStringLiteral("Local Mode is active: No network list will be "
                                   "built\rPlease use the options to set the required mode")});
    EXPECT_EQ(listFile(), QByteArray("D:\r\n"));
    EXPECT_EQ(*z->NetworkList, L({"D:"}));
    EXPECT_TRUE(waitWindows().isEmpty());
}

// ---- Local Mode ----

TEST_F(DiscoveryTest, ChangingLocalModeAsksAndOnOkRebuildsTheDriveLists) {
    struct Case {
        bool localMode;
        Button answer;
        QString question;
        bool rebuilt;
    };
    const QList<Case> cases = {
        {true, Button::Cancel,
         QStringLiteral("Local mode is now ON Click OK to rebuild drive lists"), false},
        {false, Button::Ok, QStringLiteral("Local mode is now OFF Click OK to rebuild drive lists"),
         true},
        {true, Button::Ok, QStringLiteral("Local mode is now ON Click OK to rebuild drive lists"),
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.question.toStdString() + (c.rebuilt ? " OK" : " Cancel"));
        world.prompter().clear();
        z->model.Drivelist = L({"Q:"});
        z->model.RemovedList = L({"R:"});
        z->driveLists().refillMirrors();
        *z->NetworkList = L({"OLD:"});
        z->settings.LocalMode = c.localMode;
        world.prompter().answerNext(c.answer);
        z->discovery().LocalModeClick();
        const PromptRecord& asked = world.prompter().records().first();
        EXPECT_EQ(asked.text, c.question);
        EXPECT_EQ(asked.icon, IconKind::Warning);
        EXPECT_EQ(asked.buttons, (Buttons{Button::Ok, Button::Cancel, Button::Help}));
        EXPECT_EQ(asked.helpContext, 224);
        EXPECT_EQ(z->settings.LocalMode, c.localMode) << "the box keeps its new state";
        EXPECT_EQ(z->model.Drivelist.isEmpty(), c.rebuilt);
        EXPECT_EQ(z->model.RemovedList.isEmpty(), c.rebuilt);
        EXPECT_EQ(z->driveLists().ADrives.isEmpty(), c.rebuilt);
        EXPECT_EQ(z->driveLists().DDrives.isEmpty(), c.rebuilt);
        const QStringList found = c.localMode ? L({"C:"}) : L({R"(\\S1\C)"});
        EXPECT_EQ(*z->NetworkList, c.rebuilt ? found : L({"OLD:"}));
    }
}

// ---- start-up ----

TEST_F(DiscoveryTest, StartUpWithoutANetworkSavesTheLocalListBesideTheProgram) {
    z.reset();
    settingsForLaterStart();
    world.network().present = false;
    world.prompter().answerNext(Button::Ok);
    THarbexZoDi& started = start();
    EXPECT_EQ(
        world.prompter().texts().mid(0, 2),
        (QStringList{QStringLiteral("NO LAN DETECTED, Local Mode has been set"),
                     QStringLiteral("Local mode is now ON Click OK to rebuild drive lists")}));
    for (const QString& text : world.prompter().texts())
        EXPECT_FALSE(text.startsWith(QStringLiteral("Unable to Save"))) << text.toStdString();
    EXPECT_TRUE(started.commands.action(QStringLiteral("LocalMode"))->isChecked());
    EXPECT_EQ(listFile(), QByteArray("C:\r\n"));
    EXPECT_EQ(started.NetDrives.items, L({"C:"})) << "read back from the file at the end";
}

TEST_F(DiscoveryTest, AlwaysBuildingTheListAtStartUpOffersEachCandidateOnce) {
    z.reset();
    settingsForLaterStart();
    world.setSetting(QStringLiteral("Reconnect"), QStringLiteral("1"));
    world.setSetting(QStringLiteral("L Drive"), QStringLiteral("1"));
    world.writeFile(kListFile, "\\\\OLD\\C\r\n");
    THarbexZoDi& started = start();
    EXPECT_EQ(started.NetDrives.items, L({R"(\\S1\C)", R"(\\S1\D)"}));
    EXPECT_EQ(started.NetDrives.index, 0);
    EXPECT_EQ(listFile(), FileText(L({R"(\\S1\C)", R"(\\S1\D)"})));
}

TEST_F(DiscoveryTest, AListFileThatIsNotTextIsANetlistError) {
    z.reset();
    settingsForLaterStart();
    world.writeFile(kListFile, QByteArray("C:\r\n\0\1\2", 7));
    THarbexZoDi& started = start();
    EXPECT_TRUE(world.prompter().saw(QStringLiteral("Netlist error")));
    EXPECT_TRUE(started.NetworkList->isEmpty());
    EXPECT_TRUE(started.NetDrives.items.isEmpty());
}

}  // namespace
}  // namespace harbex::test
