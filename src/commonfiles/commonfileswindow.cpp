#include "commonfiles/commonfileswindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "app/harbexzodi.h"
#include "commonfiles/commonfiles.h"
#include "commonfiles/filetypespage.h"
#include "commonfiles/searchpage.h"
#include "platform/platform.h"

namespace harbex {

CommonFilesWindow::CommonFilesWindow(THarbexZoDi& z, QWidget* parent) : QDialog(parent), z_(z) {
    setObjectName(QStringLiteral("CommonFilesWindow"));
    heading_ = new QLabel;
    QFont font = heading_->font();
    font.setBold(true);
    font.setPointSize(font.pointSize() + 3);
    heading_->setFont(font);
    Page16 = new FileTypesPage(z_);
    Page17 = new SearchPage(z_);
    pages_ = new QStackedWidget;
    pages_->addWidget(Page16);
    pages_->addWidget(Page17);
    // Opened from the Options tab, both pages end with Done, as a single-page edit does.
    Next = new QPushButton(QStringLiteral("Done"));
    Next->setObjectName(QStringLiteral("Next"));
    Cancel = new QPushButton(QStringLiteral("Cancel"));
    Cancel->setObjectName(QStringLiteral("Cancel"));
    connect(Next, &QPushButton::clicked, this, &CommonFilesWindow::NextClick);
    connect(Cancel, &QPushButton::clicked, this, &CommonFilesWindow::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Next);
    buttons->addWidget(Cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addWidget(pages_, 1);
    layout->addLayout(buttons);
    resize(900, 640);
    z_.commonFiles().showWizardPage = [this](int page) { showPage(page); };
    showPage(16);
}

CommonFilesWindow::~CommonFilesWindow() {
    z_.commonFiles().showWizardPage = nullptr;
}

void CommonFilesWindow::showPage(int page) {
    page_ = page;
    const QString title = page == 16 ? QStringLiteral("Harbex Wizard (Common Files 1)")
                                     : QStringLiteral("Harbex Wizard (Common Files 2)");
    setWindowTitle(title);
    heading_->setText(title);
    pages_->setCurrentWidget(page == 16 ? static_cast<QWidget*>(Page16) : Page17);
}

void CommonFilesWindow::NextClick() {
    CommonFiles& c = z_.commonFiles();
    if (c.searching()) return;
    const PageStep step = page_ == 16 ? c.Page16nextClick() : c.Page17NextClick();
    switch (step) {
        case PageStep::ShowPage16:
            showPage(16);
            break;
        case PageStep::ShowPage17:
            showPage(17);
            break;
        case PageStep::ShowPage6:
        case PageStep::CloseWizard:
            accept();
            break;
    }
}

void CommonFilesWindow::reject() {
    z_.commonFiles().AbortSearch();
    QDialog::reject();
}

void OpenCommonFilesPages(THarbexZoDi& z) {
    z.commonFiles().Page17NextTag = 1;
    CommonFilesWindow window(z, &z);
    CurrentPlatform().dialogs->execForm(window);
    // What the pages changed shows on the Options panel.
    z.refreshOptionsPanel();
}

}  // namespace harbex
