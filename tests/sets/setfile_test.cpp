#include "sets/setfile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/filesystem.h"
#include "support/exampleset.h"
#include "support/world.h"
#include "util/datetimetext.h"

namespace harbex {
namespace {

// Lines as standard strings, so that a failing comparison prints them readably.
using Texts = std::vector<std::string>;

Texts ToTexts(const QStringList& lines) {
    Texts texts;
    for (const QString& line : lines) texts.push_back(line.toStdString());
    return texts;
}

QStringList Lines(std::initializer_list<const char*> lines) {
    QStringList result;
    for (const char* line : lines) result << QString::fromLatin1(line);
    return result;
}

const QStringList& kOfficeFile = test::ExampleSetFile();

// The set the example file describes.
BackupSetModel OfficeSet() {
    BackupSetModel m;
    m.FilterList = Lines({"*.doc", "*.xls"});
    m.DirSource = Lines({"C:\\Data"});
    m.ZipOptions = 1;
    m.RecurseZip = true;
    m.ShedType = 1;
    m.DowSelect = 5;
    m.DayOfMonth = 1;
    m.TimePicker = QTime(18, 30, 0);
    m.MounthPicker = 0;
    m.autotype = 1;
    m.UseDailyFolders = true;
    for (int day = 1; day <= 5; ++day) m.Days[day] = true;  // Monday to Friday
    m.Nametype = 1;
    m.UseSpecificFolders = true;
    m.DestList = Lines({"E:\\Copies"});
    m.Zipped = true;
    m.ZipFiles = 0;
    m.FixedOption = 0;
    m.ZipCoreName = QStringLiteral("Office");
    m.Drivelist = Lines({"F:", "G:"});
    m.What = 2;
    m.Extensions = 0;
    m.Recurse = false;
    return m;
}

// Records what the reader asked of the rest of the program.
class RecordingHooks : public SetReaderHooks {
  public:
    void handleMessages() override { ++messageRounds; }
    void dailyFolderSetUp(const BackupSetModel& model) override { daysAtSetUp << model.Days; }
    void specificFolder(const QString& folder) override { specificFolders << folder; }
    bool engineExists() const override { return engine; }
    void compressionUnavailable() override { ++unavailable; }
    void namesFile(BackupSetModel& model) override {
        ++namesCalls;
        model.NamesFile = QStringLiteral("C:\\Harbex\\Office.lst");
    }

    int messageRounds = 0;
    QList<std::array<bool, 7>> daysAtSetUp;
    QStringList specificFolders;
    bool engine = true;
    int unavailable = 0;
    int namesCalls = 0;
};

class SetFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SetUserFormats(QStringLiteral("dd/MM/yyyy"), QStringLiteral("HH:mm:ss"));
    }
    void TearDown() override { SetUserFormats(QString(), QString()); }

    // Reads the lines into `model` with plain hooks and no zip parameter text yet.
    SetReadResult read(const QStringList& lines, const QString& zipParameters = QString()) {
        SetReaderHooks plain;
        return ReadSetLines(lines, model, zipParameters, plain);
    }

    BackupSetModel model;
};

// ---- composing ----

TEST_F(SetFileTest, TheExampleSetComposesToTheExampleFile) {
    EXPECT_EQ(ToTexts(ComposeSetLines(OfficeSet(), 1)), ToTexts(kOfficeFile));
    const QString text = ComposeSetText(OfficeSet(), 1);
    EXPECT_EQ(text, kOfficeFile.join(QStringLiteral("\r\n")));
    EXPECT_FALSE(text.endsWith(u'\n')) << "no line break after the last line";
    EXPECT_EQ(text.count(QStringLiteral("\r\n")), 39);
}

TEST_F(SetFileTest, TheSequenceRowFollowsTheRecurseFlagInTheLastLine) {
    BackupSetModel set = OfficeSet();
    set.Recurse = true;
    EXPECT_EQ(ComposeSetLines(set, 7).last(), QStringLiteral("17"));
}

