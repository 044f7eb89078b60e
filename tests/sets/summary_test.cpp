#include "sets/summary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "util/datetimetext.h"

namespace harbex {
namespace {

// Lines as standard strings, so that a failing comparison prints them readably, trailing
// blanks included.
using Texts = std::vector<std::string>;

const std::string kSeparator = "-------------------------------------";

Texts ToTexts(const QStringList& lines) {
    Texts texts;
    for (const QString& line : lines) texts.push_back(line.toStdString());
    return texts;
}

QStringList Entries(std::initializer_list<const char*> paths) {
    QStringList folders;
    for (const char* path : paths) folders << QString::fromLatin1(path);
    return folders;
}

// The lines from the one that equals `header` up to the next separator (or the end).
Texts Section(const Texts& lines, const std::string& header) {
    Texts section;
    auto line = std::find(lines.begin(), lines.end(), header);
    for (; line != lines.end() && *line != kSeparator; ++line) section.push_back(*line);
    return section;
}

// The lines after the last separator.
Texts LastSection(const Texts& lines) {
    auto separator = std::find(lines.rbegin(), lines.rend(), kSeparator);
    return Texts(separator.base(), lines.end());
}

class SummaryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SetUserFormats(QStringLiteral("dd/MM/yyyy"), QStringLiteral("HH:mm:ss"));
    }
    void TearDown() override { SetUserFormats(QString(), QString()); }

    Texts Lines() { return ToTexts(BuildSummaryLines(inputs)); }
    Texts Source() { return Section(Lines(), "SOURCE SELECTION "); }
    Texts Destinations() { return Section(Lines(), "DESTINATION SELECTION "); }
    Texts Compression() { return Section(Lines(), "COMPRESSION OPTIONS SELECTED"); }
    Texts General() { return Section(Lines(), "GENERAL OPTIONS "); }
    Texts Logging() { return LastSection(Lines()); }

    // The grouping line follows the two lines that announce compression.
    std::string GroupingLine() {
        model.Zipped = true;
        const Texts compression = Compression();
        return compression.size() > 3 ? compression[3] : std::string("<missing>");
    }

    // The schedule line follows the "Auto" line.
    std::string ScheduleLine() {
        const Texts general = General();
        return general.size() > 2 ? general[2] : std::string("<missing>");
    }

    BackupSetModel model;
    AppSettings settings;
    // The texts are spelled out so that -Wextra does not warn about the ones left out.
    SummaryInputs inputs{.model = model,
                         .settings = settings,
                         .browserFile = QString(),
                         .zipParameters = QString(),
                         .coreName = QString(),
                         .zipUtil = QString(),
                         .autotypeCaption = QString(),
                         .logFileName = QString()};
};

TEST_F(SummaryTest, DefaultSetReadsAsAWholeInItsFixedOrder) {
    inputs.autotypeCaption = AutotypeCaption(0);
    inputs.logFileName = QStringLiteral("C:\\Harbex\\Monday.log");
    model.Drivelist = Entries({"C:\\", "D:\\"});

    EXPECT_EQ(Lines(), (Texts{"SOURCE SELECTION ",
                              "Filters ",
                              "",
                              "Source Folders (0)",
                              "",
                              kSeparator,
                              "DESTINATION SELECTION ",
                              "DAILY FOLDERS DISABLED",
                              "NO DAILY FOLDERS SET",
                              "SPECIFIC FOLDERS DISABLED",
                              "",
                              kSeparator,
                              "COMPRESSION OPTIONS SELECTED",
                              "No Compression",
                              kSeparator,
                              "GENERAL OPTIONS ",
                              "Auto No  I want to use Harbex manualy",
                              "",
                              "Duplicate file handling Activated",
                              "Wait 5 Seconds",
                              "Core Name Keelwi",
                              "Avalible Drives",
                              " C:\\ D:\\",
                              "Disconnected Drives",
                              "NONE",
                              kSeparator,
                              "LOGGING ENABLED",
                              "Daily [C:\\Harbex\\Monday.log]"}));
}

// ---- Source ----

TEST_F(SummaryTest, FiltersAndUpToThreeFoldersAreListedLastFirst) {
    model.FilterList = Entries({"*.doc", "*.xls"});
    model.DirSource = Entries({"C:\\One", "C:\\Two", "C:\\Three"});

    EXPECT_EQ(Source(), (Texts{"SOURCE SELECTION ", "Filters ", " *.xls  *.doc ",
                               "Source Folders (3)", " C:\\Three  C:\\Two  C:\\One "}));
}

