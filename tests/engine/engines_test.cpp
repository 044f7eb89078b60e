#include <gtest/gtest.h>

#include <QFile>

#include "engine/compressor.h"
#include "engine/engines.h"
#include "sets/setcommands.h"
#include "support/controllerfixture.h"

namespace harbex::test {
namespace {

class EnginesTest : public ControllerTest {
  protected:
    Engines& engines() { return z->engines(); }
};

TEST_F(EnginesTest, StartUpSetsUpTheInternalEngineForReal) {
    settingsForLaterStart();
    start();
    EXPECT_TRUE(engines().ZipMaster.ZipLibraryLoaded());
    EXPECT_TRUE(engines().ZipMaster.UnzipLibraryLoaded());
    EXPECT_EQ(z->view.ZipUtil, P(" Zipmaster"));
    EXPECT_TRUE(engines().internalClickAttached);
}

// Compression can be offered when either engine exists; with neither, clicking it changes
// nothing and a refresh takes it away.
TEST_F(EnginesTest, CompressionNeedsAnEngine) {
    controller();
    struct Case {
        bool internal;
        bool external;
        bool offered;
    };
    const Case cases[] = {{true, false, true}, {false, true, true}, {false, false, false}};
    for (const Case& c : cases) {
        c.internal ? installEngine() : removeEngine();
        if (c.external)
            installUtility();
        else
            QFile::remove(world.host(P("C:\\utils\\pkzip.exe")));
        z->model.Zipped = false;
        z->model.ZippedEnabled = true;
        z->view.ZipTabVisible = false;
        z->commands.setEnabled(P("Zipup"), false);
        z->compressor().ZippedExecute();
        EXPECT_EQ(z->model.Zipped, c.offered) << c.internal << c.external;
        EXPECT_EQ(z->view.ZipTabVisible, c.offered);
        EXPECT_EQ(z->commands.isEnabled(P("Zipup")), c.offered);
        z->model.Zipped = true;
        z->sets().RefreshOptions();
        EXPECT_EQ(z->model.Zipped, c.offered);
        EXPECT_EQ(z->model.ZippedEnabled, c.offered);
    }
}

TEST_F(EnginesTest, UseInternalCompressionChecksTheChosenEngine) {
    controller();
    engines().internalClickAttached = true;
    z->settings.internal = false;  // the utility is missing; "Re-Install" leaves it so
    world.prompter().answerNext(Button::Yes);
    engines().internalClick();
    EXPECT_TRUE(z->view.SelZipUtilityVisible);
    EXPECT_FALSE(z->commands.isEnabled(P("Zipup")));
    EXPECT_EQ(world.prompter().records().last().helpContext, 67);

    installUtility();
    engines().internalClick();
    EXPECT_TRUE(z->commands.isEnabled(P("Zipup")));
    EXPECT_EQ(z->view.ZipUtil, P("pkzip.exe"));

    z->settings.internal = true;
    engines().internalClick();
    EXPECT_FALSE(z->view.SelZipUtilityVisible);
    EXPECT_EQ(z->view.ZipUtil, P(" Zipmaster"));
    EXPECT_TRUE(z->commands.isEnabled(P("Zipup")));
}

TEST_F(EnginesTest, ChoosingTheUtilityAndTheTemporaryFolder) {
    controller();
    world.dialogs().answerNext(P("D:\\Tools\\zip"));
    engines().SelZipUtilityClick();
    const FileDialogRequest request = world.dialogs().requests.last();
    EXPECT_EQ(request.title, P("Select Zip Utility"));
    EXPECT_EQ(request.fileName, P("PKZIP"));
    EXPECT_TRUE(request.defaultExtension.isEmpty()) << "programs here have no extension";
    EXPECT_EQ(z->view.ZipUtil, P("zip"));
    EXPECT_EQ(z->settings.ExtUtilPath, P("D:\\Tools\\zip"));
    world.dialogs().answerNext(std::nullopt);
    engines().SelZipUtilityClick();
    EXPECT_EQ(z->settings.ExtUtilPath, P("D:\\Tools\\zip")) << "Cancel keeps the utility";

    world.makeFolder(P("D:\\Scratch"));
    engines().SelectLocal();
    EXPECT_TRUE(z->view.LocalPanVisible);
    engines().ZipTempSelChange(P("D:\\Scratch\\"));
    EXPECT_EQ(z->settings.ZipTemp, P("D:\\Scratch"));
    engines().ZipTempSelChange(P("D:\\"));
    EXPECT_EQ(z->settings.ZipTemp, P("D:\\")) << "a drive root keeps its backslash";
    engines().ZipTempSelChange(P("D:\\Gone"));
    EXPECT_EQ(z->settings.ZipTemp, P("D:\\"));
    engines().ZipTempSelDblClick();
    EXPECT_FALSE(z->view.LocalPanVisible);
}

TEST_F(EnginesTest, ScanningSubFoldersByTheEngineWhilePreScanningAsks) {
    controller();
    const QString question =
        P("YOU ARE EDITING AN EXISTING BACK-UP SET\r\nCompressed archives are selected in this "
          "back-up set.\r\nThe option to pre-scan for files in sub folders is also \r\nselected, "
          "\r\nYou cannot use both of these options.\r\n\r\nClick No To continue to select files "
          "from sub folders prior to compression\r\nClick Yes  To allow the Compression engine to "
          "search sub folders \r\n(Recomended as you intend to Compress your archives)");
    z->model.Recurse = true;
    world.prompter().answerNext(Button::No);
    z->compressor().RecurseZipExecute();
    EXPECT_EQ(world.prompter().questions(), QStringList{question});
    EXPECT_TRUE(z->model.RecurseZip && z->model.Recurse);
    z->compressor().RecurseZipExecute();  // off again: no question
    EXPECT_FALSE(z->model.RecurseZip);
    world.prompter().answerNext(Button::Yes);
    z->compressor().RecurseZipExecute();
    EXPECT_TRUE(z->model.RecurseZip);
    EXPECT_FALSE(z->model.Recurse);
    const bool before = z->settings.DelTemps;
    z->compressor().DelTempsExecute();
    EXPECT_NE(z->settings.DelTemps, before);
}

}  // namespace
}  // namespace harbex::test
