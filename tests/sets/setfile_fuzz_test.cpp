#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "platform/filesystem.h"
#include "sets/setfile.h"
#include "util/datetimetext.h"

// Set files come from disks, mail attachments and older versions of the program: the reader must
// survive anything, and whatever it makes of a file must write out as a well-formed set that
// reads back the same. These tests throw thousands of damaged and random files at it, from a fixed
// seed so that a failure can be reproduced.

namespace harbex {
namespace {

const QStringList kHeaders = {
    QStringLiteral("[FILTERS]"),  QStringLiteral("[DIRS]"),     QStringLiteral("[PARAMS]"),
    QStringLiteral("[SHED]"),     QStringLiteral("[AUTO]"),     QStringLiteral("[DIS DRIVES]"),
    QStringLiteral("[DAYS]"),     QStringLiteral("[NAMESET]"),  QStringLiteral("[SPECIFIC]"),
    QStringLiteral("[ZIP TYPE]"), QStringLiteral("[ZIP CORE]"), QStringLiteral("[COMP]"),
    QStringLiteral("[NAMES]"),    QStringLiteral("[NET DIRS]"), QStringLiteral("[LOG]"),
    QStringLiteral("[WIZ]"),      QStringLiteral("[COMM]"),     QStringLiteral("[GEN]"),
};

// Values that mean something to one section or another, and some that are almost right.
const QStringList kValues = {
    QString(),
    QStringLiteral("0"),
    QStringLiteral("1"),
    QStringLiteral("2"),
    QStringLiteral("3"),
    QStringLiteral("9"),
    QStringLiteral("-1"),
    QStringLiteral(" 1"),
    QStringLiteral("01"),
    QStringLiteral("11"),
    QStringLiteral("97"),
    QStringLiteral("30"),
    QStringLiteral("x2"),
    QStringLiteral("99999999999"),
    QStringLiteral("USE"),
    QStringLiteral("USE23456"),
    QStringLiteral("1357"),
    QStringLiteral("use12"),
    QStringLiteral("-u -r -p"),
    QStringLiteral("-a "),
    QStringLiteral("-f -u -a -r"),
    QStringLiteral("18:30:00"),
    QStringLiteral("7:5"),
    QStringLiteral("23:59:59.999"),
    QStringLiteral("25:00:00"),
    QStringLiteral("12:00 pm"),
    QStringLiteral("C:\\Data"),
    QStringLiteral("\\\\S1\\D\\Copies"),
    QStringLiteral("E:\\Copies"),
    QStringLiteral("F:"),
    QStringLiteral("*.doc"),
    QStringLiteral("NOFILE"),
    QStringLiteral("Office"),
    QStringLiteral("Accounting"),
    QStringLiteral("2000000000000000000"),
    QStringLiteral("x2111111111111111111111"),
    QStringLiteral("[DIRS"),
    QStringLiteral("[dirs]"),
    QStringLiteral("DIRS]"),
    QStringLiteral("[ZIPTYPE]"),
    QStringLiteral("D:\\Old[DIRS]Copy"),
    QStringLiteral("[GEN][FILTERS]"),
};

class Fuzzer {
  public:
    explicit Fuzzer(unsigned seed) : random_(seed) {}

    int below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random_); }
    bool chance(int percent) { return below(100) < percent; }

    QByteArray bytes(int maxLength) {
        QByteArray result(below(maxLength + 1), '\0');
        for (char& byte : result) byte = static_cast<char>(below(256));
        return result;
    }

    QString characters(int maxLength) {
        QString result;
        const int length = below(maxLength + 1);
        for (int i = 0; i < length; ++i) result += character();
        return result;
    }

    // A line of a damaged set file: a header, a value, a header inside other text, or noise.
    QString line() {
        switch (below(6)) {
            case 0:
                return kHeaders[below(kHeaders.size())];
            case 1:
            case 2:
                return kValues[below(kValues.size())];
            case 3:
                return characters(8) + kHeaders[below(kHeaders.size())] + characters(8);
            default:
                return characters(30);
        }
    }

