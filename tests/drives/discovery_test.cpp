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
using Prepare = std::function<void(TestWorld&)>;

void MapDrive(TestWorld& w, char16_t letter) {
    const QString folder = w.root() + u'/' + QChar(letter);
    QDir().mkpath(folder);
    w.platform().paths->setDrive(QChar(letter), folder);
}

void EmptyNetworkRoot(TestWorld& w) {
    QDir(w.networkRoot()).removeRecursively();
    QDir().mkpath(w.networkRoot());
}

int NetWaitWindows() {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        count += qobject_cast<TNetWait*>(widget) ? 1 : 0;
    return count;
}

class DiscoveryTest : public ControllerTest {
  protected:
    DiscoveryTest() { controller(); }
    QByteArray listFile() const { return world.readFile(kListFile); }
    void findDrives(bool localMode, int lastDrive, bool noAB = true) {
        z->settings.LocalMode = localMode;
        z->settings.LastDrive = lastDrive;
        z->settings.NoAB = noAB;
        z->discovery().FindDrives();
    }
};

struct FindCase {
    const char* name;
    bool localMode, noAB;
    int lastDrive;
    Prepare prepare;
    QStringList expected;
};

class FindDrives : public DiscoveryTest, public ::testing::WithParamInterface<FindCase> {};

