#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "engine/archivenames.h"
#include "sets/setsummary.h"
#include "support/controllerfixture.h"
#include "ui/archivesform.h"
#include "ui/nameform.h"

namespace harbex::test {
namespace {

const QString kChanged =
    P("Changes may have been made to the List of Archive names.\r\nDo you want to save this list "
      "to use with the current Backup Set?\rClick Yes to save changes\rClick No to quit the Names "
      "editor without saving");
const QString kNotSaved =
    P("This list of Archive names has not been saved.\r\nDo you want to save this list to use "
      "with the current Backup Set?\rClick Yes to save changes\rClick No to quit the Names editor "
      "without saving");

class ArchiveNamesTest : public ControllerTest {
  protected:
    ArchiveNamesTest() {
        controller();
        z->panels.set(1, P("C:\\Harbex\\Office.bus"));
    }
    ArchiveNamesList& names() { return z->archiveNames(); }

    // The user in the names window: actions on the form, then a button that closes it.
    void inWindow(std::function<void(TArchivesForm&)> actions) {
        world.dialogs().onNextForm(
            [actions](QDialog& dialog) { actions(static_cast<TArchivesForm&>(dialog)); });
    }
    // The user in the name editor types a name and leaves with Ok.
    void typeName(const QString& name) {
        world.dialogs().onNextForm([name](QDialog& dialog) {
            auto& form = static_cast<TNameForm&>(dialog);
            EXPECT_EQ(form.windowTitle(), P("Archive Name"));
            form.NameBox->setText(name);
            form.OkBtn->click();
        });
    }
    static void select(TArchivesForm& form, int row) {
        form.Archives->setCurrentItem(form.Archives->topLevelItem(row));
    }
};

TEST_F(ArchiveNamesTest, ListFilesReadIntoRowsAndWriteBackUnchanged) {
    const QByteArray file =
        "C:\\Temp\\fol0.zip\r\nD:\\arch\\b.ZIP\r\nC:\\Temp\\noext\r\nE:x.zip\r\n";
    world.writeFile(P("C:\\Harbex\\in.lst"), file);
    ASSERT_TRUE(names().ReadNamesFile(P("C:\\Harbex\\in.lst")));
    const QList<ArchiveRow> expected{{P("0"), P("C:\\Temp\\"), P("fol0"), P(".zip")},
                                     {P("1"), P("D:\\arch\\"), P("b"), P(".ZIP")},
                                     {P("2"), P("C:\\Temp\\"), P("noext"), QString()},
                                     {P("3"), P("E:"), P("x"), P(".zip")}};
    EXPECT_EQ(names().Archives, expected);
    EXPECT_EQ(names().SBar[0], P("4"));
    EXPECT_EQ(names().SBar[1], P("C:\\Harbex\\in.lst"));
    ASSERT_TRUE(names().WriteNamesFile(P("C:\\Harbex\\out.lst")));
    EXPECT_EQ(world.readFile(P("C:\\Harbex\\out.lst")), file);

    world.writeFile(P("C:\\Harbex\\empty.lst"), "\r\n");
    EXPECT_FALSE(names().ReadNamesFile(P("C:\\Harbex\\empty.lst")));
    EXPECT_TRUE(names().Archives.isEmpty());
    EXPECT_FALSE(names().WriteNamesFile(P("C:\\Harbex\\out.lst")));
    EXPECT_EQ(world.readFile(P("C:\\Harbex\\out.lst")), file) << "nothing is written";
}

TEST_F(ArchiveNamesTest, CancelThenEditAndAcceptAsksToSaveTheChanges) {
    world.writeFile(P("C:\\Harbex\\Office.lst"), "C:\\Temp\\fol0.zip\r\nC:\\Temp\\fol1.zip\r\n");
    names().ReadNamesFile(P("C:\\Harbex\\Office.lst"));
    inWindow([](TArchivesForm& form) { form.CancelBtn->click(); });
    names().ArchiveClick();
    EXPECT_TRUE(world.prompter().records().isEmpty()) << "Cancel leaves without a question";
    EXPECT_EQ(names().SaveList.initialFolder, P("C:\\Harbex\\"));
    EXPECT_EQ(names().LoadList.initialFolder, P("C:\\Harbex\\"));
    EXPECT_EQ(names().SaveList.fileName, P("Office.lst"));

    z->model.NamesFile.clear();
    inWindow([this](TArchivesForm& form) {
        EXPECT_EQ(form.SBarCount->text(), P("2"));
        select(form, 1);
        typeName(P("Payroll"));
        form.editBtn->click();
        EXPECT_EQ(form.Archives->topLevelItem(1)->text(2), P("Payroll"));
        form.ExitBtn->click();
    });
    world.prompter().answerNext(Button::No);
    names().ArchiveClick();
    EXPECT_EQ(world.prompter().questions(), QStringList{kChanged});
    EXPECT_EQ(names().Archives[1].path(), P("C:\\Temp\\Payroll.zip"));
    EXPECT_EQ(z->model.NamesFile, P("C:\\Harbex\\Office.lst")) << "accepted, and the file exists";
    EXPECT_EQ(world.readFile(P("C:\\Harbex\\Office.lst")),
              "C:\\Temp\\fol0.zip\r\nC:\\Temp\\fol1.zip\r\n")
        << "No keeps the file as it was";
}

TEST_F(ArchiveNamesTest, AcceptAfterSaveAsMakesTheNewFileTheSetsNamesFile) {
    z->model.Zipped = true;  // the summary names the file of a compressed set
    names().Archives << ArchiveRow{P("0"), P("C:\\Temp\\"), P("fol0"), P(".zip")};
    world.dialogs().answerNext(P("C:\\Harbex\\Lists\\new"));
    world.makeFolder(P("C:\\Harbex\\Lists"));
    inWindow([](TArchivesForm& form) {
        form.Saveasbtn->click();
        EXPECT_EQ(form.SBarPath->text(), P("C:\\Harbex\\Lists\\new.lst"));
        form.ExitBtn->click();
    });
    names().ArchiveClick();
    EXPECT_TRUE(world.prompter().records().isEmpty()) << "saved: no question when leaving";
    const FileDialogRequest request = world.dialogs().requests.last();
    EXPECT_EQ(request.title, P("Save named archiveslist file"));
    EXPECT_EQ(request.filter, P("Harbex Archive List File|*.lst"));
    EXPECT_EQ(world.readFile(P("C:\\Harbex\\Lists\\new.lst")), "C:\\Temp\\fol0.zip\r\n");
    EXPECT_EQ(z->model.NamesFile, P("C:\\Harbex\\Lists\\new.lst"));
    EXPECT_TRUE(
        z->summary().SummaryPad.contains(P("Archive Names File C:\\Harbex\\Lists\\new.lst")));
}

TEST_F(ArchiveNamesTest, EditingSavingAndLeavingRefuseWhatCannotWork) {
    ScriptedPrompter& prompter = world.prompter();
    // Nothing selected, then a name no file can have: the row keeps its name.
    names().Archives << ArchiveRow{P("0"), P("C:\\Temp\\"), P("fol0"), P(".zip")};
    names().editBtnClick(-1);
    EXPECT_EQ(prompter.messages().last(), P("Nothing Selected"));
    for (const char* bad : {"a/b", "", "x:y"}) {
        typeName(P(bad));
        names().editBtnClick(0);
        EXPECT_TRUE(prompter.messages().last().contains(P("cannot be used as an archive name")))
            << bad;
        EXPECT_EQ(names().Archives[0].ArchiveName, P("fol0"));
    }
    // Save over the list file: asked first; declined, nothing has been saved.
    world.writeFile(P("C:\\Harbex\\Office.lst"), "old\r\n");
    names().SBar[1] = P("C:\\Harbex\\Office.lst");
    prompter.answerNext(Button::Cancel);
    names().SaveBtnClick();
    EXPECT_EQ(prompter.questions().last(),
              P("Overwrite Existing List File C:\\Harbex\\Office.lst"));
    EXPECT_EQ(prompter.messages().last(), P("Nothing to save"));
    EXPECT_EQ(world.readFile(P("C:\\Harbex\\Office.lst")), "old\r\n");
    prompter.answerNext(Button::Ok);
    names().SaveBtnClick();
    EXPECT_TRUE(names().ListSaved);
    EXPECT_EQ(world.readFile(P("C:\\Harbex\\Office.lst")), "C:\\Temp\\fol0.zip\r\n");
    // Leaving an unsaved, unchanged list asks the other question; Yes saves it.
    names().FormActivate();
    names().ListSaved = false;
    prompter.answerNext(Button::Yes);
    prompter.answerNext(Button::Ok);
    names().FormClose();
    EXPECT_EQ(prompter.questions().mid(prompter.questions().size() - 2),
              QStringList({kNotSaved, P("Overwrite Existing List File C:\\Harbex\\Office.lst")}));
    // An empty table has nothing to save.
    names().ClearBtnClick();
    prompter.answerNext(Button::Ok);
    names().SaveBtnClick();
    EXPECT_EQ(prompter.messages().last(), P("Nothing to save"));
    EXPECT_EQ(names().SBar[0], P("0"));
}

}  // namespace
}  // namespace harbex::test
