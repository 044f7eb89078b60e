#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>

#include "drives/drivetest.h"
#include "log/runlogbook.h"
#include "ui/netwait.h"

namespace harbex::test {
namespace {

struct FindCase {
    const char* name;
    bool localMode, noAB;
    int lastDrive;
    Prepare prepare;
    QStringList expected;
};

// Names the case in test names and failure messages rather than dumping its bytes.
void PrintTo(const FindCase& c, std::ostream* out) {
    *out << c.name;
}

class FindDrives : public DriveTest, public ::testing::WithParamInterface<FindCase> {};

TEST_P(FindDrives, ListsTheReachableCandidatesInOrderAndSavesThem) {
    const FindCase& c = GetParam();
    if (c.prepare) c.prepare(world);
    *z->NetworkList = SL{"OLD:"};
    findDrives(c.localMode, c.lastDrive, c.noAB);
    EXPECT_EQ(*z->NetworkList, c.expected);
    EXPECT_EQ(z->NetDrives.items, c.expected);
    EXPECT_EQ(z->NetDrives.text, c.expected.value(0)) << "the first is selected";
    EXPECT_TRUE(world.exists(z->NetworkListFile)) << "written even when empty";
    EXPECT_EQ(listFile(), FileText(c.expected));
    EXPECT_GE(world.waits().totalWaitedMs, 2000u);
    EXPECT_FALSE(discovery().SLab1Visible || discovery().SLab2Visible);
}

void MapA(TestWorld& w) {
    MapDrive(w, u'A');
}
void MapE(TestWorld& w) {
    MapDrive(w, u'E');
}
void RemoveD(TestWorld& w) {
    QDir(w.host("D:\\")).removeRecursively();
}
void UnmapD(TestWorld& w) {
    w.unmapDrive(u'D');
}
void LowerCaseServer(TestWorld& w) {
    QDir().mkpath(w.networkRoot() + "/s3/c");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindDrives,
    ::testing::Values(
        FindCase{"LocalCToE", true, true, 2, nullptr, {"C:", "D:"}},
        FindCase{"LocalLastBeforeFirst", true, true, -1, nullptr, {}},
        FindCase{"LocalWithAAndB", true, false, 1, MapA, {"A:", "C:", "D:"}},
        FindCase{"LocalFolderGone", true, true, 23, RemoveD, {"C:"}},
        FindCase{"NetworkS1CAndD", false, true, 1, nullptr, {R"(\\S1\C)", R"(\\S1\D)"}},
        FindCase{"NetworkNoLocalD", false, true, 1, UnmapD, {R"(\\S1\C)"}},
        FindCase{
            "NetworkServersInOrder", false, true, 2, MapE, {R"(\\S1\C)", R"(\\S1\D)", R"(\\S2\E)"}},
        FindCase{"NetworkUpperCased", false, true, 0, LowerCaseServer, {R"(\\S1\C)", R"(\\S3\C)"}}),
    CaseName);

TEST_F(DriveTest, AMissingListFolderKeepsTheListInMemoryOnly) {
    z->NetworkListFile = "C:\\Gone\\Harbex.nwf";
    world.prompter().onShow = [this](auto&) { EXPECT_TRUE(discovery().SLab1Visible); };
    findDrives(true, 0);
    EXPECT_EQ(world.prompter().texts(),
              SL{"Unable to Save Network List file toC:\\Gone\\Harbex.nwf"});
    EXPECT_EQ(*z->NetworkList, SL{"C:"});
}

// Each plausibility failure shows its error box and leaves the list as it was: the menu command
// writes the previous list again, "Find Drives" (which emptied it first) an empty one.
struct FaultCase {
    const char* name;
    Prepare prepare;
    QString text;
    int help;
};

// Names the case in test names and failure messages rather than dumping its bytes.
void PrintTo(const FaultCase& c, std::ostream* out) {
    *out << c.name;
}

class NetworkFaults : public DriveTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(NetworkFaults, ShowTheirMessageAndKeepTheList) {
    const FaultCase& c = GetParam();
    c.prepare(world);
    *z->NetworkList = SL{R"(\\OLD\C)"};
    world.prompter().answerNext(Button::Ok);
    discovery().FindMappedDrives1Click();
    expectBox(c.text, IconKind::Error, {Button::Ok, Button::Help}, c.help);
    EXPECT_EQ(listFile(), FileText({R"(\\OLD\C)"}));
    world.prompter().answerNext(Button::Ok);
    findDrives(false, 0);
    EXPECT_EQ(listFile(), QByteArray());
}

void EmptyNetworkRoot(TestWorld& w) {
    QDir(w.networkRoot()).removeRecursively();
    QDir().mkpath(w.networkRoot());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NetworkFaults,
    ::testing::Values(
        FaultCase{"NothingFound", EmptyNetworkRoot,
                  "No Network Domains were found\r\nThe network list has not been built.\r\nPlease "
                  "contact your network administrator.",
                  221},
        FaultCase{"NoNetwork", [](TestWorld& w) { QDir(w.networkRoot()).removeRecursively(); },
                  "An error occured when HARBEX was attempting to \renumerate your network. "
                  "Possible causes for this are\r1. You have Internet Explorer 5.0 Installed\r2. "
                  "There is a problem with your network installation\r3. There could be "
                  "contention between Drive names and or Network Names\rIt is not possible to "
                  "correct this error from within HARBEX\rPlease contact your Network "
                  "administrator\rfor further information on ways to work around this problem "
                  "please click Help",
                  220},
        FaultCase{"NoServer",
                  [](TestWorld& w) {
                      EmptyNetworkRoot(w);
                      w.writeFile("\\\\README", "a file, not a server");
                  },
                  "No Network shares were found on your these domains\r\nWORKGROUP \rThe network "
                  "list has not been built.\r\nPlease contact your network administrator.",
                  222}),
    CaseName);

TEST_F(DriveTest, LoggingTheSearchShowsTheRawLinesAndSkipsTheChecks) {
    QDir(world.networkRoot()).removeRecursively();
    z->settings.LogNetSearch = true;
    discovery().FindMappedDrives1Click();
    QDir().mkpath(world.networkRoot() + "/S1/C");
    discovery().FindMappedDrives1Click();
    EXPECT_TRUE(world.prompter().texts().isEmpty()) << "not even the open failure is reported";
    EXPECT_EQ(z->log().DiagBox,
              (SL{"Open resource error No network is present.", "WORKGROUP", R"(\\S1)"}));
    EXPECT_TRUE(z->log().DiagTabVisible);
    EXPECT_EQ(z->view.OptionsTab, "Diags");
    EXPECT_EQ(*z->NetworkList, SL{R"(\\S1\C)"});
}

TEST_F(DriveTest, TheMenuCommandSearchesBehindThePleaseWaitWindow) {
    z->settings.LastDrive = 1;
    z->NetDrives.setItems({"X:"});
    QStringList seen;  // the search handles window messages while it waits for the drives
    auto netWaits = [&seen] {
        int count = 0;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (!qobject_cast<TNetWait*>(w)) continue;
            ++count;
            seen << QStringLiteral("%1|%2|%3x%4")
                        .arg(w->windowTitle(), w->findChild<QLabel*>()->text())
                        .arg(w->width())
                        .arg(w->height());
        }
        return count;
    };
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, netWaits);
    look.start(0);
    discovery().FindMappedDrives1Click();
    look.stop();
    ASSERT_FALSE(seen.isEmpty());
    EXPECT_EQ(seen.first(), "Harbex|PLEASE WAIT: BUILDING NETWORK LIST|393x50");
    EXPECT_EQ(netWaits(), 0) << "released afterwards";
    EXPECT_EQ(z->NetDrives.items, (SL{R"(\\S1\C)", R"(\\S1\D)"}));
    EXPECT_EQ(z->NetDrives.index, -1) << "nothing is selected here";
    EXPECT_EQ(listFile(), FileText(z->NetDrives.items));

