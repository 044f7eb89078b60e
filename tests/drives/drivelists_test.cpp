#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "drives/drivetest.h"
#include "sets/setfile.h"
#include "ui/mapdrivedialog.h"

namespace harbex::test {
namespace {

TEST_F(DriveTest, AddTakesTheComboTextInUpperCaseAndNeverTwice) {
    const QList<std::tuple<const char*, QStringList, QStringList, QStringList>> cases = {
        // text, active before, active after, candidates after
        {"c:", SL{"C:"}, SL{"C:"}, SL{R"(\\S1\C)"}},
        {R"(\\s1\c)", SL{"C:"}, SL({"C:", R"(\\S1\C)"}), SL{R"(\\S1\C)"}},
        {"e:", {}, SL{"E:"}, SL({R"(\\S1\C)", "E:"})},
        {"", {}, SL{""}, SL({R"(\\S1\C)", ""})},
    };
    for (const auto& [text, before, after, candidates] : cases) {
        SCOPED_TRACE(text);
        *z->NetworkList = SL{R"(\\S1\C)"};
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

TEST_F(DriveTest, TheCommandsMoveDrivesFromTheLastToTheFirst) {
    m().Drivelist = SL({"B", "X", "Y"});
    lists().refillMirrors();
    lists().DeleteDriveClick();  // nothing selected
    lists().DrivelistIndex = 1;
    lists().DeleteDriveClick();
    EXPECT_EQ(m().Drivelist, SL({"B", "Y"}));
    lists().ClearButClick();
    EXPECT_TRUE(m().Drivelist.isEmpty());
    EXPECT_EQ(lists().ADrives, SL({"B", "X", "Y"})) << "Delete and Clear leave the mirror";

    m().RemovedList = SL({"A", "B", "C"});
    m().Drivelist = SL{"B"};
    lists().refillMirrors();
    lists().RestoreBtnClick();  // "Activate All"
    EXPECT_EQ(m().Drivelist, SL({"B", "C", "A"}));
    EXPECT_EQ(lists().ADrives, m().Drivelist);
    EXPECT_TRUE(m().RemovedList.isEmpty() && lists().DDrives.isEmpty());
    m().RemovedList = SL{"A"};
    lists().DeactivateBtnClick();
    EXPECT_EQ(m().RemovedList, SL({"A", "C", "B"}));
    EXPECT_EQ(lists().DDrives, SL({"C", "B"}));
    EXPECT_TRUE(m().Drivelist.isEmpty() && lists().ADrives.isEmpty());

    lists().FillDestinationDrives();
    EXPECT_TRUE(lists().AvalibleDrives.items.isEmpty());
    m().Drivelist = SL({R"(\\S1\D)", "C:"});
    lists().FillDestinationDrives();
    EXPECT_EQ(lists().AvalibleDrives.items, m().Drivelist);
    EXPECT_EQ(lists().AvalibleDrives.text, QStringLiteral("\\\\S1\\D"));

    world.writeFile(z->NetworkListFile, "C:\r\n");
    *z->NetworkList = SL{"C:"};
    z->NetDrives.setItems(*z->NetworkList);
    lists().SpeedButton20Click();  // "Clear Network List"
    EXPECT_TRUE(z->NetworkList->isEmpty() && z->NetDrives.items.isEmpty());
    EXPECT_TRUE(m().Drivelist.isEmpty() && m().RemovedList.isEmpty());
    EXPECT_TRUE(lists().ADrives.isEmpty() && lists().DDrives.isEmpty());
    EXPECT_TRUE(world.exists(z->NetworkListFile));
    EXPECT_EQ(world.readFile(z->NetworkListFile), QByteArray());
}

TEST_F(DriveTest, TheCheckTakesUnreachableDrivesOutOfTheActiveList) {
    const QList<std::tuple<bool, QStringList, bool, QStringList, QStringList>> cases = {
        // MoveDrives, active, result, active after, deactivated after
        {false, SL({"C:", R"(\\S1\D)", "d:\\"}), true, SL({"C:", R"(\\S1\D)", "d:\\"}), SL{"K:"}},
        {true, SL({"G:", "C:", R"(\\S9\C)", ""}), true, SL{"C:"},
         SL({"K:", "", R"(\\S9\C)", "G:"})},
        {true, SL({"G:", R"(\\S1\X)"}), true, {}, SL({"K:", R"(\\S1\X)", "G:"})},
        {false, SL({"C:", "G:", "D:"}), false, SL({"C:", "D:"}), SL{"K:"}},
        {false, SL{"Harbex"}, false, {}, SL{"K:"}},  // not looked for in the working folder
    };
    for (const auto& [move, active, result, activeAfter, removedAfter] : cases) {
        SCOPED_TRACE(active.join(u',').toStdString());
        z->settings.MoveDrives = move;
        m().Drivelist = active;
        m().RemovedList = SL{"K:"};
        lists().refillMirrors();
        EXPECT_EQ(lists().CheckDriveConnections(), result);
        EXPECT_EQ(m().Drivelist, activeAfter);
        EXPECT_EQ(m().RemovedList, removedAfter);
        EXPECT_EQ(lists().ADrives, active) << "the mirrors are not changed";
        EXPECT_EQ(lists().DDrives, SL{"K:"});
    }
    EXPECT_TRUE(world.prompter().texts().isEmpty());
}

TEST_F(DriveTest, ADriveWhoseFolderVanishedAfterDiscoveryIsUnreachable) {
    z->settings.LocalMode = true;
    z->settings.LastDrive = 1;
    z->settings.MoveDrives = false;
    z->discovery().FindDrives();
    for (int i : {1, 0}) {
        z->NetDrives.select(i);
        lists().AvalibleDrivesClick();
    }
    ASSERT_EQ(m().Drivelist, SL({"D:", "C:"}));
    QDir(world.host(QStringLiteral("D:\\"))).removeRecursively();
    EXPECT_FALSE(lists().CheckDriveConnections());
    EXPECT_EQ(m().Drivelist, SL{"C:"});
}

TEST_F(DriveTest, ARunAtStartUpWaitsForItsDrives) {
    z.reset();
    settingsForLaterStart();
    BackupSetModel set;
    set.autotype = 2;
    set.Drivelist = SL({"C:", "G:"});
    world.writeFile(setPath(QStringLiteral("default.bus")), ComposeSetText(set, 1).toUtf8());
    world.setSetting(QStringLiteral("Move"), QStringLiteral("0"));
    THarbexZoDi& started = start();
    EXPECT_TRUE(world.prompter().saw(
        QStringLiteral("Automatic Backup Aborted - Please check Network Drives")));
    EXPECT_FALSE(started.Timer.isActive());
    EXPECT_EQ(started.model.Drivelist, SL{"C:"});
    EXPECT_EQ(started.driveLists().ADrives, SL({"C:", "G:"})) << "the mirror shows the set read";
}

// The map-network-drive dialog: what the user does in it, and what the program then says.
struct MapCase {
    const char* name;
    bool showErrors;
    std::function<void(TMapDriveDialog&, TestWorld&)> user;
    QStringList messages;
    QStringList localDrives;  // found by local discovery afterwards, C: to G:
};

// Names the case in test names and failure messages rather than dumping its bytes.
void PrintTo(const MapCase& c, std::ostream* out) {
    *out << c.name;
}

class MapNetworkDrive : public DriveTest, public ::testing::WithParamInterface<MapCase> {};

TEST_P(MapNetworkDrive, StoresTheChoiceOrSaysWhyNot) {
    const MapCase& c = GetParam();
    z->settings.Showneterrors = c.showErrors;
    m().Drivelist = SL{"C:"};
    world.dialogs().onNextForm([this, &c](QDialog& form) {
        auto& dialog = dynamic_cast<TMapDriveDialog&>(form);
        EXPECT_EQ(dialog.Drive->currentText(), QStringLiteral("E:")) << "first free after C:";
        EXPECT_EQ(dialog.NetworkRoot->text(), world.networkRoot());
        c.user(dialog, world);
    });
    z->commands.action(QStringLiteral("Network"))->trigger();
    EXPECT_EQ(world.prompter().messages(), c.messages);
    EXPECT_EQ(m().Drivelist, SL{"C:"}) << "the drive lists are not changed";
    z->settings.LocalMode = true;
    z->settings.LastDrive = 4;
    z->discovery().FindDrives();
    EXPECT_EQ(*z->NetworkList, c.localDrives);
    world.platform().reloadDriveMap();
    z->discovery().FindDrives();
    EXPECT_EQ(*z->NetworkList, c.localDrives) << "kept in the stored drive map";
}

void Cancel(TMapDriveDialog& d, TestWorld&) {
    d.reject();
}
void MissingFolder(TMapDriveDialog& d, TestWorld& w) {
    d.Drive->setCurrentIndex(6);
    d.Folder->setText(w.root() + "/nothing");
    d.accept();
}
void BrowseForG(TMapDriveDialog& d, TestWorld& w) {
    QDir().mkpath(w.root() + "/G");
    w.dialogs().answerNext(w.root() + "/G/");
    d.Drive->setCurrentIndex(6);
    d.BrowseFolder->click();
    d.accept();
}
void DisconnectD(TMapDriveDialog& d, TestWorld&) {
    d.Drive->setCurrentIndex(3);
    EXPECT_FALSE(d.Folder->text().isEmpty()) << "shows what D: stands for";
    d.Folder->clear();
    d.accept();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MapNetworkDrive,
    ::testing::Values(
        MapCase{"CancelledSilently", false, Cancel, {}, {"C:", "D:"}},
        MapCase{"CancelledAndShown", true, Cancel, {"Operation cancled"}, {"C:", "D:"}},
        MapCase{"MissingFolder", true, MissingFolder, {"Network connection error 3"}, {"C:", "D:"}},
        MapCase{"Browsed", true, BrowseForG, {}, {"C:", "D:", "G:"}},
        MapCase{"Disconnected", true, DisconnectD, {}, {"C:"}}),
    CaseName);

}  // namespace
}  // namespace harbex::test