TEST_F(SummaryTest, FourOrMoreFoldersShowOnlyTheLastFollowedByEtc) {
    model.DirSource = Entries({"C:\\1", "C:\\2", "C:\\3", "C:\\4", "C:\\5"});
    Texts source = Source();
    ASSERT_EQ(source.size(), 5u);
    EXPECT_EQ(source[3], "Source Folders (5)");
    EXPECT_EQ(source[4], " C:\\5  etc");

    model.DirSource = Entries({"C:\\1", "C:\\2", "C:\\3", "C:\\4"});
    source = Source();
    ASSERT_EQ(source.size(), 5u);
    EXPECT_EQ(source[4], " C:\\4  etc");
}

TEST_F(SummaryTest, RecursingSubFoldersIsMentionedOnlyWhenChecked) {
    model.DirSource = Entries({"C:\\Data"});
    model.Recurse = true;
    EXPECT_EQ(Source(), (Texts{"SOURCE SELECTION ", "Filters ", "", "Source Folders (1)",
                               " C:\\Data ", "Recursing Sub folders"}));
}

TEST_F(SummaryTest, BrowserAndCommonFileSetsNameTheBrowserFileWhenItExists) {
    model.FilterList = Entries({"*.*"});
    model.DirSource = Entries({"C:\\Data"});
    inputs.browserFile = QStringLiteral("C:\\Harbex\\Work.brw");

    for (int extensions : {1, 2, 3}) {
        SCOPED_TRACE(extensions);
        model.Extensions = extensions;
        inputs.browserFileExists = true;
        EXPECT_EQ(Source(), (Texts{"SOURCE SELECTION ", "Source Files selected with Browser ",
                                   "C:\\Harbex\\Work.brw"}));
        inputs.browserFileExists = false;
        EXPECT_EQ(Source(), (Texts{"SOURCE SELECTION ", "Source Files selected with Browser ",
                                   "Browser file not found"}));
    }
}

// ---- Destinations ----

TEST_F(SummaryTest, CheckedDaysAreListedSundayFirst) {
    model.UseDailyFolders = true;
    model.Days = {true, false, true, false, false, false, true};
    model.UseSpecificFolders = true;
    model.DestList = Entries({"\\\\S1\\D\\Backup", "E:\\Copies"});

    EXPECT_EQ(Destinations(), (Texts{"DESTINATION SELECTION ", "DAILY FOLDERS ENABLED",
                                     " Sunday  Tuesday  Saturday ", "SPECIFIC FOLDERS ENABLED",
                                     " E:\\Copies  \\\\S1\\D\\Backup "}));
}

TEST_F(SummaryTest, EnabledDailyFoldersWithoutADayStillSayNoneAreSet) {
    model.UseDailyFolders = true;
    const Texts destinations = Destinations();
    ASSERT_EQ(destinations.size(), 5u);
    EXPECT_EQ(destinations[1], "DAILY FOLDERS ENABLED");
    EXPECT_EQ(destinations[2], "NO DAILY FOLDERS SET");
}

TEST_F(SummaryTest, SpecificFoldersFollowTheEtcRuleAndShowEvenWhenDisabled) {
    model.DestList = Entries({"E:\\1", "E:\\2", "E:\\3", "E:\\4", "E:\\5"});
    Texts destinations = Destinations();
    ASSERT_EQ(destinations.size(), 5u);
    EXPECT_EQ(destinations[3], "SPECIFIC FOLDERS DISABLED");
    EXPECT_EQ(destinations[4], " E:\\5  etc");

    model.DestList = Entries({"E:\\1", "E:\\2", "E:\\3"});
    destinations = Destinations();
    ASSERT_EQ(destinations.size(), 5u);
    EXPECT_EQ(destinations[4], " E:\\3  E:\\2  E:\\1 ");
}

// ---- Compression ----

TEST_F(SummaryTest, CompressedSetDescribesEngineGroupingParametersAndNamesFile) {
    model.Zipped = true;
    model.ZipFiles = 2;
    model.FixedOption = 1;
    model.RecurseZip = true;
    model.NamesFile = QStringLiteral("C:\\Harbex\\Work.lst");
    settings.DelTemps = true;
    inputs.zipParameters = QStringLiteral("-u -r -p");
    inputs.namesFileExists = true;

    EXPECT_EQ(Compression(),
              (Texts{"COMPRESSION OPTIONS SELECTED", "Compressed archives will be created",
                     "Using internal compression",
                     "One archive for each Filter, identified by \"fil\" plus a number",
                     "Zip Parameters -u -r -p", "Archive Names File C:\\Harbex\\Work.lst",
                     "Recurse Sub Folders", "Delete Temporary Folders"}));
}

