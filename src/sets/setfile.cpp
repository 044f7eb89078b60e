#include "sets/setfile.h"

#include <array>

#include "platform/filesystem.h"
#include "util/datetimetext.h"
#include "util/stringutils.h"

namespace harbex {
namespace {

struct HeaderEntry {
    SetSection section;
    const char* header;
};

constexpr std::array<HeaderEntry, 18> kHeaders = {{
    {SetSection::Filters, "[FILTERS]"},
    {SetSection::Dirs, "[DIRS]"},
    {SetSection::Params, "[PARAMS]"},
    {SetSection::Shed, "[SHED]"},
    {SetSection::Auto, "[AUTO]"},
    {SetSection::DisDrives, "[DIS DRIVES]"},
    {SetSection::Days, "[DAYS]"},
    {SetSection::Nameset, "[NAMESET]"},
    {SetSection::Specific, "[SPECIFIC]"},
    {SetSection::ZipType, "[ZIP TYPE]"},
    {SetSection::ZipCore, "[ZIP CORE]"},
    {SetSection::Comp, "[COMP]"},
    {SetSection::Names, "[NAMES]"},
    {SetSection::NetDirs, "[NET DIRS]"},
    {SetSection::Log, "[LOG]"},
    {SetSection::Wiz, "[WIZ]"},
    {SetSection::Comm, "[COMM]"},
    {SetSection::Gen, "[GEN]"},
}};

// An integer read the way the program reads its numbers: the whole text, or nothing.
std::optional<int> IntegerOf(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok) return std::nullopt;
    return value;
}

int IntegerOr(const QString& text, int fallback) {
    return IntegerOf(text).value_or(fallback);
}

QString CharAt(const QString& text, qsizetype index) {
    return index < text.size() ? QString(text[index]) : QString();
}

void Append(QStringList& lines, const QStringList& values) {
    lines += values;
}

QStringList Reversed(const QStringList& list) {
    return QStringList(list.rbegin(), list.rend());
}

class LineReader {
  public:
    LineReader(BackupSetModel& model, SetReaderHooks& hooks, SetReadResult& result)
        : m_(model), hooks_(hooks), result_(result) {}

    void value(SetSection section, const QString& line);
    void finish();

  private:
    void days(const QString& line);
    void specific(const QString& line);
    void zipType(const QString& line);
    void comp(const QString& line);
    void wiz(const QString& line);

