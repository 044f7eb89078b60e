#pragma once

#include <QString>
#include <optional>

namespace harbex {

class THarbexZoDi;

// The operations on the current set as a whole: the default set, applying the set's rules to
// the window (RefreshOptions), and the save and new-set commands.
class SetCommands {
  public:
    explicit SetCommands(THarbexZoDi& z) : z_(z) {}

    void BuildDefaultSet(bool withDefaultPath);
    void RefreshOptions();
    void SavebackupSet2Click();
    void Savedlg();
    void CreateBackupSetClick();
    void NewBackupset1Click();
    void EditExisting1Click();
    // The new-set name dialog, asked again until the name can be a set file's: the path of the
    // new set's file in the program's folder, or nothing when the dialog was cancelled.
    std::optional<QString> AskNewSetName();
    void DefsbtnClick();
    // Closing with "Save Backup Set on Exit": the set text composed at closing goes to its file.
    void SaveSetOnExit();
    // "Save Backup Set " on the Summary tab: saves under a name the user chooses.
    void SaveBackupsetClick();

    // Set fields shown as actions: a click toggles them.
    void UseSpecificFoldersExecute();
    void ReCheckExecute();

    // The archive core name in use (weekday or the set's own name), at most six characters.
    QString CoreName() const;

  private:
    bool saveCurrentSetIfItExists();
    bool sequencingCheck();
    void applyCompressionRules();
    void applyNaming();
    void applyMode();
    THarbexZoDi& z_;
};

}  // namespace harbex
