#pragma once

#include <QString>
#include <QStringList>

namespace harbex {

class THarbexZoDi;
enum class LoadSender;

// The operations on the current set as a whole: reading and writing its file, the default set,
// applying the set's rules to the window, the save and new-set commands and the summary.
class SetCommands {
  public:
    explicit SetCommands(THarbexZoDi& z) : z_(z) {}

    // Set file
    void LoadbackupsetClick(LoadSender sender);
    void WriteSetText();

    // Whole-set commands
    void BuildDefaultSet(bool withDefaultPath);
    void RefreshOptions();
    void SavebackupSet2Click();
    void Savedlg();
    void CreateBackupSetClick();
    void NewBackupset1Click();
    void EditExisting1Click();
    void DefsbtnClick();
    // Closing with "Save Backup Set on Exit": the set text composed at closing goes to its file.
    void SaveSetOnExit();

    // Summary
    void BuildSummary();
    void SummaryClick();
    void ViewBackupOperation1Click();
    void ShowBus(bool displayBusFile);
    QStringList SummaryPad;
    bool DisplayBUSFile = false;

    // The archive core name in use (weekday or the set's own name), at most six characters.
    QString CoreName = QStringLiteral("Keelwi");

  private:
    // A set file that exists but could not be read is not the set in memory: saving over it
    // without asking would destroy it. Returns whether the path may be written.
    bool mayReplace(const QString& path);
    bool readSetText(LoadSender sender, QStringList* lines);
    void applyLoadedSet(const QStringList& lines);
    bool saveCurrentSetIfItExists();
    bool sequencingCheck();
    void applyCompressionRules();
    void applyNaming();
    void applyMode();
    THarbexZoDi& z_;
    QString unreadSetFile_;  // the set file whose last load failed, while the path names it
};

}  // namespace harbex