TEST_P(FindDrives, ListsTheReachableCandidatesInOrderAndSavesThem) {
    const FindCase& c = GetParam();
    if (c.prepare) c.prepare(world);
    *z->NetworkList = L({"OLD:"});
    findDrives(c.localMode, c.lastDrive, c.noAB);
    EXPECT_EQ(*z->NetworkList, c.expected);
    EXPECT_EQ(z->NetDrives.items, c.expected);
    EXPECT_EQ(z->NetDrives.text, c.expected.value(0)) << "the first is selected";
    EXPECT_TRUE(world.exists(kListFile)) << "written even when empty";
    EXPECT_EQ(listFile(), FileText(c.expected));
    EXPECT_GE(world.waits().totalWaitedMs, 2000u);
    EXPECT_FALSE(z->discovery().SLab1Visible || z->discovery().SLab2Visible);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindDrives,
    ::testing::Values(
        FindCase{"LocalCToE", true, true, 2, nullptr, L({"C:", "D:"})},
        FindCase{"LocalLastBeforeFirst", true, true, -1, nullptr, {}},
        FindCase{"LocalWithAAndB", true, false, 1, [](TestWorld& w) { MapDrive(w, u'A'); },
                 L({"A:", "C:", "D:"})},
        FindCase{"LocalFolderGone", true, true, 23,
                 [](TestWorld& w) { QDir(w.host(QStringLiteral("D:\\"))).removeRecursively(); },
                 L({"C:"})},
        FindCase{"NetworkS1CAndD", false, true, 1, nullptr, L({R"(\\S1\C)", R"(\\S1\D)"})},
        FindCase{"NetworkNoLocalD", false, true, 1, [](TestWorld& w) { w.unmapDrive(u'D'); },
                 L({R"(\\S1\C)"})},
        FindCase{"NetworkServersInOrder", false, true, 2, [](TestWorld& w) { MapDrive(w, u'E'); },
                 L({R"(\\S1\C)", R"(\\S1\D)", R"(\\S2\E)"})},
        FindCase{"NetworkUpperCased", false, true, 0,
                 [](TestWorld& w) { QDir().mkpath(w.networkRoot() + QStringLiteral("/s3/c")); },
                 L({R"(\\S1\C)", R"(\\S3\C)"})},
        FindCase{"NetworkShareIsAFile", false, true, 1,
                 [](TestWorld& w) {
                     QDir(w.networkRoot() + QStringLiteral("/S1/D")).removeRecursively();
                     w.writeFile(QStringLiteral("\\\\S1\\D"), "not a folder");
                 },
                 L({R"(\\S1\C)"})}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DiscoveryTest, AMissingListFolderKeepsTheListInMemoryOnly) {
    z->NetworkListFile = QStringLiteral("C:\\Gone\\Harbex.nwf");
    world.prompter().onShow = [this](const PromptRecord&) {
        EXPECT_TRUE(z->discovery().SLab1Visible) << "the labels stay up during the search";
    };
    findDrives(true, 0);
    EXPECT_EQ(world.prompter().texts(),
              L({"Unable to Save Network List file toC:\\Gone\\Harbex.nwf"}));
    EXPECT_EQ(*z->NetworkList, L({"C:"}));
}

// Each plausibility failure shows its error box and leaves the list as it was: the menu command
// writes the previous list again, "Find Drives" (which emptied it first) an empty one.
struct FaultCase {
    const char* name;
    Prepare prepare;
    QString text;
    int help;
};

class NetworkFaults : public DiscoveryTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(NetworkFaults, ShowTheirMessageAndKeepTheList) {
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
    EXPECT_EQ(listFile(), FileText(L({R"(\\OLD\C)"})));
    world.prompter().answerNext(Button::Ok);
    findDrives(false, 0);
    EXPECT_EQ(listFile(), QByteArray());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NetworkFaults,
    ::testing::Values(
        FaultCase{"NothingFound", EmptyNetworkRoot,
                  QStringLiteral("No Network Domains were found\r\nThe network list has not been "
                                 "built.\r\nPlease contact your network administrator."),
                  221},
        FaultCase{"NoNetwork", [](TestWorld& w) { QDir(w.networkRoot()).removeRecursively(); },
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
                      w.writeFile(QStringLiteral("\\\\README"), "a file, not a server");
                  },
                  QStringLiteral("No Network shares were found on your these domains\r\nWORKGROUP "
                                 "\rThe network list has not been built.\r\nPlease contact your "
                                 "network administrator."),
                  222}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DiscoveryTest, LoggingTheSearchShowsTheRawLinesAndSkipsTheChecks) {
    QDir(world.networkRoot()).removeRecursively();
    z->settings.LogNetSearch = true;
    z->discovery().FindMappedDrives1Click();
    QDir().mkpath(world.networkRoot() + QStringLiteral("/S1/C"));
    z->discovery().FindMappedDrives1Click();
    EXPECT_TRUE(world.prompter().texts().isEmpty()) << "not even the open failure is reported";
    EXPECT_EQ(z->log().DiagBox,
              L({"Open resource error No network is present.", "WORKGROUP", R"(\\S1)"}));
    EXPECT_TRUE(z->log().DiagTabVisible);
    EXPECT_EQ(z->view.OptionsTab, QStringLiteral("Diags"));
    EXPECT_EQ(*z->NetworkList, L({R"(\\S1\C)"}));
}

TEST_F(DiscoveryTest, TheMenuCommandSearchesBehindThePleaseWaitWindow) {
    z->settings.LastDrive = 1;
    z->NetDrives.setItems(L({"X:"}));
    QStringList seen;  // the search handles window messages while it waits for the drives
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, [&seen] {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (qobject_cast<TNetWait*>(widget) && widget->isVisible())
                seen << QStringLiteral("%1|%2|%3x%4")
                            .arg(widget->windowTitle(), widget->findChild<QLabel*>()->text())
                            .arg(widget->width())
                            .arg(widget->height());
    });
    look.start(0);
    z->discovery().FindMappedDrives1Click();
    look.stop();
    ASSERT_FALSE(seen.isEmpty());
    EXPECT_EQ(seen.first(), QStringLiteral("Harbex|PLEASE WAIT: BUILDING NETWORK LIST|393x50"));
    EXPECT_EQ(NetWaitWindows(), 0) << "released afterwards";
    EXPECT_EQ(z->NetDrives.items, L({R"(\\S1\C)", R"(\\S1\D)"}));
    EXPECT_EQ(z->NetDrives.index, -1) << "nothing is selected here";
    EXPECT_EQ(listFile(), FileText(z->NetDrives.items));

    z->settings.LocalMode = true;
    z->discovery().FindMappedDrives1Click();
    EXPECT_EQ(world.prompter().texts(), L({"Local Mode is active: No network list will be "
                                           "built\rPlease use the options to set the required "
                                           "mode"}));
    EXPECT_EQ(listFile(), FileText(z->NetDrives.items)) << "the file is not touched";
}

