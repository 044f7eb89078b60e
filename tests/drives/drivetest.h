#pragma once

#include <QDir>
#include <functional>

#include "drives/dailyfolders.h"
#include "drives/drivediscovery.h"
#include "drives/drivelists.h"
#include "support/controllerfixture.h"

namespace harbex::test {

using SL = QStringList;
using Prepare = std::function<void(TestWorld&)>;

// The controller on the test machine, with the drive subsystems at hand.
class DriveTest : public ControllerTest {
  protected:
    DriveTest() { controller(); }
    DriveDiscovery& discovery() { return z->discovery(); }
    DriveLists& lists() { return z->driveLists(); }
    BackupSetModel& m() { return z->model; }
    QByteArray listFile() const { return world.readFile(z->NetworkListFile); }
    void findDrives(bool localMode, int lastDrive, bool noAB = true) {
        z->settings.LocalMode = localMode;
        z->settings.LastDrive = lastDrive;
        z->settings.NoAB = noAB;
        discovery().FindDrives();
    }
    // The one box shown so far is this one.
    void expectBox(const QString& text, IconKind icon, const Buttons& buttons, int help) {
        ASSERT_EQ(world.prompter().records().size(), 1);
        const PromptRecord& box = world.prompter().records().first();
        EXPECT_EQ(box.text, text);
        EXPECT_EQ(box.icon, icon);
        EXPECT_EQ(box.buttons, buttons);
        EXPECT_EQ(box.helpContext, help);
    }
};

// The network list file's text for these lines.
inline QByteArray FileText(const QStringList& lines) {
    QByteArray text;
    for (const QString& line : lines) text += line.toLatin1() + "\r\n";
    return text;
}

// Maps a drive letter onto a new folder of the test machine.
inline void MapDrive(TestWorld& w, char16_t letter) {
    const QString folder = w.root() + u'/' + QChar(letter);
    QDir().mkpath(folder);
    w.platform().paths->setDrive(QChar(letter), folder);
}

// Names the cases of a parameterised test after their name field.
inline constexpr auto CaseName = [](const auto& info) { return std::string(info.param.name); };

}  // namespace harbex::test