TEST_F(SummaryTest, MissingParametersAndNamesFileAreSaidSo) {
    model.Zipped = true;
    model.NamesFile = QStringLiteral("C:\\Harbex\\Gone.lst");
    inputs.namesFileExists = false;
    settings.internal = false;
    inputs.zipUtil = QStringLiteral("pkzip.exe");

    const Texts compression = Compression();
    ASSERT_EQ(compression.size(), 6u);
    EXPECT_EQ(compression[2], "Using third pary compression engine: pkzip.exe");
    EXPECT_EQ(compression[4], "No Zip Parameters Set");
    EXPECT_EQ(compression[5], "No Archive Names File exists");
}

TEST_F(SummaryTest, OneArchiveForEverythingIsNamedFromTheTempFolderAndCoreName) {
    model.ZipFiles = 0;
    inputs.coreName = QStringLiteral("Monday");
    settings.ZipTemp = QStringLiteral("C:\\Temp");
    for (int fixedOption : {-1, 0, 1, 2, 3}) {
        SCOPED_TRACE(fixedOption);
        model.FixedOption = fixedOption;
        EXPECT_EQ(GroupingLine(), "Single Archive: C:\\Temp\\Monday.zip");
    }
    settings.ZipTemp = QStringLiteral("D:\\Zips\\");
    EXPECT_EQ(GroupingLine(), "Single Archive: D:\\Zips\\Monday.zip");
}

struct GroupingCase {
    int zipFiles;
    int fixedOption;
    const char* line;
};

void PrintTo(const GroupingCase& c, std::ostream* out) {
    *out << "ZipFiles " << c.zipFiles << ", FixedOption " << c.fixedOption;
}

class SummaryGroupingTest : public SummaryTest,
                            public ::testing::WithParamInterface<GroupingCase> {};