TEST_F(SetFileTest, TheExampleFileReadsBackIntoTheSameSetWithItsFiltersReversed) {
    const SetReadResult result = read(kOfficeFile);
    BackupSetModel expected = OfficeSet();
    expected.FilterList = Lines({"*.xls", "*.doc"});
    EXPECT_EQ(model, expected);
    EXPECT_EQ(result.zipParameters, QStringLiteral("-u -r -p"));
    EXPECT_TRUE(result.compSeen);
    EXPECT_EQ(result.compIndicator, QStringLiteral("COMP"));
    EXPECT_EQ(result.dirCount, 1);

    QStringList again = kOfficeFile;
    again.swapItemsAt(1, 2);  // *.doc, *.xls: written last to first once more
    EXPECT_EQ(ToTexts(ComposeSetLines(model, 1)), ToTexts(again));
}

TEST_F(SetFileTest, SpecificFoldersAreReversedByEveryReadAndWrite) {
    BackupSetModel set = OfficeSet();
    set.DestList = Lines({"E:\\Copies", "\\\\S1\\D\\Copies"});
    const QStringList written = ComposeSetLines(set, 1);
    const qsizetype specific = written.indexOf(QStringLiteral("[SPECIFIC]"));
    ASSERT_GE(specific, 0);
    EXPECT_EQ(ToTexts(written.mid(specific, 5)),
              ToTexts(Lines({"[SPECIFIC]", "1", "\\\\S1\\D\\Copies", "E:\\Copies", "[ZIP TYPE]"})));

    read(written);
    EXPECT_EQ(model.DestList, Lines({"\\\\S1\\D\\Copies", "E:\\Copies"}));
    EXPECT_EQ(model.FilterList, Lines({"*.xls", "*.doc"}));
    const QStringList rewritten = ComposeSetLines(model, 1);
    EXPECT_EQ(ToTexts(rewritten.mid(specific, 5)),
              ToTexts(Lines({"[SPECIFIC]", "1", "E:\\Copies", "\\\\S1\\D\\Copies", "[ZIP TYPE]"})));
    // Everything else is written exactly as before.
    QStringList expected = written;
    expected.swapItemsAt(1, 2);
    expected.swapItemsAt(specific + 2, specific + 3);
    EXPECT_EQ(ToTexts(rewritten), ToTexts(expected));
}

TEST_F(SetFileTest, SpecificFoldersSwitchedOffAreNeitherWrittenNorReadBack) {
    BackupSetModel set = OfficeSet();
    set.UseSpecificFolders = false;
    const QStringList written = ComposeSetLines(set, 1);
    const qsizetype specific = written.indexOf(QStringLiteral("[SPECIFIC]"));
    ASSERT_GE(specific, 0);
    EXPECT_EQ(ToTexts(written.mid(specific, 3)), ToTexts(Lines({"[SPECIFIC]", "0", "[ZIP TYPE]"})));
    EXPECT_FALSE(written.contains(QStringLiteral("E:\\Copies")));

    model.DestList = Lines({"X:\\Old"});
    model.UseSpecificFolders = true;
    read(written);
    EXPECT_TRUE(model.DestList.isEmpty());
    EXPECT_FALSE(model.UseSpecificFolders);
}

TEST_F(SetFileTest, EmptyValuesAndMissingNamesAreWrittenAsTheFormatSays) {
    BackupSetModel set;
    set.ZipOptions = -1;  // no selection: no option text
    set.NamesFile = QStringLiteral("X");
    const QStringList written = ComposeSetLines(set, 1);
    EXPECT_EQ(written[written.indexOf(QStringLiteral("[PARAMS]")) + 1], QString());
    EXPECT_EQ(written[written.indexOf(QStringLiteral("[DAYS]")) + 1], QString());
    EXPECT_EQ(written[written.indexOf(QStringLiteral("[NAMES]")) + 1], QStringLiteral("NOFILE"))
        << "a names path shorter than 2 characters";
    set.NamesFile = QStringLiteral("C:\\Harbex\\Office.lst");
    const QStringList named = ComposeSetLines(set, 1);
    EXPECT_EQ(named[named.indexOf(QStringLiteral("[NAMES]")) + 1], set.NamesFile);
    EXPECT_EQ(ZipParameterText(2, true), QStringLiteral("-a -r -p"));
    EXPECT_EQ(ZipParameterText(0, false), QStringLiteral("-f "));
    EXPECT_EQ(ZipParameterText(-1, true), QStringLiteral("-r -p"));
}

// ---- headers ----

