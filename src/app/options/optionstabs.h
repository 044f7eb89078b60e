#pragma once

#include <QString>

class QBoxLayout;
class QPushButton;
class QWidget;

namespace harbex {

class THarbexZoDi;
class OptionsBinder;

// The pages of the Options panel, in the panel's order. Each builds its widgets in the order they
// appear, so that Tab moves through them as they are read, and binds them to their owners.
QWidget* BuildDailyFoldersTab(THarbexZoDi& z, OptionsBinder& b);
QWidget* BuildDrivesTab(THarbexZoDi& z, OptionsBinder& b);
QWidget* BuildSourceTab(THarbexZoDi& z, OptionsBinder& b);
QWidget* BuildDestinationTab(THarbexZoDi& z, OptionsBinder& b);
QWidget* BuildMiscTab(THarbexZoDi& z, OptionsBinder& b);
QWidget* BuildBackupSetTab(THarbexZoDi& z, OptionsBinder& b);
QWidget* BuildScheduleTab(THarbexZoDi& z, OptionsBinder& b);
QWidget* BuildZipTab(THarbexZoDi& z, OptionsBinder& b);
QWidget* BuildRizIvezurTab(THarbexZoDi& z, OptionsBinder& b);
QWidget* BuildSummaryTab(THarbexZoDi& z, OptionsBinder& b);
QWidget* BuildSequenceListTab(THarbexZoDi& z, OptionsBinder& b);
QWidget* BuildCommonTab(THarbexZoDi& z, OptionsBinder& b);
QWidget* BuildDiagsTab(THarbexZoDi& z, OptionsBinder& b);

// The row every page ends with: "Exit Options" and the help button for the page's topic.
void AddExitAndHelp(QBoxLayout* page, THarbexZoDi& z, OptionsBinder& b, int helpContext);
// A button that opens one page of the set-up wizard by itself; the tag is the page's position.
QPushButton* WizardButton(THarbexZoDi& z, OptionsBinder& b, const QString& name,
                          const QString& caption, int tag, const QString& pageTitle);
// A plain text line of the page.
QWidget* Text(OptionsBinder& b, const QString& text);

}  // namespace harbex
