#include "wizard/wizard.h"

#include "app/harbexzodi.h"
#include "commonfiles/commonfiles.h"
#include "platform/platform.h"
#include "schedule/autoruns.h"
#include "sets/setcommands.h"
#include "sets/setreaderwriter.h"
#include "wizard/compressionpages.h"
#include "wizard/destinationpages.h"
#include "wizard/schedulepages.h"
#include "wizard/sourcepages.h"
#include "wizard/wizardpages.h"

namespace harbex {

Wizard::Wizard(THarbexZoDi& z)
    : z_(z),
      sources_(std::make_unique<SourcePages>(z)),
      destinations_(std::make_unique<DestinationPages>(z)),
      compression_(std::make_unique<CompressionPages>(z)),
      schedule_(std::make_unique<SchedulePages>(z)) {}

Wizard::~Wizard() = default;

// ---- starting ----

void Wizard::WizardBtnClick() {
    z_.autoRuns().StopSheduledbackups1Click();
    if (z_.NewSetMode && !askNewSetName()) return;
    Page1Header = QStringLiteral("Harbex Set-up Wizard  [") + BareFileName(z_.busFile()) +
                  QStringLiteral("]");
    z_.SinglePageEdit = false;
    ResetWizardButtons();
    BackgroundLoaded = true;
    ShowWizardPage(kPage1);
    PageHistoryCount = 0;
    // A full edit walks on from page 17 to the destinations, even when an earlier common-files
    // edit from the Options tab was left with Cancel and so never consumed its end marker.
    Page17NextTag = 0;
    // The compression temporary folder is left as the user chose it: pointing it at the root of
    // drive C: on every start would silently move the set's archives there.
    CurrentTreeFolder = QStringLiteral("C:");
}

bool Wizard::askNewSetName() {
    const std::optional<QString> path = z_.sets().AskNewSetName();
    if (path) {
        z_.setBusFile(*path);
        return true;
    }
    if (Files().fileExists(z_.busFile())) z_.setFile().LoadbackupsetClick(LoadSender::StatusPanel);
    return false;
}

// ---- pages and buttons ----

void Wizard::ShowWizardPage(int index) {
    if (index < 0 || index >= kWizardPageCount) return;
    if (index == kPage8) destinations_->FillDestinationDrives();
    visible_ = true;
    active_ = index;
    z_.refreshOptionsPanel();
}

void Wizard::showActivePageAgain() {
    if (visible_) ShowWizardPage(active_);
}

void Wizard::ApplicationActivated() {
    showActivePageAgain();
}

void Wizard::ResetWizardButtons() {
    DoneButtons = false;
}

QString Wizard::nextCaption(int index) const {
    if (DoneButtons && PageInfo(index).switchable) return QStringLiteral("Done");
    return index == kPage14 ? QStringLiteral("Finish") : QStringLiteral("Next");
}

bool Wizard::lastVisible(int index) const {
    return index != kPage1 && !(DoneButtons && PageInfo(index).switchable);
}

void Wizard::CloseWizard() {
    visible_ = false;
    BackgroundLoaded = false;
    z_.refreshOptionsPanel();
}

void Wizard::closeWithoutPrompt() {
    CloseWizard();
    z_.SinglePageEdit = false;
    ResetWizardButtons();
}

void Wizard::askForAnEntry(const QString& question, int helpTopic, int page) {
    if (Prompts().question(question, IconKind::Error, {Button::Ok, Button::Cancel, Button::Help},
                           helpTopic) == Button::Ok)
        ShowWizardPage(page);
    else
        closeWithoutPrompt();
}

void Wizard::doneOrNext(int page, int nextPage) {
    pushHistory(page);
    if (z_.SinglePageEdit)
        closeWithoutPrompt();
    else
        ShowWizardPage(nextPage);
}

void Wizard::pushHistory(int index) {
    if (PageHistoryCount >= kHistorySize) {
        std::move(PageHistory.begin() + 1, PageHistory.end(), PageHistory.begin());
        PageHistoryCount = kHistorySize - 1;
    }
    PageHistory[static_cast<size_t>(PageHistoryCount++)] = index;
}

void Wizard::PageBackClick() {
    if (PageHistoryCount < 1) return;
    --PageHistoryCount;
    ShowWizardPage(PageHistory[static_cast<size_t>(PageHistoryCount)]);
}

void Wizard::JumpToWizardClick(int tag) {
    DoneButtons = true;
    BackgroundLoaded = true;
    if (tag == kPage16)
        Page17NextTag = 1;
    else
        z_.SinglePageEdit = true;
    ShowWizardPage(tag);
}

void Wizard::NextClick(int index) {
    SourcePages& s = *sources_;
    DestinationPages& d = *destinations_;
    CompressionPages& c = *compression_;
    switch (index) {
        case kPage1:
            s.Page1nextClick();
            break;
        case kPage2:
            s.Page2nextClick();
            break;
        case kPage3:
            s.Page3NextClick();
            break;
        case kPage4:
            s.Page4NextClick();
            break;
        case kPage5:
            s.Page5NextClick();
            break;
        case kPage6:
            d.Page6NextClick();
            break;
        case kPage7:
            d.Page7NextClick();
            break;
        case kPage8:
            d.Page8NextClick();
            break;
        case kPage9:
            c.Page9NextClick();
            break;
        case kPage10:
            c.Page10NextClick();
            break;
        case kPage11:
            c.Page11NextClick();
            break;
        case kPage12:
            schedule_->Page12nextClick();
            break;
        case kPage13:
            schedule_->page13nextClick();
            break;
        case kPage14:
            WizardCancel();
            break;
        case kPage15:
            d.Page15NextClick();
            break;
        case kPage17:
        case kPage16:
            commonFilesNext(index);
            break;
        default:
            break;
    }
}

void Wizard::commonFilesNext(int index) {
    CommonFiles& c = z_.commonFiles();
    // The search page's lists are the search's own until it ends.
    if (c.searching()) return;
    const PageStep step = index == kPage16 ? c.Page16nextClick() : c.Page17NextClick();
    switch (step) {
        case PageStep::ShowPage16:
            ShowWizardPage(kPage16);
            break;
        case PageStep::ShowPage17:
            pushHistory(kPage16);
            ShowWizardPage(kPage17);
            break;
        case PageStep::ShowPage6:
            pushHistory(kPage17);
            ShowWizardPage(kPage6);
            break;
        case PageStep::CloseWizard:
            closeWithoutPrompt();
            break;
    }
}

}  // namespace harbex