TEST_F(DiscoveryTest, ChangingLocalModeAsksAndRebuildsTheDriveListsOnOk) {
    const QList<std::tuple<bool, Button, const char*, QStringList>> cases = {
        {true, Button::Cancel, "ON", L({"OLD:"})},
        {false, Button::Ok, "OFF", L({R"(\\S1\C)"})},
        {true, Button::Ok, "ON", L({"C:"})},
    };
    for (const auto& [localMode, answer, state, candidates] : cases) {
        SCOPED_TRACE(state);
        world.prompter().clear();
        z->model.Drivelist = L({"Q:"});
        z->model.RemovedList = L({"R:"});
        z->driveLists().refillMirrors();
        *z->NetworkList = L({"OLD:"});
        z->settings.LocalMode = localMode;
        world.prompter().answerNext(answer);
        z->discovery().LocalModeClick();
        const PromptRecord& asked = world.prompter().records().first();
        EXPECT_EQ(asked.text, QStringLiteral("Local mode is now %1 Click OK to rebuild drive lists")
                                  .arg(QString::fromLatin1(state)));
        EXPECT_EQ(asked.icon, IconKind::Warning);
        EXPECT_EQ(asked.buttons, (Buttons{Button::Ok, Button::Cancel, Button::Help}));
        EXPECT_EQ(asked.helpContext, 224);
        const bool rebuilt = answer == Button::Ok;
        EXPECT_EQ(z->model.Drivelist.isEmpty() && z->model.RemovedList.isEmpty(), rebuilt);
        EXPECT_EQ(z->driveLists().ADrives.isEmpty() && z->driveLists().DDrives.isEmpty(), rebuilt);
        EXPECT_EQ(*z->NetworkList, candidates);
    }
}

TEST_F(DiscoveryTest, StartUpReadsTheListFileAfterBuildingItWhenAsked) {
    z.reset();
    settingsForLaterStart();
    world.network().present = false;  // Local Mode is set, and its list saved
    world.prompter().answerNext(Button::Ok);
    EXPECT_EQ(start().NetDrives.items, L({"C:"}));
    EXPECT_EQ(world.prompter().texts().mid(0, 2),
              L({"NO LAN DETECTED, Local Mode has been set",
                 "Local mode is now ON Click OK to rebuild drive lists"}));
    EXPECT_TRUE(z->commands.action(QStringLiteral("LocalMode"))->isChecked());

    z.reset();
    world.network().present = true;
    world.setSetting(QStringLiteral("Local Mode"), QStringLiteral("0"));
    world.setSetting(QStringLiteral("Reconnect"), QStringLiteral("1"));
    world.setSetting(QStringLiteral("L Drive"), QStringLiteral("1"));
    EXPECT_EQ(start().NetDrives.items, L({R"(\\S1\C)", R"(\\S1\D)"})) << "each candidate once";
    EXPECT_EQ(z->NetDrives.index, 0);

    z.reset();
    world.setSetting(QStringLiteral("Reconnect"), QStringLiteral("0"));
    world.writeFile(kListFile, QByteArray("C:\r\n\0\1", 6));
    EXPECT_TRUE(start().NetDrives.items.isEmpty());
    EXPECT_TRUE(world.prompter().saw(QStringLiteral("Netlist error")));
}

}  // namespace
}  // namespace harbex::test
