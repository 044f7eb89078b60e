#include "ui/mapdrivedialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/platform.h"

namespace harbex {

TMapDriveDialog::TMapDriveDialog(QWidget* parent, const HostPaths& current)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), current_(current) {
    setObjectName(QStringLiteral("MapDrive"));
    setWindowTitle(QStringLiteral("Map Network Drive"));
    auto* intro = new QLabel(
        QStringLiteral("Choose a drive letter and the folder it stands for.\nLeave the folder "
                       "empty to disconnect the letter."));
    Drive = new QComboBox;
    for (char16_t letter = u'A'; letter <= u'Z'; ++letter)
        Drive->addItem(QString(QChar(letter)) + u':');
    Folder = new QLineEdit;
    Folder->setMinimumWidth(320);
    NetworkRoot = new QLineEdit(current.networkRoot());
    BrowseFolder = new QPushButton(QStringLiteral("&Browse..."));
    BrowseNetwork = new QPushButton(QStringLiteral("B&rowse..."));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("&Drive:")), 0, 0);
    grid->addWidget(Drive, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("&Folder:")), 1, 0);
    grid->addWidget(Folder, 1, 1);
    grid->addWidget(BrowseFolder, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("&Network:")), 2, 0);
    grid->addWidget(NetworkRoot, 2, 1);
    grid->addWidget(BrowseNetwork, 2, 2);
    for (int row = 0; row < 3; ++row)
        static_cast<QLabel*>(grid->itemAtPosition(row, 0)->widget())
            ->setBuddy(grid->itemAtPosition(row, 1)->widget());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(grid);
    layout->addWidget(buttons);

    connect(Drive, &QComboBox::currentIndexChanged, this, &TMapDriveDialog::showDrive);
    connect(BrowseFolder, &QPushButton::clicked, this,
            [this] { browse(Folder, QStringLiteral("Folder of the drive")); });
    connect(BrowseNetwork, &QPushButton::clicked, this,
            [this] { browse(NetworkRoot, QStringLiteral("Folder of the network")); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    // Start on the first letter after C that is not mapped yet: the one a user usually wants.
    int first = 2;
    while (first < Drive->count() - 1 && current.isMapped(QChar(u'A' + first))) ++first;
    Drive->setCurrentIndex(first);
    showDrive(first);
    setFixedSize(sizeHint());
}

void TMapDriveDialog::showDrive(int index) {
    Folder->setText(current_.driveFolder(QChar(u'A' + index)));
}

void TMapDriveDialog::browse(QLineEdit* target, const QString& title) {
    if (const auto chosen = CurrentPlatform().dialogs->chooseHostFolder(title, target->text()))
        target->setText(*chosen);
}

DriveMapChoice TMapDriveDialog::choice() const {
    return {QChar(u'A' + Drive->currentIndex()), Folder->text(), NetworkRoot->text()};
}

}  // namespace harbex
