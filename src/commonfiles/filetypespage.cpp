#include "commonfiles/filetypespage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/harbexzodi.h"
#include "commonfiles/commonfiles.h"
#include "commonfiles/filetypegroups.h"

namespace harbex {

FileTypesPage::FileTypesPage(THarbexZoDi& z, QWidget* parent) : QWidget(parent), z_(z) {
    auto* group = new QGroupBox(QStringLiteral("File types"));
    group->setObjectName(QStringLiteral("Filetypesgroup"));
    auto* grid = new QGridLayout(group);
    const auto& names = FileTypeCheckBoxNames();
    for (int i = 0; i < 16; ++i) {
        QCheckBox* box = boxes[static_cast<size_t>(i)] = new QCheckBox;
        box->setObjectName(QString::fromLatin1(names[static_cast<size_t>(i)]));
        box->setProperty("tag", i);
        connect(box, &QCheckBox::toggled, this,
                [this, i](bool checked) { z_.model.FileTypes[static_cast<size_t>(i)] = checked; });
        // Two columns, read down the first and then down the second.
        grid->addWidget(box, i % 8, i / 8);
    }
    Clearbtn = new QPushButton(QStringLiteral("Clear"));
    Clearbtn->setObjectName(QStringLiteral("Clearbtn"));
    connect(Clearbtn, &QPushButton::clicked, this, [this] { z_.commonFiles().ClearbtnClick(); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Clearbtn);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    layout->addStretch(1);
    connect(&z_.commonFiles(), &CommonFiles::changed, this, &FileTypesPage::refresh);
    refresh();
}

void FileTypesPage::refresh() {
    for (size_t i = 0; i < boxes.size(); ++i) {
        const QSignalBlocker blocker(boxes[i]);
        boxes[i]->setText(z_.view.FileTypeCaptions[i]);
        boxes[i]->setChecked(z_.model.FileTypes[i]);
    }
}

}  // namespace harbex
