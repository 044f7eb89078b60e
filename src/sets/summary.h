#pragma once

#include <QString>
#include <QStringList>

#include "sets/appsettings.h"
#include "sets/backupsetmodel.h"

namespace harbex {

// Everything the summary of a set describes besides the set and the settings themselves.
struct SummaryInputs {
    const BackupSetModel& model;
    const AppSettings& settings;
    QString browserFile;  // CompanionFileName(".brw") of the set
    bool browserFileExists = false;
    QString zipParameters;         // status panel 2
    QString coreName;              // CoreName in use (at most six characters)
    QString zipUtil;               // the external utility's name as shown in ZipUtil
    bool namesFileExists = false;  // whether model.NamesFile names an existing file
    QString autotypeCaption;       // caption of the selected item of autotype, empty for none
    int sequenceIndex = 0;         // SequenceIndex
    int countDueToday = 0;         // active sequence entries due today
    QString logFileName;           // LogFileName
};

// The captions of the items of autotype ("Start-Up Events"), index 0 to 2.
QString AutotypeCaption(int autotype);

// The lines of the summary of the current set, in order.
QStringList BuildSummaryLines(const SummaryInputs& inputs);

}  // namespace harbex
