#include "sets/appsettings.h"

#include <algorithm>
#include <variant>

#include "util/datetimetext.h"

namespace harbex {
namespace {

enum class Kind { Flag, Integer, Text };

using Field = std::variant<bool AppSettings::*, int AppSettings::*, QString AppSettings::*>;

struct Entry {
    const char* readName;   // the name LoadSettings asks for
    const char* writeName;  // the name SaveSettings writes (differs only in case)
    Field field;
    int minimum = INT_MIN;  // integers outside [minimum, maximum] are clamped
    int maximum = INT_MAX;
    bool combo = false;  // a combo box: an index it does not have selects nothing (-1)
};

// The values in the order LoadSettings reads them. Defaults come from AppSettings::Defaults.
const std::array<Entry, 35>& Table() {
    static const std::array<Entry, 35> table = {{
        {"First", "First", &AppSettings::First},
        {"Bus File", "Bus File", &AppSettings::BusFile},
        {"Timer Interval", "Timer Interval", &AppSettings::TimerInterval},
        {"Auto Interval", "Auto Interval", &AppSettings::AutoInterval, 1, 1440},
        {"Zip temp", "Zip Temp", &AppSettings::ZipTemp},
        {"Internal Compression", "Internal Compression", &AppSettings::internal},
        {"Splash", "Splash", &AppSettings::ShowSplash},
        {"Dups", "Dups", &AppSettings::Duplicates},
        {"Ext Util", "Ext Util", &AppSettings::ExtUtilPath},
        {"A Box", "A Box", &AppSettings::AbortBox},
        {"Move", "Move", &AppSettings::MoveDrives},
        {"Restore", "Restore", &AppSettings::RestoreDrives},
        {"A Quit", "A Quit", &AppSettings::QuitAfterAuto},
        {"Show Z", "Show Z", &AppSettings::ShowZipping},
        {"DTemps", "DTemps", &AppSettings::DelTemps},
        {"SOE", "SOE", &AppSettings::SaveOnExit},
        {"Log view", "Log View", &AppSettings::LogViewer},
        {"DRUN", "DRUN", &AppSettings::MonitorDRUN},
        {"R Key", "R Key", &AppSettings::RegKey},
        {"M App", "M App", &AppSettings::DOSApp},
        {"Miss", "Miss", &AppSettings::PromptMissed, -1, 3},
        {"Log", "Log", &AppSettings::LogFileName},
        {"MMode", "MMode", &AppSettings::SequencingMode},
        {"SkipMode", "SkipMode", &AppSettings::Skip},
        {"Logging", "Logging", &AppSettings::EnabLog},
        {"Search Errors", "Search Errors", &AppSettings::SearchErrors},
        {"StartUp", "StartUp", &AppSettings::StartUp},
        {"Reconnect", "Reconnect", &AppSettings::AlwaysBuildNet},
        {"Local Mode", "Local Mode", &AppSettings::LocalMode},
        {"No AB", "No AB", &AppSettings::NoAB},
        {"L Options", "L Options", &AppSettings::LogOptions, -1, 3},
        {"V Options", "V Options", &AppSettings::ViewOptions, -1, 1},
        {"L Count", "L Count", &AppSettings::LogCounter},
        {"L Drive", "L Drive", &AppSettings::LastDrive, 0, 23, true},
        {"Verify Content", "Verify Content", &AppSettings::VerifyContent},
    }};
    return table;
}

std::optional<int> IntegerText(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok) return std::nullopt;
    return value;
}

QString Name(const char* name) {
    return QString::fromLatin1(name);
}

QString RowName(const char* name, int row) {
    return Name(name) + QString::number(row);
}

class Reader {
  public:
    explicit Reader(const SettingsLookup& lookup) : lookup_(lookup) {}
    std::optional<QString> text(const QString& name) const { return lookup_(name); }
    void flag(const QString& name, bool& field) const {
        if (const auto value = text(name))
            if (const auto number = IntegerText(*value)) field = *number != 0;
    }
    void integer(const QString& name, int& field, int minimum = INT_MIN, int maximum = INT_MAX,
                 bool combo = false) const {
        const auto value = text(name);
        if (!value) return;
        const auto number = IntegerText(*value);
        if (!number) return;
        if (combo)
            field = *number >= minimum && *number <= maximum ? *number : -1;
        else
            field = std::clamp(*number, minimum, maximum);
    }
    void string(const QString& name, QString& field) const {
        if (const auto value = text(name)) field = *value;
    }
    void date(const QString& name, QDate& field) const {
        if (const auto value = text(name))
            if (const auto parsed = ParseDateText(*value)) field = *parsed;
    }
    void time(const QString& name, QTime& field) const {
        if (const auto value = text(name))
            if (const auto parsed = ParseTimeText(*value)) field = *parsed;
    }