    z->settings.LocalMode = true;
    discovery().FindMappedDrives1Click();
    EXPECT_EQ(world.prompter().texts(),
              SL{"Local Mode is active: No network list will be "
                 "built\rPlease use the options to set the required mode"});
    EXPECT_EQ(listFile(), FileText(z->NetDrives.items)) << "the file is not touched";
}

TEST_F(DriveTest, ChangingLocalModeAsksAndRebuildsTheDriveListsOnOk) {
    const QList<std::tuple<bool, Button, const char*, QStringList>> cases = {
        {true, Button::Cancel, "ON", {"OLD:"}},
        {false, Button::Ok, "OFF", {R"(\\S1\C)"}},
        {true, Button::Ok, "ON", {"C:"}},
    };
    for (const auto& [localMode, answer, state, candidates] : cases) {
        SCOPED_TRACE(state);
        world.prompter().clear();
        m().Drivelist = SL{"Q:"};
        m().RemovedList = SL{"R:"};
        lists().refillMirrors();
        *z->NetworkList = SL{"OLD:"};
        z->settings.LocalMode = localMode;
        world.prompter().answerNext(answer);
        discovery().LocalModeClick();
        expectBox(QStringLiteral("Local mode is now %1 Click OK to rebuild drive lists").arg(state),
                  IconKind::Warning, {Button::Ok, Button::Cancel, Button::Help}, 224);
        const bool rebuilt = answer == Button::Ok;
        EXPECT_EQ(m().Drivelist.isEmpty() && m().RemovedList.isEmpty(), rebuilt);
        EXPECT_EQ(lists().ADrives.isEmpty() && lists().DDrives.isEmpty(), rebuilt);
        EXPECT_EQ(*z->NetworkList, candidates);
    }
}

TEST_F(DriveTest, StartUpReadsTheListFileAfterBuildingItWhenAsked) {
    z.reset();
    settingsForLaterStart();
    world.network().present = false;  // Local Mode is set, and its list saved
    world.prompter().answerNext(Button::Ok);
    EXPECT_EQ(start().NetDrives.items, SL{"C:"});
    EXPECT_EQ(world.prompter().texts().mid(0, 2),
              (SL{"NO LAN DETECTED, Local Mode has been set",
                  "Local mode is now ON Click OK to rebuild drive lists"}));
    EXPECT_TRUE(z->commands.action("LocalMode")->isChecked());

    z.reset();
    world.network().present = true;
    world.setSetting("Reconnect", "1");
    world.setSetting("L Drive", "1");
    EXPECT_EQ(start().NetDrives.items, (SL{R"(\\S1\C)", R"(\\S1\D)"})) << "each candidate once";
    EXPECT_EQ(z->NetDrives.index, 0);

    z.reset();
    world.setSetting("Reconnect", "0");
    world.writeFile("C:\\Harbex\\Harbex.nwf", QByteArray("C:\r\n\0\1", 6));
    EXPECT_TRUE(start().NetDrives.items.isEmpty());
    EXPECT_TRUE(world.prompter().saw("Netlist error"));
}

}  // namespace
}  // namespace harbex::test