TEST_F(SetFileTest, SectionOfFindsHeadersAnywhereWithExactCaseAndTheLatestInTableOrderWins) {
    EXPECT_EQ(SectionOf(QStringLiteral("[FILTERS]")), SetSection::Filters);
    EXPECT_EQ(SectionOf(QStringLiteral("[GEN]")), SetSection::Gen);
    EXPECT_EQ(SectionOf(QStringLiteral("D:\\Old[DIRS]Copy")), SetSection::Dirs);
    EXPECT_EQ(SectionOf(QStringLiteral("[DIRS][FILTERS]")), SetSection::Dirs);
    EXPECT_EQ(SectionOf(QStringLiteral("[GEN] and [FILTERS]")), SetSection::Gen);
    EXPECT_EQ(SectionOf(QStringLiteral("[ZIP CORE][ZIP TYPE]")), SetSection::ZipCore);
    EXPECT_EQ(SectionOf(QStringLiteral("[COMM][WIZ][LOG]")), SetSection::Comm);
    EXPECT_EQ(SectionOf(QStringLiteral("[dirs]")), SetSection::None);
    EXPECT_EQ(SectionOf(QStringLiteral("[Dirs]")), SetSection::None);
    EXPECT_EQ(SectionOf(QStringLiteral("[ZIPTYPE]")), SetSection::None);
    EXPECT_EQ(SectionOf(QStringLiteral("DIRS")), SetSection::None);
    EXPECT_EQ(SectionOf(QString()), SetSection::None);
}

TEST_F(SetFileTest, EveryHeaderOfTheWrittenFileIsRecognised) {
    const QStringList written = ComposeSetLines(BackupSetModel(), 1);
    QList<SetSection> found;
    for (const QString& line : written)
        if (SectionOf(line) != SetSection::None) found << SectionOf(line);
    ASSERT_EQ(found.size(), 18);
    for (int i = 0; i < 18; ++i) EXPECT_EQ(found[i], static_cast<SetSection>(i + 1));
    EXPECT_EQ(SectionHeader(SetSection::DisDrives), QStringLiteral("[DIS DRIVES]"));
}

TEST_F(SetFileTest, AValueLineThatContainsAHeaderStartsThatSection) {
    read(Lines({"[FILTERS]", "*.doc", "D:\\Old[DIRS]Copy", "C:\\Data", "[AUTO]", "2"}));
    EXPECT_EQ(model.FilterList, Lines({"*.doc"}));
    EXPECT_EQ(model.DirSource, Lines({"C:\\Data"})) << "the header line itself is no value";
    EXPECT_EQ(model.autotype, 2);
}

TEST_F(SetFileTest, LinesBeforeTheFirstHeaderAndLinesOfLogAreIgnored) {
    model.autotype = 0;
    read(Lines({"C:\\Stray", "1", "USE1234567", "[LOG]", "C:\\Logged", "[AUTO]", "2"}));
    EXPECT_EQ(model.autotype, 2);
    EXPECT_TRUE(model.DirSource.isEmpty());
    EXPECT_TRUE(model.FilterList.isEmpty());
    EXPECT_FALSE(model.UseDailyFolders);
    for (bool day : model.Days) EXPECT_FALSE(day);
}

// ---- values ----

TEST_F(SetFileTest, DaysNotListedAreUncheckedAndNoUseSwitchesDailyFoldersOff) {
    model.UseDailyFolders = true;
    model.Days.fill(true);
    RecordingHooks hooks;
    ReadSetLines(Lines({"[DAYS]", "135"}), model, QString(), hooks);
    EXPECT_FALSE(model.UseDailyFolders);
    const std::array<bool, 7> expected{true, false, true, false, true, false, false};
    EXPECT_EQ(model.Days, expected) << "Sunday, Tuesday and Thursday only";
    EXPECT_TRUE(hooks.daysAtSetUp.isEmpty()) << "no daily folder set-up without USE";
}

TEST_F(SetFileTest, UseRunsTheDailyFolderSetUpWithTheDaysAsTheyWereBefore) {
    model.Days = {true, false, false, false, false, false, true};
    RecordingHooks hooks;
    ReadSetLines(Lines({"[DAYS]", "USE246"}), model, QString(), hooks);
    EXPECT_TRUE(model.UseDailyFolders);
    ASSERT_EQ(hooks.daysAtSetUp.size(), 1);
    const std::array<bool, 7> before{true, false, false, false, false, false, true};
    EXPECT_EQ(hooks.daysAtSetUp[0], before);
    const std::array<bool, 7> after{false, true, false, true, false, true, false};
    EXPECT_EQ(model.Days, after);
}

