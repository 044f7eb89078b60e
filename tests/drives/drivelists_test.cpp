#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <functional>

#include "drives/drivediscovery.h"
#include "drives/drivelists.h"
#include "sets/setfile.h"
#include "support/controllerfixture.h"
#include "ui/mapdrivedialog.h"

namespace harbex::test {
namespace {

QStringList L(std::initializer_list<const char*> items) {
    QStringList list;
    for (const char* item : items) list << QString::fromLatin1(item);
    return list;
}

class DriveListsTest : public ControllerTest {
  protected:
    DriveListsTest() { controller(); }
    DriveLists& lists() { return z->driveLists(); }
    BackupSetModel& m() { return z->model; }
};

TEST_F(DriveListsTest, AddTakesTheComboTextInUpperCaseAndNeverTwice) {
    const QList<std::tuple<const char*, QStringList, QStringList, QStringList>> cases = {
        // text, active before, active after, candidates after
        {"c:", L({"C:"}), L({"C:"}), L({R"(\\S1\C)"})},
        {R"(\\s1\c)", L({"C:"}), L({"C:", R"(\\S1\C)"}), L({R"(\\S1\C)"})},
        {"e:", {}, L({"E:"}), L({R"(\\S1\C)", "E:"})},
        {"", {}, L({""}), L({R"(\\S1\C)", ""})},
    };
    for (const auto& [text, before, after, candidates] : cases) {
        SCOPED_TRACE(text);
        *z->NetworkList = L({R"(\\S1\C)"});
        z->NetDrives.setItems(*z->NetworkList);
        z->NetDrives.text = QString::fromLatin1(text);
        m().Drivelist = before;
        lists().refillMirrors();
        lists().AvalibleDrivesClick();
        EXPECT_EQ(z->NetDrives.text, QString::fromLatin1(text).toUpper());
        EXPECT_EQ(m().Drivelist, after);
        EXPECT_EQ(lists().ADrives, after);
        EXPECT_EQ(*z->NetworkList, candidates);
        EXPECT_EQ(z->NetDrives.items, candidates);
    }
    EXPECT_FALSE(world.exists(z->NetworkListFile)) << "the file gets typed drives later";
}

TEST_F(DriveListsTest, TheCommandsMoveDrivesFromTheLastToTheFirst) {
    m().Drivelist = L({"B", "X", "Y"});
    lists().refillMirrors();
    lists().DeleteDriveClick();  // nothing selected
    lists().DrivelistIndex = 1;
    lists().DeleteDriveClick();
    EXPECT_EQ(m().Drivelist, L({"B", "Y"}));
    lists().ClearButClick();
    EXPECT_TRUE(m().Drivelist.isEmpty());
    EXPECT_EQ(lists().ADrives, L({"B", "X", "Y"})) << "Delete and Clear leave the mirror";

    m().RemovedList = L({"A", "B", "C"});
    m().Drivelist = L({"B"});
    lists().refillMirrors();
    lists().RestoreBtnClick();  // "Activate All"
    EXPECT_EQ(m().Drivelist, L({"B", "C", "A"}));
    EXPECT_EQ(lists().ADrives, m().Drivelist);
    EXPECT_TRUE(m().RemovedList.isEmpty() && lists().DDrives.isEmpty());
    m().RemovedList = L({"A"});
    lists().DeactivateBtnClick();
    EXPECT_EQ(m().RemovedList, L({"A", "C", "B"}));
    EXPECT_EQ(lists().DDrives, L({"C", "B"}));
    EXPECT_TRUE(m().Drivelist.isEmpty() && lists().ADrives.isEmpty());

    lists().FillDestinationDrives();
    EXPECT_TRUE(lists().AvalibleDrives.items.isEmpty());
    m().Drivelist = L({R"(\\S1\D)", "C:"});
    lists().FillDestinationDrives();
    EXPECT_EQ(lists().AvalibleDrives.items, m().Drivelist);
    EXPECT_EQ(lists().AvalibleDrives.text, QStringLiteral("\\\\S1\\D"));

    world.writeFile(z->NetworkListFile, "C:\r\n");
    *z->NetworkList = L({"C:"});
    z->NetDrives.setItems(*z->NetworkList);
    lists().SpeedButton20Click();  // "Clear Network List"
    EXPECT_TRUE(z->NetworkList->isEmpty() && z->NetDrives.items.isEmpty());
    EXPECT_TRUE(m().Drivelist.isEmpty() && m().RemovedList.isEmpty());
    EXPECT_TRUE(lists().ADrives.isEmpty() && lists().DDrives.isEmpty());
    EXPECT_TRUE(world.exists(z->NetworkListFile));
    EXPECT_EQ(world.readFile(z->NetworkListFile), QByteArray());
}

TEST_F(DriveListsTest, TheCheckTakesUnreachableDrivesOutOfTheActiveList) {
    const QList<std::tuple<bool, QStringList, bool, QStringList, QStringList>> cases = {
        // MoveDrives, active, result, active after, deactivated after
        {false, L({"C:", R"(\\S1\D)", "d:\\"}), true, L({"C:", R"(\\S1\D)", "d:\\"}), L({"K:"})},
        {true, L({"G:", "C:", R"(\\S9\C)", ""}), true, L({"C:"}), L({"K:", "", R"(\\S9\C)", "G:"})},
        {true, L({"G:", R"(\\S1\X)"}), true, {}, L({"K:", R"(\\S1\X)", "G:"})},
        {false, L({"C:", "G:", "D:"}), false, L({"C:", "D:"}), L({"K:"})},
        {false, L({"Harbex"}), false, {}, L({"K:"})},  // not looked for in the working folder
    };
    for (const auto& [move, active, result, activeAfter, removedAfter] : cases) {
        SCOPED_TRACE(active.join(u',').toStdString());
        z->settings.MoveDrives = move;
        m().Drivelist = active;
        m().RemovedList = L({"K:"});
        lists().refillMirrors();
        EXPECT_EQ(lists().CheckDriveConnections(), result);
        EXPECT_EQ(m().Drivelist, activeAfter);
        EXPECT_EQ(m().RemovedList, removedAfter);
        EXPECT_EQ(lists().ADrives, active) << "the mirrors are not changed";
        EXPECT_EQ(lists().DDrives, L({"K:"}));
    }
    EXPECT_TRUE(world.prompter().texts().isEmpty());
}

TEST_F(DriveListsTest, ADriveWhoseFolderVanishedAfterDiscoveryIsUnreachable) {
    z->settings.LocalMode = true;
    z->settings.LastDrive = 1;
    z->settings.MoveDrives = false;
    z->discovery().FindDrives();
    for (int i : {1, 0}) {
        z->NetDrives.select(i);
        lists().AvalibleDrivesClick();
    }
    ASSERT_EQ(m().Drivelist, L({"D:", "C:"}));
    QDir(world.host(QStringLiteral("D:\\"))).removeRecursively();
    EXPECT_FALSE(lists().CheckDriveConnections());
    EXPECT_EQ(m().Drivelist, L({"C:"}));
}

TEST_F(DriveListsTest, ARunAtStartUpWaitsForItsDrives) {
    z.reset();
    settingsForLaterStart();
    BackupSetModel set;
    set.autotype = 2;
    set.Drivelist = L({"C:", "G:"});
    world.writeFile(setPath(QStringLiteral("default.bus")), ComposeSetText(set, 1).toUtf8());
    world.setSetting(QStringLiteral("Move"), QStringLiteral("0"));
    THarbexZoDi& started = start();
    EXPECT_TRUE(world.prompter().saw(
        QStringLiteral("Automatic Backup Aborted - Please check Network Drives")));
    EXPECT_FALSE(started.Timer.isActive());
    EXPECT_EQ(started.model.Drivelist, L({"C:"}));
    EXPECT_EQ(started.driveLists().ADrives, L({"C:", "G:"})) << "the mirror shows the set read";
}

// The map-network-drive dialog: what the user does in it, and what the program then says.
struct MapCase {
    const char* name;
    bool showErrors;
    std::function<void(TMapDriveDialog&, TestWorld&)> user;
    QStringList messages;
    QStringList localDrives;  // found by local discovery afterwards, C: to G:
};

class MapNetworkDrive : public DriveListsTest, public ::testing::WithParamInterface<MapCase> {};

TEST_P(MapNetworkDrive, StoresTheChoiceOrSaysWhyNot) {
    const MapCase& c = GetParam();
    z->settings.Showneterrors = c.showErrors;
    m().Drivelist = L({"C:"});
    world.dialogs().onNextForm([this, &c](QDialog& form) {
        auto& dialog = dynamic_cast<TMapDriveDialog&>(form);
        EXPECT_EQ(dialog.Drive->currentText(), QStringLiteral("E:")) << "first free after C:";
        EXPECT_EQ(dialog.NetworkRoot->text(), world.networkRoot());
        c.user(dialog, world);
    });
    z->commands.action(QStringLiteral("Network"))->trigger();
    EXPECT_EQ(world.prompter().messages(), c.messages);
    EXPECT_EQ(m().Drivelist, L({"C:"})) << "the drive lists are not changed";
    z->settings.LocalMode = true;
    z->settings.LastDrive = 4;
    z->discovery().FindDrives();
    EXPECT_EQ(*z->NetworkList, c.localDrives);
    world.platform().reloadDriveMap();
    z->discovery().FindDrives();
    EXPECT_EQ(*z->NetworkList, c.localDrives) << "kept in the stored drive map";
}

void Choose(TMapDriveDialog& dialog, int letter, const QString& folder) {
    dialog.Drive->setCurrentIndex(letter);
    dialog.Folder->setText(folder);
    dialog.accept();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MapNetworkDrive,
    ::testing::Values(
        MapCase{"CancelledSilently",
                false,
                [](TMapDriveDialog& d, TestWorld&) { d.reject(); },
                {},
                L({"C:", "D:"})},
        MapCase{"CancelledAndShown", true, [](TMapDriveDialog& d, TestWorld&) { d.reject(); },
                L({"Operation cancled"}), L({"C:", "D:"})},
        MapCase{"MissingFolder", true,
                [](TMapDriveDialog& d, TestWorld& w) { Choose(d, 6, w.root() + "/nothing"); },
                L({"Network connection error 3"}), L({"C:", "D:"})},
        MapCase{"Browsed",
                true,
                [](TMapDriveDialog& d, TestWorld& w) {
                    QDir().mkpath(w.root() + QStringLiteral("/G"));
                    w.dialogs().answerNext(w.root() + QStringLiteral("/G/"));
                    d.Drive->setCurrentIndex(6);
                    d.BrowseFolder->click();
                    d.accept();
                },
                {},
                L({"C:", "D:", "G:"})},
        MapCase{"Disconnected",
                true,
                [](TMapDriveDialog& d, TestWorld&) {
                    d.Drive->setCurrentIndex(3);
                    EXPECT_FALSE(d.Folder->text().isEmpty()) << "shows what D: stands for";
                    Choose(d, 3, QString());
                },
                {},
                L({"C:"})}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace harbex::test