TEST_P(SummaryGroupingTest, GroupingLineFollowsArchivesAndNaming) {
    model.ZipFiles = GetParam().zipFiles;
    model.FixedOption = GetParam().fixedOption;
    EXPECT_EQ(GroupingLine(), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    EveryGroupingAndNaming, SummaryGroupingTest,
    ::testing::Values(
        GroupingCase{1, 0,
                     "One archive for each Folder, identified by first character of folder name"},
        GroupingCase{1, 1, "One archive for each Folder, identified by \"fol\" plus a number"},
        GroupingCase{1, 2, "One archive for each Folder, identified by your list of names"},
        GroupingCase{1, 3, "Single Archive file option"},
        GroupingCase{1, -1, "One archive for each "},
        GroupingCase{2, 0, "One archive for each Filter, identified by first character of filter"},
        GroupingCase{2, 1, "One archive for each Filter, identified by \"fil\" plus a number"},
        GroupingCase{2, 2, "One archive for each Filter, identified by your list of names"},
        GroupingCase{2, 3, "Single Archive file option"},
        GroupingCase{3, 0,
                     "One archive for each Filter in each Folder, identified by first character of "
                     "both"},
        GroupingCase{
            3, 1, "One archive for each Filter in each Folder, identified by \"f\" plus a number"},
        GroupingCase{
            3, 2, "One archive for each Filter in each Folder, identified by your list of names"},
        GroupingCase{3, 3, "Single Archive file option"}));

// ---- General options ----

TEST_F(SummaryTest, AutotypeCaptionsAreThoseOfTheStartUpEvents) {
    EXPECT_EQ(AutotypeCaption(0), QStringLiteral("No  I want to use Harbex manualy"));
    EXPECT_EQ(AutotypeCaption(1),
              QStringLiteral("Yes I want to Schedule this Backup to run at a certain time"));
    EXPECT_EQ(AutotypeCaption(2),
              QStringLiteral("I want Harbex to backup my files when it starts"));
    EXPECT_EQ(AutotypeCaption(-1), QString());
    EXPECT_EQ(AutotypeCaption(3), QString());
}

TEST_F(SummaryTest, AutoLineShowsTheGivenCaption) {
    inputs.autotypeCaption = AutotypeCaption(2);
    const Texts general = General();
    ASSERT_GE(general.size(), 2u);
    EXPECT_EQ(general[1], "Auto I want Harbex to backup my files when it starts");
}

TEST_F(SummaryTest, ScheduleLineDescribesEachScheduleType) {
    model.autotype = 1;
    model.TimePicker = QTime(7, 5, 3);
    model.DowSelect = 2;
    model.DayOfMonth = 17;
    model.MounthPicker = 11;

    model.ShedType = 0;
    EXPECT_EQ(ScheduleLine(), "Daily at 07:05:03");
    model.ShedType = 1;
    EXPECT_EQ(ScheduleLine(), "Weekly on Tuesday at 07:05:03");
    model.ShedType = 2;
    EXPECT_EQ(ScheduleLine(), "Monthly on the 17 at 07:05:03");
    model.ShedType = 3;
    EXPECT_EQ(ScheduleLine(), "Yearly on the 17 of December at 07:05:03");
}

TEST_F(SummaryTest, WeeklyScheduleNamesSundayAndSaturdayAtTheEndsOfTheList) {
    model.autotype = 1;
    model.ShedType = 1;
    model.DowSelect = 0;
    EXPECT_EQ(ScheduleLine(), "Weekly on Sunday at 13:55:09");
    model.DowSelect = 6;
    EXPECT_EQ(ScheduleLine(), "Weekly on Saturday at 13:55:09");
}

TEST_F(SummaryTest, ScheduleLineIsEmptyUnlessTheSetIsScheduled) {
    model.ShedType = 1;
    for (int autotype : {0, 2}) {
        SCOPED_TRACE(autotype);
        model.autotype = autotype;
        inputs.autotypeCaption = AutotypeCaption(autotype);
        EXPECT_EQ(ScheduleLine(), "");
    }
}

TEST_F(SummaryTest, OptionalGeneralLinesAppearOnlyWhenChecked) {
    settings.Duplicates = false;
    settings.StartUp = false;
    settings.TimerInterval = 12000;
    model.ZipCoreName = QStringLiteral("Office");
    EXPECT_EQ(General(),
              (Texts{"GENERAL OPTIONS ", "Auto ", "", "Wait 12 Seconds", "Core Name Office",
                     "Avalible Drives", "", "Disconnected Drives", "NONE"}));

    settings.Duplicates = true;
    settings.StartUp = true;
    const Texts general = General();
    ASSERT_EQ(general.size(), 11u);
    EXPECT_EQ(general[3], "Duplicate file handling Activated");
    EXPECT_EQ(general[4], "Harbex will start at power up");
}

TEST_F(SummaryTest, DrivesAreListedFirstToLastWithALeadingBlankEach) {
    model.Drivelist = Entries({"C:\\", "\\\\S1\\D"});
    model.RemovedList = Entries({"F:\\", "G:\\"});
    const Texts general = General();
    ASSERT_EQ(general.size(), 10u);
    EXPECT_EQ(general[6], "Avalible Drives");
    EXPECT_EQ(general[7], " C:\\ \\\\S1\\D");
    EXPECT_EQ(general[8], "Disconnected Drives");
    EXPECT_EQ(general[9], " F:\\ G:\\");
}

TEST_F(SummaryTest, SequencingLinesFollowTheDrivesOnlyInSequencingMode) {
    EXPECT_EQ(General().back(), "NONE");

    settings.SequencingMode = true;
    inputs.sequenceIndex = 2;
    inputs.countDueToday = 5;
    Texts general = General();
    ASSERT_EQ(general.size(), 13u);
    EXPECT_EQ(general[9], "NONE");
    EXPECT_EQ(general[10], "Sequencing Mode is active");
    EXPECT_EQ(general[11], "Current BUS file is number 2 in Sequence of 5");
    EXPECT_EQ(general[12], "Missed backups will be skipped");

    inputs.sequenceIndex = -1;
    settings.Skip = false;
    general = General();
    ASSERT_EQ(general.size(), 13u);
    EXPECT_EQ(general[11], "The Current BUS file is the last in sequence");
    EXPECT_EQ(general[12], "Harbex will terminate if a Backup is Missed");
}

// ---- Logging ----

TEST_F(SummaryTest, LoggingLinesNameTheLogFileByLogOption) {
    inputs.logFileName = QStringLiteral("C:\\Harbex\\Harbex.log");
    settings.LogCounter = 42;
    const Texts expected[] = {{"LOGGING ENABLED", "Single File C:\\Harbex\\Harbex.log"},
                              {"LOGGING ENABLED", "Daily [C:\\Harbex\\Harbex.log]"},
                              {"LOGGING ENABLED", "Monthly [C:\\Harbex\\Harbex.log]"},
                              {"LOGGING ENABLED", "Sequential 42 [C:\\Harbex\\Harbex.log]"}};
    for (int option = 0; option < 4; ++option) {
        SCOPED_TRACE(option);
        settings.LogOptions = option;
        EXPECT_EQ(Logging(), expected[option]);
    }
}

TEST_F(SummaryTest, DisabledLoggingIsOneLine) {
    settings.EnabLog = false;
    inputs.logFileName = QStringLiteral("C:\\Harbex\\Harbex.log");
    EXPECT_EQ(Logging(), Texts{"LOGGING DISABLED"});
}

}  // namespace
}  // namespace harbex