TEST_F(SetFileTest, AThreeLineScheduleFallsBackToWeeklyOnMondayWithTheDayOfMonthKept) {
    model.TimePicker = QTime(6, 0, 0);
    model.MounthPicker = 4;
    read(Lines({"[SHED]", "3", "6", "17", "[AUTO]", "1"}));
    EXPECT_EQ(model.ShedType, 1);
    EXPECT_EQ(model.DowSelect, 1);
    EXPECT_EQ(model.DayOfMonth, 17);
    EXPECT_EQ(model.TimePicker, QTime(6, 0, 0));
    EXPECT_EQ(model.MounthPicker, 4);
}

TEST_F(SetFileTest, AScheduleTimeThatIsNoTimeKeepsTheValuesBeforeIt) {
    model.TimePicker = QTime(6, 0, 0);
    model.MounthPicker = 4;
    read(Lines({"[SHED]", "2", "4", "9", "half past six", "7"}));
    EXPECT_EQ(model.ShedType, 1);
    EXPECT_EQ(model.DowSelect, 1);
    EXPECT_EQ(model.DayOfMonth, 9);
    EXPECT_EQ(model.TimePicker, QTime(6, 0, 0));
    EXPECT_EQ(model.MounthPicker, 4);
}

TEST_F(SetFileTest, AFullScheduleIsTakenAsWrittenAndNonIntegersGiveZero) {
    read(Lines({"[SHED]", "3", "6", "28", "07:45:10", "11"}));
    EXPECT_EQ(model.ShedType, 3);
    EXPECT_EQ(model.DowSelect, 6);
    EXPECT_EQ(model.DayOfMonth, 28);
    EXPECT_EQ(model.TimePicker, QTime(7, 45, 10));
    EXPECT_EQ(model.MounthPicker, 11);
    read(Lines({"[SHED]", "daily", "x", "30", "08:15:00", "?"}));
    EXPECT_EQ(model.ShedType, 0);
    EXPECT_EQ(model.DowSelect, 0);
    EXPECT_EQ(model.DayOfMonth, 30);
    EXPECT_EQ(model.TimePicker, QTime(8, 15, 0));
    EXPECT_EQ(model.MounthPicker, 0);
}

TEST_F(SetFileTest, ATenCharacterCoreNameIsKeptWhole) {
    read(Lines({"[ZIP CORE]", "Accounting"}));
    EXPECT_EQ(model.ZipCoreName, QStringLiteral("Accounting"));
    const QStringList written = ComposeSetLines(model, 1);
    EXPECT_EQ(written[written.indexOf(QStringLiteral("[ZIP CORE]")) + 1],
              QStringLiteral("Accounting"));
}

TEST_F(SetFileTest, ZipTypeDigitsBeyondTheLastItemSelectTheLastAndOtherCharactersGiveZero) {
    read(Lines({"[ZIP TYPE]", "97"}));
    EXPECT_EQ(model.ZipFiles, 3);
    EXPECT_EQ(model.FixedOption, 3);
    read(Lines({"[ZIP TYPE]", "x2"}));
    EXPECT_EQ(model.ZipFiles, 0);
    EXPECT_EQ(model.FixedOption, 2);
    read(Lines({"[ZIP TYPE]", "1-"}));
    EXPECT_EQ(model.ZipFiles, 1);
    EXPECT_EQ(model.FixedOption, 0);
    read(Lines({"[ZIP TYPE]", "21"}));
    EXPECT_EQ(model.ZipFiles, 2);
    EXPECT_EQ(model.FixedOption, 1);
}

TEST_F(SetFileTest, AnEmptyZipTypeLineCannotBeReadAndFallsBackToThreeAndZero) {
    // An empty line has no first character to read: that is the one way reading this line fails,
    // and a failed read gives one archive per folder and filter, named by folders.
    model.ZipFiles = 1;
    model.FixedOption = 2;
    read(Lines({"[ZIP TYPE]", ""}));
    EXPECT_EQ(model.ZipFiles, 3);
    EXPECT_EQ(model.FixedOption, 0);
}

