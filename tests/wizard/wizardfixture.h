#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "drives/drivelists.h"
#include "sets/setreaderwriter.h"

#include "sets/setfile.h"
#include "support/controllerfixture.h"
#include "ui/newsetform.h"
#include "ui/wizardprompt.h"
#include "wizard/destinationpages.h"
#include "wizard/foldertree.h"
#include "wizard/sourcepages.h"
#include "wizard/wizard.h"
#include "wizard/wizardpages.h"
#include "wizard/wizardview.h"

namespace harbex::test {

// The wizard on a test machine: a set named Office on drive D:, loaded from its file.
class WizardTest : public ControllerTest {
  protected:
    THarbexZoDi& loadedOffice() {
        BackupSetModel set;
        set.FilterList = {P("*.doc")};
        set.DirSource = {P("C:\\Data")};
        set.UseDailyFolders = true;
        set.Days[1] = true;
        set.Drivelist = {P("D:")};
        world.makeFolder(P("D:\\Sets"));
        world.writeFile(office, ComposeSetText(set, 1).toUtf8());
        THarbexZoDi& c = controller();
        c.panels.set(1, office);
        c.setFile().LoadbackupsetClick(LoadSender::StatusPanel);
        world.prompter().clear();
        return c;
    }
    // The wizard started on the loaded set.
    Wizard& started() {
        THarbexZoDi& c = z ? *z : loadedOffice();
        c.NewSetMode = false;
        c.WizardBtnClick();
        return c.wizard();
    }
    // The history as a list, oldest first.
    QList<int> history() const {
        const Wizard& w = z->wizard();
        return QList<int>(w.PageHistory.begin(), w.PageHistory.begin() + w.PageHistoryCount);
    }
    WizardPage& page(int index) { return *z->findChild<WizardView*>()->page(index); }
    // Plays the user at the end prompt: presses the button with this tag (-1: the close box).
    void answerPrompt(int tag) {
        world.dialogs().onNextForm([this, tag](QDialog& form) {
            auto& prompt = dynamic_cast<TWizardPrompt&>(form);
            promptOffersUpdate = !prompt.Replace->isHidden();
            promptSaveText = prompt.Label3->text();
            QPushButton* buttons[] = {prompt.Dump, prompt.SaveSettings, prompt.Replace,
                                      prompt.EditSeqBtn};
            if (tag < 0)
                prompt.reject();
            else
                buttons[tag]->click();
        });
    }
    // Plays the user in the new set dialog.
    void answerName(const QString& name, bool ok = true) {
        world.dialogs().onNextForm([name, ok](QDialog& form) {
            auto& dialog = dynamic_cast<TNewSetForm&>(form);
            dialog.NewName->setText(name);
            (ok ? dialog.DsFancyButton2 : dialog.DsFancyButton1)->click();
        });
    }
    // Clicks a folder of a tree as the user would.
    void clickFolder(FolderTree& tree, const QString& path) {
        QTreeWidgetItem* node = tree.find(path);
        ASSERT_NE(node, nullptr) << path.toStdString();
        tree.setCurrentItem(node);
    }
    QString text(const QString& path) const { return QString::fromUtf8(world.readFile(path)); }

    const QString office = P("D:\\Sets\\Office.bus");
    bool promptOffersUpdate = false;
    QString promptSaveText;
};

}  // namespace harbex::test