    BackupSetModel& m_;
    SetReaderHooks& hooks_;
    SetReadResult& result_;
    QStringList shed_;
};

void LineReader::value(SetSection section, const QString& line) {
    switch (section) {
        case SetSection::None:
        case SetSection::Log:
            break;
        case SetSection::Filters:
            m_.FilterList << line;
            break;
        case SetSection::Dirs:
            m_.DirSource << line;
            break;
        case SetSection::Params:
            result_.zipParameters = line;
            break;
        case SetSection::Shed:
            shed_ << line;
            break;
        case SetSection::Auto:
            m_.autotype = ClampRadioIndex(IntegerOr(line, 0), 3);
            break;
        case SetSection::DisDrives:
            m_.RemovedList << line;
            break;
        case SetSection::Days:
            days(line);
            break;
        case SetSection::Nameset:
            m_.Nametype = ClampRadioIndex(IntegerOr(line, 0), 2);
            break;
        case SetSection::Specific:
            specific(line);
            break;
        case SetSection::ZipType:
            zipType(line);
            break;
        case SetSection::ZipCore:
            m_.ZipCoreName = line;
            break;
        case SetSection::Comp:
            comp(line);
            break;
        case SetSection::Names:
            hooks_.namesFile(m_);
            break;
        case SetSection::NetDirs:
            m_.Drivelist << line;
            break;
        case SetSection::Wiz:
            wiz(line);
            break;
        case SetSection::Comm:
            m_.RootList << line;
            break;
        case SetSection::Gen:
            m_.Recurse = FlagIsSet(CharAt(line, 0));
            break;
    }
}

void LineReader::days(const QString& line) {
    if (line.contains(QStringLiteral("USE"))) {
        m_.UseDailyFolders = true;
        hooks_.dailyFolderSetUp(m_);
    } else {
        m_.UseDailyFolders = false;
    }
    for (int day = 0; day < 7; ++day) m_.Days[day] = line.contains(QChar(u'1' + day));
}

void LineReader::specific(const QString& line) {
    const auto number = IntegerOf(line);
    if (number && (*number == 0 || *number == 1)) {
        m_.UseSpecificFolders = FlagIsSet(line);
        return;
    }
    m_.DestList << line;
    hooks_.specificFolder(line);
}

void LineReader::zipType(const QString& line) {
    if (line.size() < 2) {
        // A line without both digits cannot be read: one archive per folder and filter.
        m_.ZipFiles = 3;
        m_.FixedOption = 0;
        return;
    }
    m_.ZipFiles = ClampRadioIndex(IntegerOr(CharAt(line, 0), 0), 4);
    m_.FixedOption = ClampRadioIndex(IntegerOr(CharAt(line, 1), 0), 4);
}

void LineReader::comp(const QString& line) {
    if (hooks_.engineExists()) {
        m_.Zipped = FlagIsSet(line);
    } else {
        m_.Zipped = false;
        hooks_.compressionUnavailable();
    }
    result_.compSeen = true;
    result_.compIndicator = m_.Zipped ? QStringLiteral("COMP") : QStringLiteral(" ");
}

void LineReader::wiz(const QString& line) {
    m_.What = ClampRadioIndex(IntegerOr(CharAt(line, 0), 1), 4);
    m_.Extensions = ClampRadioIndex(IntegerOr(CharAt(line, 1), 0), 4);
    m_.ReCheck = FlagIsSet(CharAt(line, 2));
    for (int k = 0; k < 16; ++k) m_.FileTypes[k] = FlagIsSet(CharAt(line, 3 + k));
}

void LineReader::finish() {
    // The zip options follow the parameter text; sub-folders by the engine only when compressed.
    const QString& params = result_.zipParameters;
    int options = 1;
    if (params.contains(QStringLiteral("-f"))) options = 0;
    if (params.contains(QStringLiteral("-u"))) options = 1;
    if (params.contains(QStringLiteral("-a"))) options = 2;
    m_.ZipOptions = options;
    m_.RecurseZip = params.contains(QStringLiteral("-r")) && m_.Zipped;

    // The schedule: values are taken in order until one fails; a short or broken schedule
    // then falls back to weekly on Monday.
    bool complete = false;
    if (shed_.size() >= 1) m_.ShedType = ComboIndex(IntegerOr(shed_[0], 0), 4);
    if (shed_.size() >= 2) m_.DowSelect = ComboIndex(IntegerOr(shed_[1], 0), 7);
    if (shed_.size() >= 3) m_.DayOfMonth = ClampDayOfMonth(IntegerOr(shed_[2], 0));
    if (shed_.size() >= 4) {
        if (const auto time = ParseTimeText(shed_[3])) {
            m_.TimePicker = *time;
            if (shed_.size() >= 5) {
                m_.MounthPicker = ComboIndex(IntegerOr(shed_[4], 0), 12);
                complete = true;
            }
        }
    }
    if (!complete) {
        m_.ShedType = 1;
        m_.DowSelect = 1;
    }
    result_.dirCount = static_cast<int>(m_.DirSource.size());
}

}  // namespace

QString SectionHeader(SetSection section) {
    for (const HeaderEntry& entry : kHeaders)
        if (entry.section == section) return QString::fromLatin1(entry.header);
    return QString();
}

SetSection SectionOf(const QString& line) {
    SetSection found = SetSection::None;
    if (!line.contains(u'[')) return found;
    for (const HeaderEntry& entry : kHeaders)
        if (line.contains(QLatin1String(entry.header))) found = entry.section;
    return found;
}

