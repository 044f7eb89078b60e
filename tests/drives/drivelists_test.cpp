#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <functional>

#include "drives/drivediscovery.h"
#include "drives/drivelists.h"
#include "schedule/autoruns.h"
#include "sets/setcommands.h"
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
    struct Case {
        const char* text;
        QStringList activeBefore;
        QStringList activeAfter;
        QStringList candidatesAfter;
    };
    const QList<Case> cases = {
        {"c:", L({"C:"}), L({"C:"}), L({R"(\\S1\C)"})},
        {R"(\\s1\c)", L({"C:"}), L({"C:", R"(\\S1\C)"}), L({R"(\\S1\C)"})},
        {"e:", {}, L({"E:"}), L({R"(\\S1\C)", "E:"})},
        {"", {}, L({""}), L({R"(\\S1\C)", ""})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        *z->NetworkList = L({R"(\\S1\C)"});
        z->NetDrives.setItems(*z->NetworkList);
        z->NetDrives.text = QString::fromLatin1(c.text);
        m().Drivelist = c.activeBefore;
        lists().refillMirrors();
        lists().AvalibleDrivesClick();
        EXPECT_EQ(z->NetDrives.text, QString::fromLatin1(c.text).toUpper());
        EXPECT_EQ(m().Drivelist, c.activeAfter);
        EXPECT_EQ(lists().ADrives, c.activeAfter);
        EXPECT_EQ(*z->NetworkList, c.candidatesAfter);
        EXPECT_EQ(z->NetDrives.items, c.candidatesAfter);
    }
    EXPECT_FALSE(world.exists(QStringLiteral("C:\\Harbex\\Harbex.nwf")))
        << "a typed drive reaches the file only with its next write";
}

TEST_F(DriveListsTest, DeleteAndClearChangeOnlyTheListOfRecord) {
    m().Drivelist = L({"C:", "D:", "E:"});
    lists().refillMirrors();
    lists().DeleteDriveClick();
    EXPECT_EQ(m().Drivelist, L({"C:", "D:", "E:"})) << "nothing selected, nothing deleted";
    lists().DrivelistIndex = 1;
    lists().DeleteDriveClick();
    EXPECT_EQ(m().Drivelist, L({"C:", "E:"}));
    lists().ClearButClick();
    EXPECT_TRUE(m().Drivelist.isEmpty());
    EXPECT_EQ(lists().ADrives, L({"C:", "D:", "E:"}));
}

TEST_F(DriveListsTest, ActivateAndDeactivateAllMoveFromTheLastToTheFirst) {
    m().RemovedList = L({"A", "B"});
    m().Drivelist = L({"B"});
    lists().refillMirrors();
    lists().RestoreBtnClick();
    EXPECT_EQ(m().Drivelist, L({"B", "A"}));
    EXPECT_EQ(lists().ADrives, L({"B", "A"}));
    EXPECT_TRUE(m().RemovedList.isEmpty());
    EXPECT_TRUE(lists().DDrives.isEmpty());
    m().RemovedList = L({"C", "D"});
    lists().RestoreBtnClick();
    EXPECT_EQ(m().Drivelist, L({"B", "A", "D", "C"}));

    m().RemovedList = L({"A"});
    lists().refillMirrors();
    lists().DeactivateBtnClick();
    EXPECT_EQ(m().RemovedList, L({"A", "C", "D", "B"}));
    EXPECT_EQ(lists().DDrives, L({"A", "C", "D", "B"}));
    EXPECT_TRUE(m().Drivelist.isEmpty());
    EXPECT_TRUE(lists().ADrives.isEmpty());
}