    QStringList lines(int maxCount) {
        QStringList result;
        const int count = below(maxCount + 1);
        for (int i = 0; i < count; ++i) result << line();
        return result;
    }

  private:
    QChar character() {
        switch (below(8)) {
            case 0:
                return QChar(below(32));  // control characters, NUL too
            case 1:
                return QChar(0x80 + below(0x780));  // accented and other letters
            case 2:
                return QChar(QLatin1Char("[]0123456789-:USE"[below(17)]));
            default:
                return QChar(0x20 + below(0x5F));  // printable ASCII
        }
    }

    std::mt19937 random_;
};

// The starting models: a fresh one, and one with every list and field in use, so that the reader
// is seen to empty what it must and keep what it may.
BackupSetModel BusySet() {
    BackupSetModel m;
    m.FilterList = QStringList{QStringLiteral("*.doc"), QStringLiteral("*.xls")};
    m.DirSource = QStringList{QStringLiteral("C:\\Data"), QStringLiteral("C:\\Data\\Sub")};
    m.RootList = QStringList{QStringLiteral("C:\\")};
    m.DestList = QStringList{QStringLiteral("E:\\Copies")};
    m.Drivelist = QStringList{QStringLiteral("F:")};
    m.RemovedList = QStringList{QStringLiteral("G:")};
    m.UseDailyFolders = true;
    m.Days.fill(true);
    m.UseSpecificFolders = true;
    m.Zipped = true;
    m.RecurseZip = true;
    m.ZipFiles = 0;
    m.FixedOption = 3;
    m.Nametype = 0;
    m.ZipCoreName = QStringLiteral("Busy");
    m.autotype = 2;
    m.ShedType = 3;
    m.DowSelect = 6;
    m.DayOfMonth = 31;
    m.TimePicker = QTime(23, 59, 58);
    m.MounthPicker = 11;
    m.What = 0;
    m.Extensions = 2;
    m.ReCheck = true;
    m.FileTypes.fill(true);
    m.Recurse = true;
    return m;
}

// Lines of a written set that open a section must be the 18 headers, each once, in order.
::testing::AssertionResult WellFormed(const QStringList& written) {
    QStringList headers;
    for (const QString& line : written)
        if (SectionOf(line) != SetSection::None) headers << line;
    if (headers != kHeaders)
        return ::testing::AssertionFailure()
               << "headers written: " << headers.join(u'|').toStdString();
    return ::testing::AssertionSuccess();
}

// Reads `lines` into `start`, then writes, reads and writes twice more. Filters and specific
// folders are reversed by every read and write, so the third text must equal the first.
::testing::AssertionResult ReadsAndWritesStably(const QStringList& lines,
                                                const BackupSetModel& start,
                                                const QString& zipParameters) {
    SetReaderHooks plain;
    BackupSetModel model = start;
    ReadSetLines(lines, model, zipParameters, plain);
    const QStringList first = ComposeSetLines(model, 1);
    if (auto formed = WellFormed(first); !formed) return formed;

    BackupSetModel second = model;
    ReadSetLines(first, second, QString(), plain);
    const QStringList secondText = ComposeSetLines(second, 1);
    if (auto formed = WellFormed(secondText); !formed) return formed;
    if (second.FilterList != QStringList(model.FilterList.rbegin(), model.FilterList.rend()))
        return ::testing::AssertionFailure() << "filters are not read back reversed";

    BackupSetModel third = second;
    ReadSetLines(secondText, third, QString(), plain);
    const QStringList thirdText = ComposeSetLines(third, 1);
    if (thirdText != first)
        return ::testing::AssertionFailure() << "written differently after two rounds:\n"
                                             << first.join(u'|').toStdString() << "\n"
                                             << thirdText.join(u'|').toStdString();
    return ::testing::AssertionSuccess();
}

class SetFileFuzzTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SetUserFormats(QStringLiteral("dd/MM/yyyy"), QStringLiteral("HH:mm:ss"));
    }
    void TearDown() override { SetUserFormats(QString(), QString()); }

    BackupSetModel startModel(int round) const {
        return round % 2 == 0 ? BackupSetModel() : BusySet();
    }
    QString panelText(int round) const {
        return round % 3 == 0 ? QString() : QStringLiteral("-a -r -p");
    }
};