  private:
    const SettingsLookup& lookup_;
};

}  // namespace

const QString& SettingsKey() {
    static const QString key = QStringLiteral("Software\\Keelwick\\Pelvor");
    return key;
}

namespace {
constexpr int kMinDelay = 1;
constexpr int kMaxDelay = 60;
// The spin edit's value before the settings are read.
constexpr int kDesignDelay = 5;
}  // namespace

int AppSettings::DelayTime() const {
    return std::clamp(TimerInterval / 1000, kMinDelay, kMaxDelay);
}

bool AppSettings::setDelayTime(int seconds) {
    const int clamped = std::clamp(seconds, kMinDelay, kMaxDelay);
    if (clamped == DelayTime()) return false;
    TimerInterval = clamped * 1000;
    return true;
}

AppSettings AppSettings::Defaults(const QString& programFolder, const PlatformDefaults& platform) {
    AppSettings settings;
    settings.BusFile = programFolder + QStringLiteral("default.bus");
    settings.ZipTemp = platform.zipTemp;
    settings.ExtUtilPath = platform.extUtil;
    settings.LogViewer = platform.logViewer;
    return settings;
}

AppSettings ReadSettings(const Registry& registry, const QString& programFolder,
                         const PlatformDefaults& platform) {
    return ReadSettingsValues(
        [&registry](const QString& name) {
            return registry.readText(RegistryRoot::CurrentUser, SettingsKey(), name);
        },
        programFolder, platform);
}

AppSettings ReadSettingsValues(const SettingsLookup& lookup, const QString& programFolder,
                               const PlatformDefaults& platform) {
    AppSettings settings = AppSettings::Defaults(programFolder, platform);
    const Reader reader(lookup);
    for (const Entry& entry : Table()) {
        const QString name = Name(entry.readName);
        if (auto flag = std::get_if<bool AppSettings::*>(&entry.field))
            reader.flag(name, settings.**flag);
        else if (auto number = std::get_if<int AppSettings::*>(&entry.field))
            reader.integer(name, settings.**number, entry.minimum, entry.maximum, entry.combo);
        else
            reader.string(name, settings.*std::get<QString AppSettings::*>(entry.field));
    }
    for (int row = 0; row < 8; ++row) {
        ShedInfo& info = settings.Sequence[row];
        reader.flag(RowName("SActive", row), info.Active);
        reader.integer(RowName("SHType", row), info.SchedType);
        reader.string(RowName("FName", row), info.BusFile);
        reader.integer(RowName("SWD", row), info.OnWeekday);
        reader.integer(RowName("SMD", row), info.OnMonthDay);
        reader.date(RowName("SD", row), info.OnDate);
        reader.time(RowName("ST", row), info.AtTime);
    }
    // The spin edit starts at 5 and is set to the stored seconds; the interval follows only when
    // that moves the spin edit, so a stored 5500 stays 5500 while 7500 becomes 7000.
    const int shown = settings.DelayTime();
    if (shown != kDesignDelay) settings.TimerInterval = shown * 1000;
    return settings;
}

bool WriteSettings(Registry& registry, const AppSettings& settings, QString* error) {
    // One write for all values: the settings file is replaced once per save, not once per value.
    return registry.writeTexts(RegistryRoot::CurrentUser, SettingsKey(), SettingsValues(settings),
                               error);
}

QList<std::pair<QString, QString>> SettingsValues(const AppSettings& settings) {
    QList<std::pair<QString, QString>> values;
    auto add = [&values](const QString& name, const QString& value) {
        values.append({name, value});
    };
    for (const Entry& entry : Table()) {
        QString value;
        if (auto flag = std::get_if<bool AppSettings::*>(&entry.field))
            value = settings.**flag ? QStringLiteral("1") : QStringLiteral("0");
        else if (auto number = std::get_if<int AppSettings::*>(&entry.field))
            value = QString::number(settings.**number);
        else
            value = settings.*std::get<QString AppSettings::*>(entry.field);
        add(Name(entry.writeName), value);
    }
    for (int row = 0; row < 8; ++row) {
        const ShedInfo& info = settings.Sequence[row];
        add(RowName("SActive", row), info.Active ? QStringLiteral("1") : QStringLiteral("0"));
        add(RowName("SHType", row), QString::number(info.SchedType));
        add(RowName("FName", row), info.BusFile);
        add(RowName("SWD", row), QString::number(info.OnWeekday));
        add(RowName("SMD", row), QString::number(info.OnMonthDay));
        add(RowName("SD", row), StoredDateText(info.OnDate));
        add(RowName("ST", row), TimeText(info.AtTime));
    }
    return values;
}

}  // namespace harbex
