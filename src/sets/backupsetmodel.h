#pragma once

#include <QString>
#include <QStringList>
#include <QTime>
#include <array>

namespace harbex {

// The one current backup set. Field names are those of the controls that show them; radio groups
// and combo boxes hold their item index (-1 when nothing is chosen).
struct BackupSetModel {
    // Source
    int What = 2;          // 0 all files ... 3 none of the above
    int Extensions = 0;    // 0 folders and filters, 1 browser files, 2 common file types, 3 unsure
    bool ReCheck = false;  // search the common files again before each backup
    std::array<bool, 16> FileTypes{};  // the check boxes of Filetypesgroup, tags 0 to 15
    QStringList FilterList;
    QStringList DirSource;  // only the first UserFolderCount entries belong to the set
    bool Recurse = false;
    bool RecurseEnabled = true;
    QStringList RootList;

    // Destinations
    bool UseDailyFolders = false;
    std::array<bool, 7> Days{};  // Sunday to Saturday
    bool UseSpecificFolders = false;
    QStringList DestList;
    QStringList Drivelist;    // active drives
    QStringList RemovedList;  // deactivated drives

    // Compression
    bool Zipped = false;
    bool ZippedEnabled = true;
    int ZipFiles = 3;     // 0 one archive, 1 per folder, 2 per filter, 3 per folder and filter
    int FixedOption = 0;  // 0 by names, 1 numbered, 2 from the names list, 3 one file option
    int Nametype = 1;     // 0 the day of the week, 1 this name
    QString ZipCoreName = QStringLiteral("Keelwi");
    int ZipOptions = 1;  // 0 freshen, 1 update, 2 add
    bool RecurseZip = false;
    QString NamesFile;  // the ".lst" file of archive names, or empty

    // Start
    int autotype = 0;    // 0 manual, 1 scheduled, 2 at start-up
    int ShedType = 0;    // 0 daily, 1 weekly, 2 monthly, 3 yearly
    int DowSelect = 1;   // 0 Sunday ... 6 Saturday
    int DayOfMonth = 1;  // the position of UpDown1, 1 to 31
    QTime TimePicker = QTime(13, 55, 9);
    int MounthPicker = 0;  // 0 January ... 11 December

    bool operator==(const BackupSetModel&) const = default;
};

// Item counts of the radio groups and combo boxes, for the rule "an index beyond the last item
// selects the last item" (radio groups) and "an unknown index selects nothing" (combo boxes).
int ClampRadioIndex(int index, int itemCount);
int ComboIndex(int index, int itemCount);
int ClampDayOfMonth(int day);

// The side file of the set for an extension (".brw", ".dlf", ".lst"): the set file's name with
// that extension in the program's folder, or "Default" with it when the set file's folder does
// not exist.
QString CompanionFileName(const QString& setPath, const QString& extension,
                          const QString& programFolder);

// The set's own folders in DirSource: a collection appends the sub-folders it found after the
// first userFolderCount entries (0: every entry is the set's own).
QStringList OwnFolders(const QStringList& dirSource, int userFolderCount);

// The archive core name. The set owns ZipCoreName and Nametype; what the core name box ZipName
// shows and the name in use are derived from them: the weekday name for "The day of the week",
// otherwise the set's own name, or "KEELWICK" when it has none.
QString ZipNameText(const BackupSetModel& model, const QString& weekday);
// The core name in use for naming archives: the first six characters of ZipNameText.
QString CoreNameOf(const BackupSetModel& model, const QString& weekday);
// The caption of Nametype's second item: the core name box's text, or "No Zip name set" when
// that is shorter than two characters.
QString NametypeSecondCaption(const BackupSetModel& model, const QString& weekday);

// The file name part of a program path (after the last "\" or "/").
QString FileNameOf(const QString& path);
// The file name part of a program path without its extension.
QString BareFileName(const QString& path);
// The folder part of a program path, without trailing backslash.
QString FolderOf(const QString& path);

}  // namespace harbex