TEST_F(SetFileFuzzTest, RandomBytesReadAsLatinOrUtf8Text) {
    Fuzzer fuzz(20261207u);
    for (int round = 0; round < 1500; ++round) {
        const QByteArray bytes = fuzz.bytes(600);
        const QString text = round % 2 == 0 ? QString::fromLatin1(bytes) : QString::fromUtf8(bytes);
        ASSERT_TRUE(ReadsAndWritesStably(SplitTextLines(text), startModel(round), panelText(round)))
            << "round " << round;
    }
}

TEST_F(SetFileFuzzTest, RandomLinesMixingHeadersAndValues) {
    Fuzzer fuzz(4242u);
    for (int round = 0; round < 3000; ++round) {
        const QStringList lines = fuzz.lines(60);
        ASSERT_TRUE(ReadsAndWritesStably(lines, startModel(round), panelText(round)))
            << "round " << round << ": " << lines.join(u'|').toStdString();
    }
}

TEST_F(SetFileFuzzTest, AWrittenSetCutOffAtEveryPosition) {
    for (int variant = 0; variant < 2; ++variant) {
        const BackupSetModel source = variant == 0 ? BusySet() : BackupSetModel();
        const QString text = ComposeSetText(source, 3);
        for (qsizetype length = 0; length <= text.size(); ++length) {
            const QStringList lines = SplitTextLines(text.left(length));
            for (int round = 0; round < 2; ++round)
                ASSERT_TRUE(ReadsAndWritesStably(lines, startModel(round), panelText(round)))
                    << "variant " << variant << " cut at " << length;
        }
        // The whole file reads back into the set it came from, lists reversed where documented.
        BackupSetModel model;
        SetReaderHooks plain;
        ReadSetLines(SplitTextLines(text), model, QString(), plain);
        BackupSetModel expected = source;
        std::reverse(expected.FilterList.begin(), expected.FilterList.end());
        std::reverse(expected.DestList.begin(), expected.DestList.end());
        EXPECT_EQ(model, expected) << "variant " << variant;
    }
}

TEST_F(SetFileFuzzTest, VeryLongLines) {
    Fuzzer fuzz(77u);
    for (int round = 0; round < 16; ++round) {
        QStringList lines;
        for (int i = 0; i < 6; ++i) {
            lines << fuzz.line();
            QString longLine = fuzz.characters(40) + QString(60000 + fuzz.below(40000), u'x');
            if (fuzz.chance(30)) longLine.insert(fuzz.below(longLine.size()), fuzz.line());
            lines << longLine;
        }
        ASSERT_TRUE(ReadsAndWritesStably(lines, startModel(round), panelText(round)))
            << "round " << round;
    }
}

TEST_F(SetFileFuzzTest, WithoutAnEngineNoCompressionValueLeavesTheSetCompressed) {
    // The reader calls back once per line, and a compression value without an engine always
    // switches compression off, while a file without one leaves it as it was.
    class NoEngineHooks : public SetReaderHooks {
      public:
        void handleMessages() override { ++rounds; }
        bool engineExists() const override { return false; }
        int rounds = 0;
    };
    Fuzzer fuzz(9001u);
    for (int round = 0; round < 1000; ++round) {
        const QStringList lines = fuzz.lines(40);
        NoEngineHooks hooks;
        BackupSetModel model = BusySet();
        ReadSetLines(lines, model, panelText(round), hooks);
        ASSERT_EQ(hooks.rounds, lines.size()) << "round " << round;
        bool compressionValue = false;
        SetSection current = SetSection::None;
        for (const QString& line : lines) {
            const SetSection section = SectionOf(line);
            if (section != SetSection::None)
                current = section;
            else if (current == SetSection::Comp)
                compressionValue = true;
        }
        ASSERT_EQ(model.Zipped, !compressionValue)
            << "round " << round << ": " << lines.join(u'|').toStdString();
    }
}

}  // namespace
}  // namespace harbex
