#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFile>

#include "app/options/optionspanel.h"
#include "support/controllerfixture.h"
#include "support/readonlyfolder.h"
#include "tools/launchatstartup.h"

namespace harbex::test {
namespace {

const QString kNoRights =
    P("Administrator rights are required to setup auto launch\r\nAuto launch has been disabled, "
      "Please contact your network administrator.");

class LaunchTest : public ControllerTest {
  protected:
    ~LaunchTest() override { MakeFolderWritable(list().folder()); }
    StartList& list() { return *world.platform().startList; }
    QString entry() { return world.platform().startList->entryPath(P("Harbex")); }
    QByteArray entryText() {
        QFile file(entry());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // The command that starts the program where the test machine has put it.
    QString programCommand() {
        return StartList::CommandFor(world.host(world.platform().programFile));
    }
    QCheckBox* box() { return z->options().findChild<QCheckBox*>(P("StartUp")); }
};

TEST_F(LaunchTest, SwitchingOnWritesTheEntryOnceAndSwitchingOffRemovesIt) {
    controller().setStartUp(true);
    ASSERT_EQ(list().commandOf(P("Harbex")), programCommand());
    // A mark that a second write would lose.
    QFile file(entry());
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("X-Written-Once=true\n");
    file.close();
    z->setStartUp(true);
    EXPECT_TRUE(entryText().endsWith("X-Written-Once=true\n")) << "written only once";
    z->setStartUp(false);
    EXPECT_FALSE(QFile::exists(entry()));
    z->setStartUp(false);
    EXPECT_TRUE(world.prompter().texts().isEmpty()) << "no entry to remove is no error";
}

TEST_F(LaunchTest, AStartWithTheOptionSavedOnPutsTheMovedProgramsPathIntoTheEntry) {
    ASSERT_TRUE(list().add(P("Harbex"), P("/old/place/harbex")));
    world.setSetting(P("StartUp"), P("1"));
    world.platform().programFile = P("C:\\New Place\\Harbex.exe");
    controller().LoadSettings();
    EXPECT_EQ(list().commandOf(P("Harbex")), programCommand());
    EXPECT_TRUE(list().commandOf(P("Harbex")).contains(P("New Place")));
    EXPECT_TRUE(z->settings.StartUp);
    EXPECT_TRUE(world.prompter().texts().isEmpty());
}

TEST_F(LaunchTest, WithoutRightsTheUserIsToldAndTheOptionEndsOffEvenWithTheEntryInPlace) {
    ASSERT_TRUE(list().add(P("Harbex"), world.host(world.platform().programFile)));
    const QByteArray before = entryText();
    ASSERT_TRUE(MakeFolderReadOnly(list().folder()));
    world.setSetting(P("StartUp"), P("1"));
    controller().LoadSettings();
    EXPECT_EQ(world.prompter().messages(), QStringList{kNoRights});
    EXPECT_FALSE(z->settings.StartUp);
    z->showOptionsPanel(P("Misc"));
    ASSERT_NE(box(), nullptr);
    EXPECT_FALSE(box()->isChecked());
    EXPECT_EQ(entryText(), before) << "the administrator's entry stays";
    z->SaveSettings();
    EXPECT_EQ(world.setting(P("StartUp")), P("0"));

    // Ticking the box again: the same message, the box off again; unticking says nothing.
    world.prompter().clear();
    box()->click();
    EXPECT_EQ(world.prompter().messages(), QStringList{kNoRights});
    EXPECT_FALSE(box()->isChecked());
    z->setStartUp(false);
    EXPECT_EQ(world.prompter().messages().size(), 1);
    EXPECT_EQ(entryText(), before);
}

}  // namespace
}  // namespace harbex::test