TEST_F(SetFileTest, ShortWizardLinesCountMissingCharactersAsEmpty) {
    model.ReCheck = true;
    model.FileTypes.fill(true);
    read(Lines({"[WIZ]", "3"}));
    EXPECT_EQ(model.What, 3);
    EXPECT_EQ(model.Extensions, 0);
    EXPECT_FALSE(model.ReCheck);
    for (bool type : model.FileTypes) EXPECT_FALSE(type);

    read(Lines({"[WIZ]", ""}));
    EXPECT_EQ(model.What, 1) << "What is 1 when the character is no integer";
    EXPECT_EQ(model.Extensions, 0);

    read(Lines({"[WIZ]", "x2101"}));
    EXPECT_EQ(model.What, 1);
    EXPECT_EQ(model.Extensions, 2);
    EXPECT_TRUE(model.ReCheck);
    std::array<bool, 16> types{};
    types[1] = true;
    EXPECT_EQ(model.FileTypes, types);

    read(Lines({"[WIZ]", "0310000000000000001"}));
    EXPECT_EQ(model.What, 0);
    EXPECT_EQ(model.Extensions, 3);
    EXPECT_TRUE(model.ReCheck);
    types = {};
    types[15] = true;
    EXPECT_EQ(model.FileTypes, types);
}

TEST_F(SetFileTest, AutoAndNamesetThatAreNoIntegersGiveZero) {
    model.autotype = 2;
    model.Nametype = 1;
    read(Lines({"[AUTO]", "soon", "[NAMESET]", "day"}));
    EXPECT_EQ(model.autotype, 0);
    EXPECT_EQ(model.Nametype, 0);
    read(Lines({"[AUTO]", "2", "[NAMESET]", "1"}));
    EXPECT_EQ(model.autotype, 2);
    EXPECT_EQ(model.Nametype, 1);
    read(Lines({"[AUTO]", "", "[NAMESET]", "1.5"}));
    EXPECT_EQ(model.autotype, 0);
    EXPECT_EQ(model.Nametype, 0);
}

TEST_F(SetFileTest, SpecificFlagsAreZeroOrOneAndEveryOtherLineIsAFolder) {
    RecordingHooks hooks;
    ReadSetLines(Lines({"[SPECIFIC]", "1", "E:\\Copies", "2", "0", "copies"}), model, QString(),
                 hooks);
    EXPECT_FALSE(model.UseSpecificFolders) << "the last flag line counts";
    EXPECT_EQ(model.DestList, Lines({"E:\\Copies", "2", "copies"}));
    EXPECT_EQ(hooks.specificFolders, Lines({"E:\\Copies", "2", "copies"}));
}

TEST_F(SetFileTest, MissingSectionsLeaveTheirFieldsButEveryListIsEmptied) {
    BackupSetModel before = OfficeSet();
    before.RemovedList = Lines({"H:"});
    before.RootList = Lines({"C:\\"});
    before.Nametype = 0;
    before.What = 0;
    before.Extensions = 2;
    before.ReCheck = true;
    before.FileTypes[3] = true;
    before.Recurse = true;
    before.NamesFile = QStringLiteral("C:\\Harbex\\Office.lst");
    model = before;
    const SetReadResult result = read(Lines({"[DIRS]", "C:\\New"}), QStringLiteral("-u -r -p"));

    BackupSetModel expected = before;
    expected.FilterList.clear();
    expected.DirSource = Lines({"C:\\New"});
    expected.DestList.clear();
    expected.Drivelist.clear();
    expected.RemovedList.clear();
    expected.RootList.clear();
    // Without any schedule values the schedule falls back to weekly on Monday.
    expected.ShedType = 1;
    expected.DowSelect = 1;
    EXPECT_EQ(model, expected);
    EXPECT_EQ(result.zipParameters, QStringLiteral("-u -r -p")) << "status panel 2 unchanged";
    EXPECT_FALSE(result.compSeen);
}