QString ZipParameterText(int zipOptions, bool recurseZip) {
    QString text;
    switch (zipOptions) {
        case 0:
            text = QStringLiteral("-f ");
            break;
        case 1:
            text = QStringLiteral("-u ");
            break;
        case 2:
            text = QStringLiteral("-a ");
            break;
        default:
            break;
    }
    if (recurseZip) text += QStringLiteral("-r -p");
    return text;
}

QStringList ComposeSetLines(const BackupSetModel& model, int sequenceRow) {
    return ComposeSetLines(model, sequenceRow,
                           ZipParameterText(model.ZipOptions, model.RecurseZip));
}

QStringList ComposeSetLines(const BackupSetModel& m, int sequenceRow,
                            const QString& zipParameters) {
    QStringList lines;
    auto header = [&lines](SetSection section) { lines << SectionHeader(section); };
    header(SetSection::Filters);
    Append(lines, Reversed(m.FilterList));
    header(SetSection::Dirs);
    Append(lines, m.DirSource);
    header(SetSection::Params);
    lines << zipParameters;
    header(SetSection::Shed);
    lines << QString::number(m.ShedType) << QString::number(m.DowSelect)
          << QString::number(m.DayOfMonth) << TimeText(m.TimePicker)
          << QString::number(m.MounthPicker);
    header(SetSection::Auto);
    lines << QString::number(m.autotype);
    header(SetSection::DisDrives);
    Append(lines, m.RemovedList);
    header(SetSection::Days);
    QString days = m.UseDailyFolders ? QStringLiteral("USE") : QString();
    for (int day = 0; day < 7; ++day)
        if (m.Days[day]) days += QChar(u'1' + day);
    lines << days;
    header(SetSection::Nameset);
    lines << QString::number(m.Nametype);
    header(SetSection::Specific);
    lines << BoolToFlag(m.UseSpecificFolders);
    if (m.UseSpecificFolders) Append(lines, Reversed(m.DestList));
    header(SetSection::ZipType);
    lines << QString::number(m.ZipFiles) + QString::number(m.FixedOption);
    header(SetSection::ZipCore);
    lines << m.ZipCoreName;
    header(SetSection::Comp);
    lines << BoolToFlag(m.Zipped);
    header(SetSection::Names);
    lines << (m.NamesFile.size() < 2 ? QStringLiteral("NOFILE") : m.NamesFile);
    header(SetSection::NetDirs);
    Append(lines, m.Drivelist);
    header(SetSection::Log);
    header(SetSection::Wiz);
    QString wiz = QString::number(m.What) + QString::number(m.Extensions) + BoolToFlag(m.ReCheck);
    for (bool type : m.FileTypes) wiz += BoolToFlag(type);
    lines << wiz;
    header(SetSection::Comm);
    Append(lines, m.RootList);
    header(SetSection::Gen);
    lines << BoolToFlag(m.Recurse) + QString::number(sequenceRow);
    return lines;
}

QString ComposeSetText(const BackupSetModel& model, int sequenceRow) {
    return JoinLinesCrLf(ComposeSetLines(model, sequenceRow));
}

QString ComposeSetText(const BackupSetModel& model, int sequenceRow, const QString& zipParameters) {
    return JoinLinesCrLf(ComposeSetLines(model, sequenceRow, zipParameters));
}

SetReadResult ReadSetLines(const QStringList& lines, BackupSetModel& model,
                           const QString& zipParameters, SetReaderHooks& hooks) {
    model.FilterList.clear();
    model.DirSource.clear();
    model.DestList.clear();
    model.RootList.clear();
    model.Drivelist.clear();
    model.RemovedList.clear();
    SetReadResult result;
    result.zipParameters = zipParameters;
    LineReader reader(model, hooks, result);
    SetSection current = SetSection::None;
    for (const QString& line : lines) {
        hooks.handleMessages();
        const SetSection header = SectionOf(line);
        if (header != SetSection::None)
            current = header;
        else
            reader.value(current, line);
    }
    reader.finish();
    return result;
}

}  // namespace harbex
