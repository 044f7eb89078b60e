#pragma once

#include <QDate>
#include <QString>
#include <QTime>
#include <array>
#include <functional>
#include <optional>

#include "platform/platform.h"

namespace harbex {

// One entry of the sequence list: a set that runs on a day at a time.
struct ShedInfo {
    bool Active = false;
    int SchedType = 0;  // 0 daily, 1 weekly, 2 monthly, 3 yearly
    QString BusFile = QStringLiteral("Default");
    QDate OnDate = QDate(2004, 1, 1);
    QTime AtTime = QTime(12, 0, 0);
    int OnWeekday = 1;  // 1 Sunday ... 7 Saturday
    int OnMonthDay = 1;
    bool operator==(const ShedInfo&) const = default;
};
using SequenceTable = std::array<ShedInfo, 8>;

// The program-wide settings, one registry text value each under
// HKEY_CURRENT_USER\Software\Keelwick\Pelvor. Field names are those of the controls they feed.
struct AppSettings {
    bool First = true;
    QString BusFile;  // the current set file; status panel 1 shows it
    // ms of Timer, the countdown before an automatic run. The one owner of the countdown: Timer,
    // its bar Delay and the spin edit DelayTime all follow it.
    int TimerInterval = 5000;
    int AutoInterval = 4;  // 1 to 1440 minutes between automatically timed sequence entries
    QString ZipTemp;       // temporary folder for compressed files
    bool internal = true;  // use the internal zip engine
    bool ShowSplash = true;
    bool Duplicates = true;
    QString ExtUtilPath;  // "Ext Util"
    bool AbortBox = false;
    bool MoveDrives = true;
    bool RestoreDrives = true;
    bool QuitAfterAuto = true;
    bool ShowZipping = true;
    bool DelTemps = false;
    bool SaveOnExit = true;
    QString LogViewer;
    bool MonitorDRUN = false;
    QString RegKey = QStringLiteral("Keelwick\\Quorr");
    QString DOSApp;
    int PromptMissed = 1;  // 0 to 3
    QString LogFileName;
    bool SequencingMode = false;
    bool Skip = true;
    bool EnabLog = true;
    bool SearchErrors = true;
    bool StartUp = false;
    bool AlwaysBuildNet = false;
    bool LocalMode = false;
    bool NoAB = true;
    int LogOptions = 1;   // 0 to 3
    int ViewOptions = 1;  // 0 or 1
    int LogCounter = 0;
    int LastDrive = 0;  // 0 "C" to 23 "Z", -1 no choice
    // Read every copy back after a run and compare it with its source.
    bool VerifyContent = false;
    // Not stored: back in their design state at every start.
    bool LogNetSearch = false;   // show the raw network search on the Diags tab
    bool Showneterrors = false;  // report a failed or cancelled drive mapping
    SequenceTable Sequence;

    // The spin edit "DelayTime" (1 to 60 seconds) shows TimerInterval in whole seconds; changing
    // it to a different value sets TimerInterval to that many seconds. Returns whether it did.
    int DelayTime() const;
    bool setDelayTime(int seconds);

    bool operator==(const AppSettings&) const = default;

    // Defaults that depend on where the program lives.
    static AppSettings Defaults(const QString& programFolder, const PlatformDefaults& platform);
};

// The registry key of the settings.
const QString& SettingsKey();

// Reads every value in the table's order; missing or unreadable values keep their default.
// DelayTime follows the read interval as its spin edit would (see setDelayTime).
AppSettings ReadSettings(const Registry& registry, const QString& programFolder,
                         const PlatformDefaults& platform);
// Writes every value in one go, so the settings file is replaced once; returns false with the
// system's message when the values cannot be stored (then none of them is).
bool WriteSettings(Registry& registry, const AppSettings& settings, QString* error);

// The same read from any store of named text values (the registry above, a value list).
using SettingsLookup = std::function<std::optional<QString>(const QString& name)>;
AppSettings ReadSettingsValues(const SettingsLookup& lookup, const QString& programFolder,
                               const PlatformDefaults& platform);
// The values a save writes, by name, in the table's order.
QList<std::pair<QString, QString>> SettingsValues(const AppSettings& settings);

}  // namespace harbex
