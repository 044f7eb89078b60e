#include "sets/summary.h"

#include <array>

#include "util/datetimetext.h"
#include "util/stringutils.h"
#include "util/weekdays.h"

namespace harbex {

namespace {

const QString kSeparator = QStringLiteral("-------------------------------------");

// Folder lists can be long, so the summary cuts them short after this position (counted from 0).
constexpr int kLastPositionBeforeEtc = 2;

// Entries separated by two blanks, with one blank before the first and after the last.
QString ListLine(const QStringList& entries) {
    QString line;
    for (const QString& entry : entries) line += u' ' + entry + u' ';
    return line;
}

// Folders last to first. Writing an entry beyond the cut-off position ends the line with " etc",
// so a list of four or more shows only its last folder.
QString FolderListLine(const QStringList& folders) {
    QString line;
    for (qsizetype position = folders.size() - 1; position >= 0; --position) {
        line += u' ' + folders.at(position) + u' ';
        if (position > kLastPositionBeforeEtc) {
            line += QStringLiteral(" etc");
            break;
        }
    }
    return line;
}

QStringList LastToFirst(const QStringList& entries) {
    QStringList reversed;
    reversed.reserve(entries.size());
    for (qsizetype i = entries.size() - 1; i >= 0; --i) reversed.append(entries.at(i));
    return reversed;
}

// Drives are listed with a leading blank only, unlike the other lists.
QString DriveLine(const QStringList& drives) {
    QString line;
    for (const QString& drive : drives) line += u' ' + drive;
    return line;
}

QString EnabledWord(bool enabled) {
    return enabled ? QStringLiteral("ENABLED") : QStringLiteral("DISABLED");
}

void AppendFolderSource(QStringList& lines, const BackupSetModel& model) {
    lines << QStringLiteral("Filters ") << ListLine(LastToFirst(model.FilterList));
    lines << QStringLiteral("Source Folders (%1)").arg(model.DirSource.size());
    lines << FolderListLine(model.DirSource);
    if (model.Recurse) lines << QStringLiteral("Recursing Sub folders");
}

void AppendSource(QStringList& lines, const SummaryInputs& inputs) {
    lines << QStringLiteral("SOURCE SELECTION ");
    if (inputs.model.Extensions == 0) {
        AppendFolderSource(lines, inputs.model);
        return;
    }
    lines << QStringLiteral("Source Files selected with Browser ");
    lines << (inputs.browserFileExists ? inputs.browserFile
                                       : QStringLiteral("Browser file not found"));
}

QString DailyFolderDaysLine(const BackupSetModel& model) {
    QStringList days;
    for (int day = 0; day < static_cast<int>(model.Days.size()); ++day)
        if (model.Days[day]) days << WeekdayName(day + 1);
    return days.isEmpty() ? QStringLiteral("NO DAILY FOLDERS SET") : ListLine(days);
}

void AppendDestinations(QStringList& lines, const BackupSetModel& model) {
    lines << QStringLiteral("DESTINATION SELECTION ");
    lines << QStringLiteral("DAILY FOLDERS ") + EnabledWord(model.UseDailyFolders);
    lines << DailyFolderDaysLine(model);
    lines << QStringLiteral("SPECIFIC FOLDERS ") + EnabledWord(model.UseSpecificFolders);
    lines << FolderListLine(model.DestList);
}

// How the archives of a folder, filter or folder-and-filter grouping are named.
QString NamingText(int zipFiles, int fixedOption) {
    static const std::array<std::array<const char*, 3>, 3> texts = {{
        {"Folder, identified by first character of folder name",
         "Folder, identified by \"fol\" plus a number", "Folder, identified by your list of names"},
        {"Filter, identified by first character of filter",
         "Filter, identified by \"fil\" plus a number", "Filter, identified by your list of names"},
        {"Filter in each Folder, identified by first character of both",
         "Filter in each Folder, identified by \"f\" plus a number",
         "Filter in each Folder, identified by your list of names"},
    }};
    if (fixedOption < 0 || fixedOption > 2) return QString();
    return QString::fromLatin1(texts[zipFiles - 1][fixedOption]);
}

QString GroupingLine(const SummaryInputs& inputs) {
    const int zipFiles = inputs.model.ZipFiles;
    const int fixedOption = inputs.model.FixedOption;
    if (zipFiles == 0)
        return QStringLiteral("Single Archive: ") + AddBackslash(inputs.settings.ZipTemp) +
               inputs.coreName + QStringLiteral(".zip");
    if (zipFiles < 1 || zipFiles > 3) return QString();
    if (fixedOption == 3) return QStringLiteral("Single Archive file option");
    return QStringLiteral("One archive for each ") + NamingText(zipFiles, fixedOption);
}

void AppendArchiveDetails(QStringList& lines, const SummaryInputs& inputs) {
    lines << (inputs.zipParameters.isEmpty()
                  ? QStringLiteral("No Zip Parameters Set")
                  : QStringLiteral("Zip Parameters ") + inputs.zipParameters);
    lines << (inputs.namesFileExists
                  ? QStringLiteral("Archive Names File ") + inputs.model.NamesFile
                  : QStringLiteral("No Archive Names File exists"));
    if (inputs.model.RecurseZip) lines << QStringLiteral("Recurse Sub Folders");
    if (inputs.settings.DelTemps) lines << QStringLiteral("Delete Temporary Folders");
}

void AppendCompression(QStringList& lines, const SummaryInputs& inputs) {
    lines << QStringLiteral("COMPRESSION OPTIONS SELECTED");
    if (!inputs.model.Zipped) {
        lines << QStringLiteral("No Compression");
        return;
    }
    lines << QStringLiteral("Compressed archives will be created");
    lines << (inputs.settings.internal
                  ? QStringLiteral("Using internal compression")
                  : QStringLiteral("Using third pary compression engine: ") + inputs.zipUtil);
    lines << GroupingLine(inputs);
    AppendArchiveDetails(lines, inputs);
}

QString ScheduleLine(const BackupSetModel& model) {
    if (model.autotype != 1) return QString();
    const QString at = QStringLiteral(" at ") + TimeText(model.TimePicker);
    const QString day = QString::number(model.DayOfMonth);
    switch (model.ShedType) {
        case 0:
            return QStringLiteral("Daily") + at;
        case 1:
            return QStringLiteral("Weekly on ") + WeekdayName(model.DowSelect + 1) + at;
        case 2:
            return QStringLiteral("Monthly on the ") + day + at;
        case 3:
            return QStringLiteral("Yearly on the ") + day + QStringLiteral(" of ") +
                   MonthName(model.MounthPicker + 1) + at;
        default:
            return QString();
    }
}

void AppendSequencing(QStringList& lines, const SummaryInputs& inputs) {
    lines << QStringLiteral("Sequencing Mode is active");
    if (inputs.sequenceIndex == -1)
        lines << QStringLiteral("The Current BUS file is the last in sequence");
    else
        lines << QStringLiteral("Current BUS file is number %1 in Sequence of %2")
                     .arg(inputs.sequenceIndex)
                     .arg(inputs.countDueToday);
    lines << (inputs.settings.Skip ? QStringLiteral("Missed backups will be skipped")
                                   : QStringLiteral("Harbex will terminate if a Backup is Missed"));
}

void AppendDrives(QStringList& lines, const BackupSetModel& model) {
    lines << QStringLiteral("Avalible Drives") << DriveLine(model.Drivelist);
    lines << QStringLiteral("Disconnected Drives");
    lines << (model.RemovedList.isEmpty() ? QStringLiteral("NONE") : DriveLine(model.RemovedList));
}

void AppendGeneral(QStringList& lines, const SummaryInputs& inputs) {
    const AppSettings& settings = inputs.settings;
    lines << QStringLiteral("GENERAL OPTIONS ");
    lines << QStringLiteral("Auto ") + inputs.autotypeCaption;
    lines << ScheduleLine(inputs.model);
    if (settings.Duplicates) lines << QStringLiteral("Duplicate file handling Activated");
    if (settings.StartUp) lines << QStringLiteral("Harbex will start at power up");
    lines << QStringLiteral("Wait %1 Seconds").arg(settings.DelayTime());
    lines << QStringLiteral("Core Name ") + inputs.model.ZipCoreName;
    AppendDrives(lines, inputs.model);
    if (settings.SequencingMode) AppendSequencing(lines, inputs);
}

void AppendLogging(QStringList& lines, const SummaryInputs& inputs) {
    const AppSettings& settings = inputs.settings;
    if (!settings.EnabLog) {
        lines << QStringLiteral("LOGGING DISABLED");
        return;
    }
    lines << QStringLiteral("LOGGING ENABLED");
    const QString bracketed = u'[' + inputs.logFileName + u']';
    switch (settings.LogOptions) {
        case 0:
            lines << QStringLiteral("Single File ") + inputs.logFileName;
            break;
        case 1:
            lines << QStringLiteral("Daily ") + bracketed;
            break;
        case 2:
            lines << QStringLiteral("Monthly ") + bracketed;
            break;
        case 3:
            lines << QStringLiteral("Sequential %1 ").arg(settings.LogCounter) + bracketed;
            break;
        default:
            break;
    }
}

}  // namespace

QString AutotypeCaption(int autotype) {
    static const std::array<const char*, 3> captions = {
        "No  I want to use Harbex manualy",
        "Yes I want to Schedule this Backup to run at a certain time",
        "I want Harbex to backup my files when it starts"};
    if (autotype < 0 || autotype > 2) return QString();
    return QString::fromLatin1(captions[autotype]);
}

QStringList BuildSummaryLines(const SummaryInputs& inputs) {
    QStringList lines;
    AppendSource(lines, inputs);
    lines << kSeparator;
    AppendDestinations(lines, inputs.model);
    lines << kSeparator;
    AppendCompression(lines, inputs);
    lines << kSeparator;
    AppendGeneral(lines, inputs);
    lines << kSeparator;
    AppendLogging(lines, inputs);
    return lines;
}

}  // namespace harbex