TEST_F(SetFileTest, ZipOptionsFollowTheParameterTextAndRecurseZipOnlyWhenCompressed) {
    struct Case {
        const char* params;
        const char* comp;
        int options;
        bool recurseZip;
    };
    const Case cases[] = {
        {"-f ", "1", 0, false},   {"-u -r -p", "1", 1, true}, {"-a -r -p", "0", 2, false},
        {"-f -u", "1", 1, false}, {"-a -f", "1", 2, false},   {"-u -a -r", "1", 2, true},
        {"", "1", 1, false},      {"-x", "0", 1, false},
    };
    for (const Case& c : cases) {
        model = BackupSetModel();
        const SetReadResult result = read(Lines({"[PARAMS]", c.params, "[COMP]", c.comp}));
        EXPECT_EQ(model.ZipOptions, c.options) << c.params;
        EXPECT_EQ(model.RecurseZip, c.recurseZip) << c.params << " zipped " << c.comp;
        EXPECT_EQ(result.zipParameters, QString::fromLatin1(c.params));
    }
}

TEST_F(SetFileTest, WithoutParamsTheIncomingParameterTextDecides) {
    model.Zipped = true;
    const SetReadResult result = read(Lines({"[AUTO]", "0"}), QStringLiteral("-f -r -p"));
    EXPECT_EQ(model.ZipOptions, 0);
    EXPECT_TRUE(model.RecurseZip);
    EXPECT_EQ(result.zipParameters, QStringLiteral("-f -r -p"));
}

TEST_F(SetFileTest, CompressionIsOffWhateverTheFileSaysWithoutAnEngine) {
    RecordingHooks hooks;
    hooks.engine = false;
    const SetReadResult result =
        ReadSetLines(Lines({"[PARAMS]", "-u -r -p", "[COMP]", "1"}), model, QString(), hooks);
    EXPECT_FALSE(model.Zipped);
    EXPECT_FALSE(model.RecurseZip);
    EXPECT_EQ(hooks.unavailable, 1);
    EXPECT_EQ(result.compIndicator, QStringLiteral(" "));
    EXPECT_TRUE(result.compSeen);
}

TEST_F(SetFileTest, EveryLineHandlesMessagesAndEveryNamesLineAsksForTheNamesFile) {
    RecordingHooks hooks;
    ReadSetLines(kOfficeFile, model, QString(), hooks);
    EXPECT_EQ(hooks.messageRounds, kOfficeFile.size());
    EXPECT_EQ(hooks.namesCalls, 1);
    EXPECT_EQ(model.NamesFile, QStringLiteral("C:\\Harbex\\Office.lst"));
    EXPECT_EQ(hooks.specificFolders, Lines({"E:\\Copies"}));
    EXPECT_EQ(hooks.daysAtSetUp.size(), 1);
}

TEST_F(SetFileTest, AFileOfThreeHundredLinesKeepsAllItsFolders) {
    QStringList lines = Lines({"[FILTERS]", "*.*", "[DIRS]"});
    QStringList folders;
    for (int i = 1; i <= 290; ++i) folders << QStringLiteral("C:\\Data\\Folder%1").arg(i);
    lines += folders;
    lines += Lines({"[AUTO]", "2", "[NET DIRS]", "F:", "G:", "[GEN]", "1"});
    ASSERT_EQ(lines.size(), 300);
    const SetReadResult result = read(lines);
    EXPECT_EQ(model.DirSource, folders);
    EXPECT_EQ(result.dirCount, 290);
    EXPECT_EQ(model.autotype, 2);
    EXPECT_EQ(model.Drivelist, Lines({"F:", "G:"}));
    EXPECT_TRUE(model.Recurse);
}

// ---- line breaks in a real file ----

class SetFileOnDiskTest : public test::WorldTest {};

TEST_F(SetFileOnDiskTest, LoneCarriageReturnsAndLineFeedsBreakLines) {
    const QString path = QStringLiteral("C:\\Sets\\Mixed.bus");
    world.writeFile(path,
                    "[FILTERS]\r*.doc\n*.xls\r\n[DIRS]\rC:\\A\nC:\\B\r\n[ZIP CORE]\nMixed\r\n");
    const TextReadResult text = Files().readLines(path);
    ASSERT_TRUE(text.ok) << text.error.toStdString();
    BackupSetModel model;
    SetReaderHooks plain;
    ReadSetLines(text.lines, model, QString(), plain);
    EXPECT_EQ(model.FilterList, Lines({"*.doc", "*.xls"}));
    EXPECT_EQ(model.DirSource, Lines({"C:\\A", "C:\\B"}));
    EXPECT_EQ(model.ZipCoreName, QStringLiteral("Mixed")) << "a final line break is accepted";
}

}  // namespace
}  // namespace harbex
