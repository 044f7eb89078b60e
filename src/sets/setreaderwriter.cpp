#include "sets/setreaderwriter.h"

#include "app/harbexzodi.h"
#include "drives/drivelists.h"
#include "engine/archivenames.h"
#include "platform/platform.h"
#include "schedule/autoruns.h"
#include "schedule/sequencelist.h"
#include "sets/setcommands.h"
#include "sets/setfile.h"
#include "sets/setreaderhooks.h"
#include "util/listfile.h"

namespace harbex {
namespace {

QString FixedOptionCode(int fixedOption) {
    switch (fixedOption) {
        case 0:
            return QStringLiteral("FN");
        case 1:
            return QStringLiteral("NN");
        case 2:
            return QStringLiteral("AN");
        case 3:
            return QStringLiteral("SF");
        default:
            return QString();
    }
}

// A side file of the set: absent is normal, present but unreadable is reported.
TextReadResult ReadSideFile(const QString& path) {
    if (!Files().fileExists(path)) return {};
    TextReadResult read = Files().readLines(path);
    if (!read.ok) Prompts().message(read.error);
    read.lines = ListFileEntries(read.lines);
    return read;
}

}  // namespace

// ---- reading ----

bool SetReaderWriter::readSetText(LoadSender sender, QStringList* lines, QString* failure) {
    cancelled_ = false;
    auto readFile = [lines, failure](const QString& path) {
        const TextReadResult read = Files().readLines(path);
        if (!read.ok) {
            if (failure)
                *failure = read.error;
            else
                Prompts().message(read.error);
            return false;
        }
        *lines = read.lines;
        return true;
    };
    if (sender == LoadSender::StatusPanel) return readFile(z_.busFile());
    const auto chosen = CurrentPlatform().dialogs->openFile(
        {QStringLiteral("Load Backup Set"), QStringLiteral("Keelwick Backup files|*.BUS"),
         QStringLiteral("*.BUS"), z_.programFolder(), QStringLiteral("Default")});
    if (!chosen) {
        // Cancel reads the set again from the text last read or composed.
        cancelled_ = true;
        *lines = SplitTextLines(z_.Netsave);
        return true;
    }
    if (!readFile(*chosen)) return false;
    z_.setBusFile(*chosen);
    return true;
}

bool SetReaderWriter::LoadbackupsetClick(LoadSender sender, QString* failure) {
    QStringList lines;
    if (!readSetText(sender, &lines, failure)) {
        // The path still names that file, but the set in memory is another one.
        if (sender == LoadSender::StatusPanel) unreadSetFile_ = z_.busFile();
        return false;
    }
    unreadSetFile_.clear();
    z_.Netsave = JoinLinesCrLf(lines);
    // The panel shows nothing of a half-read set.
    const bool optionsWereVisible = z_.view.OptionsVisible;
    z_.view.OptionsVisible = false;
    z_.refreshOptionsPanel();
    applyLoadedSet(lines);
    if (optionsWereVisible) z_.view.OptionsVisible = true;
    z_.UserFolderCount = static_cast<int>(z_.model.DirSource.size());
    z_.sets().RefreshOptions();
    return !cancelled_;
}

void SetReaderWriter::applyLoadedSet(const QStringList& lines) {
    BackupSetModel& m = z_.model;
    ControllerReaderHooks hooks(z_);
    const SetReadResult result = ReadSetLines(lines, m, z_.panels.text(2), hooks);
    // The Drives tab's copies show what the set's drive sections held.
    z_.driveLists().refillMirrors();
    z_.panels.set(2, result.zipParameters);
    if (result.compSeen) z_.panels.set(3, result.compIndicator);

    if (m.FixedOption == 2 && m.Extensions == 0 && z_.archiveNames().Archives.isEmpty())
        Prompts().message(
            QStringLiteral("No archive names file was loaded, Please run the Wizard"));
    if (m.Extensions == 1) {
        const QString browserFile =
            CompanionFileName(z_.busFile(), QStringLiteral(".brw"), z_.programFolder());
        const TextReadResult read = ReadSideFile(browserFile);
        if (read.ok) {
            z_.BackupSet = read.lines;
            z_.BrowserFilesChosen = true;
        }
    }
    if (m.Extensions == 2 && !m.ReCheck) {
        const QString listFile =
            CompanionFileName(z_.busFile(), QStringLiteral(".dlf"), z_.programFolder());
        const TextReadResult read = ReadSideFile(listFile);
        if (read.ok) {
            z_.view.CListBox1 = read.lines;
            z_.view.FFound = QStringLiteral("Files ") + QString::number(read.lines.size());
        }
    }
    z_.view.CommactivelabVisible = m.Extensions == 2;
    z_.panels.set(6, FixedOptionCode(m.FixedOption));
    z_.autoRuns().ShedTypeClick();
}

// ---- writing ----

void SetReaderWriter::WriteSetText() {
    if (z_.settings.RestoreDrives) z_.driveLists().RestoreBtnClick();
    SetCommands& commands = z_.sets();
    commands.RefreshOptions();
    BackupSetModel& m = z_.model;
    if (m.Zipped && m.Recurse) {
        const Button answer = Prompts().question(
            QStringLiteral(
                "******************  IMPORTANT WARNING ************************\r\nYou have "
                "selected the option to recurse sub folders at source level and \r\nthen to "
                "compress the files.\r\nWhen creating copmpressed archives, the recommended "
                "option is to \r\nallow the compression engine to handle files in sub "
                "folders.\r\nPlease select OK to reset the options to compressed level recurse "),
            IconKind::Warning, {Button::Ok, Button::Cancel, Button::Help}, 40);
        if (answer == Button::Ok) {
            m.Recurse = false;
            m.RecurseZip = true;
            commands.RefreshOptions();
        }
    }
    m.DirSource = OwnFolders(m.DirSource, z_.UserFolderCount);
    z_.Netsave = ComposeSetText(m, z_.sequence().SequenceRowOf(z_.busFile()), z_.panels.text(2));
}

bool SetReaderWriter::mayReplace(const QString& path) {
    if (unreadSetFile_.isEmpty() || path.compare(unreadSetFile_, Qt::CaseInsensitive) != 0 ||
        !Files().fileExists(path))
        return true;
    const Button answer = Prompts().question(
        QStringLiteral("The backup set file ") + path +
            QStringLiteral(" could not be read, so the set shown is not the one in that file.\r\n"
                           "Replace that file with the set shown?"),
        IconKind::Warning, {Button::Yes, Button::Cancel, Button::Help}, 7);
    if (answer != Button::Yes) return false;
    unreadSetFile_.clear();
    return true;
}

}  // namespace harbex