TEST_F(DriveListsTest, ClearNetworkListEmptiesEveryListAndTheFile) {
    const QString file = QStringLiteral("C:\\Harbex\\Harbex.nwf");
    world.writeFile(file, "C:\r\nD:\r\n");
    *z->NetworkList = L({"C:", "D:"});
    z->NetDrives.setItems(*z->NetworkList);
    m().Drivelist = L({"C:"});
    m().RemovedList = L({"D:"});
    lists().refillMirrors();
    lists().SpeedButton20Click();
    EXPECT_TRUE(z->NetworkList->isEmpty());
    EXPECT_TRUE(z->NetDrives.items.isEmpty());
    EXPECT_TRUE(m().Drivelist.isEmpty() && m().RemovedList.isEmpty());
    EXPECT_TRUE(lists().ADrives.isEmpty() && lists().DDrives.isEmpty());
    EXPECT_TRUE(world.exists(file));
    EXPECT_EQ(world.readFile(file), QByteArray());
}

struct CheckCase {
    const char* name;
    bool moveDrives;
    QStringList active;
    bool result;
    QStringList activeAfter;
    QStringList removedAfter;
};

class ConnectionCheck : public DriveListsTest, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(ConnectionCheck, TakesUnreachableDrivesOutOfTheActiveList) {
    const CheckCase& c = GetParam();
    z->settings.MoveDrives = c.moveDrives;
    m().Drivelist = c.active;
    m().RemovedList = L({"K:"});
    lists().refillMirrors();
    EXPECT_EQ(lists().CheckDriveConnections(), c.result);
    EXPECT_EQ(m().Drivelist, c.activeAfter);
    EXPECT_EQ(m().RemovedList, c.removedAfter);
    EXPECT_EQ(lists().ADrives, c.active) << "the mirrors are not changed";
    EXPECT_EQ(lists().DDrives, L({"K:"}));
    EXPECT_TRUE(world.prompter().texts().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConnectionCheck,
    ::testing::Values(CheckCase{"AllReachable", false, L({"C:", R"(\\S1\D)", "d:\\"}), true,
                                L({"C:", R"(\\S1\D)", "d:\\"}), L({"K:"})},
                      CheckCase{"MovedFromLastToFirst", true, L({"G:", "C:", R"(\\S9\C)", ""}),
                                true, L({"C:"}), L({"K:", "", R"(\\S9\C)", "G:"})},
                      CheckCase{"EveryDriveMoved",
                                true,
                                L({"G:", R"(\\S1\X)"}),
                                true,
                                {},
                                L({"K:", R"(\\S1\X)", "G:"})},
                      CheckCase{"DeletedWithoutMove", false, L({"C:", "G:", "D:"}), false,
                                L({"C:", "D:"}), L({"K:"})},
                      CheckCase{
                          "ARelativeEntryIsNoDrive", false, L({"Harbex"}), false, {}, L({"K:"})}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DriveListsTest, ADriveWhoseFolderVanishedAfterDiscoveryIsUnreachable) {
    z->settings.LocalMode = true;
    z->settings.LastDrive = 1;
    z->settings.MoveDrives = false;
    z->discovery().FindDrives();
    z->NetDrives.select(1);
    lists().AvalibleDrivesClick();
    z->NetDrives.select(0);
    lists().AvalibleDrivesClick();
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
    EXPECT_EQ(started.driveLists().ADrives, L({"C:", "G:"})) << "the mirror shows the set as read";
}

TEST_F(DriveListsTest, TheDestinationChoiceOffersTheActiveDrives) {
    m().Drivelist = L({R"(\\S1\D)", "C:"});
    lists().AvalibleDrives.setItems(L({"OLD"}));
    lists().FillDestinationDrives();
    EXPECT_EQ(lists().AvalibleDrives.items, L({R"(\\S1\D)", "C:"}));
    EXPECT_EQ(lists().AvalibleDrives.text, QStringLiteral("\\\\S1\\D"));
}

// The map-network-drive dialog: what the user does in it, and what the program then says.
struct MapCase {
    const char* name;
    bool showErrors;
    std::function<void(TMapDriveDialog&, TestWorld&)> user;
    QStringList messages;
    QString letterG;  // the host folder G: then stands for, relative to the world's root
};

class MapNetworkDrive : public DriveListsTest, public ::testing::WithParamInterface<MapCase> {};

TEST_P(MapNetworkDrive, StoresTheChoiceOrReportsWhyNot) {
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
    const QString g = world.platform().paths->driveFolder(u'G');
    EXPECT_EQ(g, c.letterG.isEmpty() ? QString() : world.root() + c.letterG);
    EXPECT_EQ(
        world.registry()
            .readText(RegistryRoot::CurrentUser, HostPaths::DriveMapKey(), QStringLiteral("G"))
            .value_or(QString()),
        g);
    EXPECT_EQ(m().Drivelist, L({"C:"})) << "the drive lists are not changed";
}

void ChooseG(TMapDriveDialog& dialog, const QString& folder) {
    dialog.Drive->setCurrentIndex(6);
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
                QString()},
        MapCase{"CancelledWithErrorsShown", true,
                [](TMapDriveDialog& d, TestWorld&) { d.reject(); }, L({"Operation cancled"}),
                QString()},
        MapCase{"MissingFolder", true,
                [](TMapDriveDialog& d, TestWorld& w) { ChooseG(d, w.root() + "/nothing"); },
                L({"Network connection error 3"}), QString()},
        MapCase{"MissingFolderQuietly",
                false,
                [](TMapDriveDialog& d, TestWorld& w) { ChooseG(d, w.root() + "/nothing"); },
                {},
                QString()},
        MapCase{"Mapped",
                true,
                [](TMapDriveDialog& d, TestWorld& w) {
                    QDir().mkpath(w.root() + QStringLiteral("/G"));
                    ChooseG(d, w.root() + QStringLiteral("/G/"));
                },
                {},
                QStringLiteral("/G")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DriveListsTest, AMappedLetterIsFoundByTheNextLocalDiscoveryAndCanBeDisconnected) {
    QDir().mkpath(world.root() + QStringLiteral("/G"));
    world.dialogs().onNextForm([this](QDialog& form) {
        auto& dialog = dynamic_cast<TMapDriveDialog&>(form);
        world.dialogs().answerNext(world.root() + QStringLiteral("/G"));
        dialog.Drive->setCurrentIndex(6);
        dialog.BrowseFolder->click();
        dialog.accept();
    });
    lists().mapnet();
    z->settings.LocalMode = true;
    z->settings.LastDrive = 4;
    z->discovery().FindDrives();
    EXPECT_EQ(*z->NetworkList, L({"C:", "D:", "G:"}));

    world.dialogs().onNextForm([](QDialog& form) {
        auto& dialog = dynamic_cast<TMapDriveDialog&>(form);
        dialog.Drive->setCurrentIndex(3);
        EXPECT_EQ(dialog.Folder->text(), QDir::cleanPath(dialog.Folder->text()));
        EXPECT_FALSE(dialog.Folder->text().isEmpty()) << "shows the folder D: stands for";
        dialog.Folder->clear();
        dialog.accept();
    });
    lists().mapnet();
    EXPECT_FALSE(world.platform().paths->isMapped(u'D'));
    z->discovery().FindDrives();
    EXPECT_EQ(*z->NetworkList, L({"C:", "G:"}));
}

TEST_F(DriveListsTest, ReadingASetShowsItsDrivesInTheMirrors) {
    BackupSetModel set;
    set.Drivelist = L({"C:", R"(\\S1\D)"});
    set.RemovedList = L({"G:"});
    world.writeFile(setPath(QStringLiteral("drives.bus")), ComposeSetText(set, 1).toUtf8());
    lists().ADrives = L({"OLD"});
    z->panels.set(1, setPath(QStringLiteral("drives.bus")));
    z->sets().LoadbackupsetClick(LoadSender::StatusPanel);
    EXPECT_EQ(lists().ADrives, set.Drivelist);
    EXPECT_EQ(lists().DDrives, set.RemovedList);
}

}  // namespace
}  // namespace harbex::test
