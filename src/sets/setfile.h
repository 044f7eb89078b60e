#pragma once

#include <QString>
#include <QStringList>

#include "sets/backupsetmodel.h"

namespace harbex {

// The sections of a ".bus" set file, in the order they are written.
enum class SetSection {
    None,
    Filters,
    Dirs,
    Params,
    Shed,
    Auto,
    DisDrives,
    Days,
    Nameset,
    Specific,
    ZipType,
    ZipCore,
    Comp,
    Names,
    NetDirs,
    Log,
    Wiz,
    Comm,
    Gen,
};

// The header text of a section ("[FILTERS]" ...).
QString SectionHeader(SetSection section);
// The section a line opens: a line is a header when it contains one of the headers anywhere,
// with exact case; when it contains several, the one latest in writing order wins.
SetSection SectionOf(const QString& line);

// The zip parameter text: "-f ", "-u " or "-a " for ZipOptions 0, 1, 2 (nothing for none),
// then "-r -p" when the engine takes sub-folders itself.
QString ZipParameterText(int zipOptions, bool recurseZip);

// The set text of a model, one entry per line (all 18 sections in order). Filters and specific
// folders are written from the last entry to the first; the reader appends them in file order,
// so a set read and written again has these two lists reversed.
// zipParameters is the text shown in status panel 2, which normally equals ZipParameterText of
// the model's options.
QStringList ComposeSetLines(const BackupSetModel& model, int sequenceRow,
                            const QString& zipParameters);
QStringList ComposeSetLines(const BackupSetModel& model, int sequenceRow);
// The same joined with CR LF, without a line break after the last line.
QString ComposeSetText(const BackupSetModel& model, int sequenceRow, const QString& zipParameters);
QString ComposeSetText(const BackupSetModel& model, int sequenceRow);

// What reading a set file does besides filling the model: the side effects that belong to
// other parts of the program. The defaults do nothing, which reads a file as plain data.
class SetReaderHooks {
  public:
    virtual ~SetReaderHooks() = default;
    // Called before every line, so that a long load keeps the window alive.
    virtual void handleMessages() {}
    // "[DAYS]" with "USE": the daily folders are set up at once with the model as it is now.
    virtual void dailyFolderSetUp(const BackupSetModel&) {}
    // "[SPECIFIC]" folder lines.
    virtual void specificFolder(const QString&) {}
    // "[COMP]": whether a compression engine exists to honour a compressed set.
    virtual bool engineExists() const { return true; }
    virtual void compressionUnavailable() {}
    // "[NAMES]": the set's archive names file; the hook applies its rules to the model.
    virtual void namesFile(BackupSetModel&) {}
};

// Reading state that lives outside the model: the zip parameter text (status panel 2), which a
// file without "[PARAMS]" leaves as it was, and the compression indicator (status panel 3).
struct SetReadResult {
    QString zipParameters;
    QString compIndicator;
    bool compSeen = false;
    int dirCount = 0;  // folders read: the set's own folders
};

// Fills the model from the lines of a set file. Lists that sections fill are emptied first; a
// missing section or value leaves its fields as they were. zipParameters carries status panel 2
// in and out.
SetReadResult ReadSetLines(const QStringList& lines, BackupSetModel& model,
                           const QString& zipParameters, SetReaderHooks& hooks);

}  // namespace harbex
