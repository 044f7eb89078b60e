#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QLockFile>
#include <QProcess>
#include <QSysInfo>
#include <QTextStream>

#include "app/headlessrun.h"
#include "platform/headless.h"
#include "support/controllerfixture.h"
#include "support/programtexts.h"

namespace harbex::test {
namespace {

// A set of one source folder, copied into the daily folders on the given drive and into one
// specific folder; compressed or not.
QByteArray SetText(const char* drive, const char* specific, bool compressed) {
    return QByteArray(
               "[FILTERS]\r\n*.*\r\n[DIRS]\r\nC:\\Src\r\n[PARAMS]\r\n-u \r\n[SHED]\r\n0\r\n"
               "1\r\n1\r\n13:55:09\r\n0\r\n[AUTO]\r\n1\r\n[DIS DRIVES]\r\n[DAYS]\r\n"
               "USE1234567\r\n[NAMESET]\r\n1\r\n[SPECIFIC]\r\n1\r\n") +
           specific + "\r\n[ZIP TYPE]\r\n30\r\n[ZIP CORE]\r\nNightl\r\n[COMP]\r\n" +
           (compressed ? "1" : "0") + "\r\n[NAMES]\r\nNOFILE\r\n[NET DIRS]\r\n" + drive +
           "\r\n[LOG]\r\n[WIZ]\r\n0000000000000000000\r\n[COMM]\r\n[GEN]\r\n01";
}

struct Outcome {
    int code = -1;
    QString out;
    QString err;
};

class HeadlessRunTest : public ControllerTest {
  protected:
    HeadlessRunTest() {
        world.writeFile(P("C:\\Src\\report.txt"), "the report");
        world.writeFile(P("C:\\Src\\notes.txt"), "some notes");
        world.makeFolder(P("D:\\Copies"));
        world.makeFolder(P("C:\\Temp"));
        world.setSetting(P("Zip Temp"), P("C:\\Temp\\"));
        world.setSetting(P("L Options"), P("0"));
    }
    Outcome run(const QString& set) {
        Outcome o;
        QTextStream out(&o.out);
        QTextStream err(&o.err);
        o.code = RunSetHeadless(set, out, err);
        out.flush();
        err.flush();
        return o;
    }
    QString logFile() const {
        return QString::fromLatin1(world.readFile(P("C:\\Harbex\\Harbex.log")));
    }
};

struct ExitCase {
    const char* name;
    QByteArray set;
    std::function<void()> prepare;
    int code;
    QStringList outLines;  // lines standard output must hold, in this order
    QString errText;       // text standard error must hold ("" for none at all)
    QStringList logLines;  // lines the log file must hold
};

TEST_F(HeadlessRunTest, ExitCodeStandardOutputAndLogFollowTheRun) {
    const QString ok = P(": Week Day  >D:\\Monday\\");
    const QString spec = P(": Specific  >");
    const QString report = Col(P("C:\\Src\\report.txt"));
    const QString notes = Col(P("C:\\Src\\notes.txt"));
    const QString engineQuestion =
        P("Not asked (no window): \"Error: Internal compression System file missing, Click "
          "Ignore to use external compression You must have a suitable Compression engine "
          "installed\"; answered Abort");
    const std::vector<ExitCase> cases = {
        {"AllCopiesGood",
         SetText("D:", "D:\\Copies", false),
         {},
         0,
         {P("C:\\Sets\\AllCopiesGood.bus Monday 07/12/2026: 10:00:01"), P("DRIVE: D:"),
          report + ok + P("report.txt OK"), report + spec + P("D:\\Copies\\report.txt OK"),
          notes + ok + P("notes.txt OK"), notes + spec + P("D:\\Copies\\notes.txt OK"),
          P("Files backed up successfully 4"), P("Failed backups               0"),
          P("-------------  END ------------------------"),
          P("Log file: ") + world.host(P("C:\\Harbex\\Harbex.log"))},
         P(""),
         {notes + ok + P("notes.txt OK"), P("Files backed up successfully 4")}},
        {"ASpecificFolderIsMissing",
         SetText("D:", "D:\\Gone", false),
         {},
         1,
         {report + spec + P("D:\\Gone\\report.txt FAILED"), notes + ok + P("notes.txt OK"),
          notes + spec + P("D:\\Gone\\notes.txt FAILED"), P("Files backed up successfully 2"),
          P("Failed backups               2")},
         P("harbex: the backup of C:\\Sets\\ASpecificFolderIsMissing.bus had problems: 2 copies "
           "failed, 0 files not found, 2 copies checked OK; see ") +
             world.host(P("C:\\Harbex\\Harbex.log")),
         {notes + spec + P("D:\\Gone\\notes.txt FAILED"), P("Failed backups               2")}},
        {"TheOnlyDriveIsUnreachable",
         SetText("F:", "F:\\Copies", false),
         {},
         2,
         {},
         P("None of the set's drives can be reached (F:); nothing was backed up."),
         {P("None of the set's drives can be reached (F:); nothing was backed up.")}},
        {"TheEngineOfACompressedSetIsMissing",
         SetText("D:", "D:\\Copies", true),
         [this] { removeEngine(); },
         2,
         {},
         engineQuestion,
         {engineQuestion, P("HARBEX was unable to setup file compression")}},
    };
    for (const ExitCase& c : cases) {
        SCOPED_TRACE(c.name);
        const QString set = P("C:\\Sets\\") + P(c.name) + P(".bus");
        world.writeFile(set, c.set);
        if (c.prepare) c.prepare();
        const Outcome o = run(set);
        EXPECT_EQ(o.code, c.code) << o.err.toStdString();
        qsizetype at = 0;
        for (const QString& line : c.outLines) {
            const qsizetype found = o.out.indexOf(line + u'\n', at);
            EXPECT_GE(found, at) << "standard output lacks, or has out of order: "
                                 << line.toStdString() << "\n"
                                 << o.out.toStdString();
            at = std::max(found, at);
        }
        if (c.errText.isEmpty())
            EXPECT_EQ(o.err, QString());
        else
            EXPECT_TRUE(o.err.contains(c.errText)) << o.err.toStdString();
        const QStringList log = SplitTextLines(logFile());
        for (const QString& line : c.logLines)
            EXPECT_TRUE(log.contains(line)) << line.toStdString() << "\n"
                                            << logFile().toStdString();
        EXPECT_TRUE(world.prompter().records().isEmpty()) << "nothing may be shown or asked";
        installEngine();
    }
}

TEST_F(HeadlessRunTest, ASecondRunOfTheSameSetIsRefusedWhileTheFirstRunsAndAStaleLockIsNot) {
    world.writeFile(P("C:\\Sets\\nightly.bus"), SetText("D:", "D:\\Copies", false));
    world.writeFile(P("C:\\Sets\\other.bus"), SetText("D:", "D:\\Copies", false));
    std::optional<Outcome> second;
    std::optional<Outcome> other;
    // While the first run pauses between its steps, the same set and another set are started.
    world.waits().onWait = [&] {
        if (second) return;
        second = run(P("C:\\Sets\\nightly.bus"));
        other = run(P("C:\\Sets\\other.bus"));
    };
    const Outcome first = run(P("C:\\Sets\\nightly.bus"));
    world.waits().onWait = {};
    EXPECT_EQ(first.code, 0) << first.err.toStdString();
    ASSERT_TRUE(second.has_value());
    EXPECT_EQ(second->code, 2);
    EXPECT_TRUE(second->err.contains(P("The set C:\\Sets\\nightly.bus is being backed up "
                                       "already by process ") +
                                     QString::number(QCoreApplication::applicationPid())))
        << second->err.toStdString();
    EXPECT_EQ(second->out, QString());
    EXPECT_EQ(other->code, 0) << "another set is not held up: " << other->err.toStdString();

    // A lock left by a process that has ended does not keep the set from running again.
    QProcess ended;
    ended.start(P("true"), {});
    ASSERT_TRUE(ended.waitForStarted());
    const qint64 pid = ended.processId();
    ASSERT_TRUE(ended.waitForFinished());
    const RunLock probe(world.host(P("C:\\Harbex")), world.host(P("C:\\Sets\\nightly.bus")));
    QFile stale(probe.fileName());
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write(QByteArray::number(pid) + "\nharbex\n" + QSysInfo::machineHostName().toUtf8() +
                "\n");
    stale.close();
    EXPECT_EQ(run(P("C:\\Sets\\nightly.bus")).code, 0);
    EXPECT_FALSE(QFile::exists(probe.fileName())) << "the lock goes with the run";

    // A lock file its process died before writing: refused while it may still be written, taken
    // over once it is old.
    for (const auto& [age, code] : {std::pair{0, 2}, std::pair{60, 0}}) {
        QFile empty(probe.fileName());
        ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
        empty.setFileTime(QDateTime::currentDateTime().addSecs(-age),
                          QFileDevice::FileModificationTime);
        empty.close();
        EXPECT_EQ(run(P("C:\\Sets\\nightly.bus")).code, code) << age;
    }
    EXPECT_TRUE(world.prompter().records().isEmpty());
}

TEST_F(HeadlessRunTest, TheCommandLineNamesItsCommandsAndRefusesOthers) {
    struct Case {
        QStringList arguments;
        int code;
        const char* out;
        const char* err;
    };
    const std::vector<Case> cases = {
        {{P("harbex")}, -1, "", ""},
        {{P("harbex"), P("--version")}, 0, "Harbex 2.0.0.0\n", ""},
        {{P("harbex"), P("--help")}, 0, "Usage: harbex [--run SET | --help | --version]", ""},
        {{P("harbex"), P("--run")}, 2, "", "harbex: --run needs one set file"},
        {{P("harbex"), P("--rnu"), P("x")}, 2, "", "harbex: unknown option --rnu"},
        {{P("harbex"), P("--run"), P("C:\\Sets\\none.bus")},
         2,
         "",
         "harbex: The backup set file C:\\Sets\\none.bus does not exist"},
        {{P("harbex"), P("--run"), P("C:\\Src\\notes.txt")},
         2,
         "",
         "harbex: The file C:\\Src\\notes.txt is not a Harbex backup set"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        QString out;
        QString err;
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        EXPECT_EQ(RunCommandLine(c.arguments, outStream, errStream), c.code);
        outStream.flush();
        errStream.flush();
        EXPECT_TRUE(*c.out ? out.startsWith(P(c.out)) : out.isEmpty()) << out.toStdString();
        EXPECT_TRUE(*c.err ? err.startsWith(P(c.err)) : err.isEmpty()) << err.toStdString();
    }
}

TEST(HeadlessAnswers, AQuestionGetsTheSafeAnswerItOffers) {
    const std::vector<std::pair<Buttons, Button>> cases = {
        {{Button::Yes, Button::No, Button::Help}, Button::No},
        {{Button::Ok, Button::Cancel, Button::Help}, Button::Cancel},
        {{Button::Ok, Button::Abort, Button::Help}, Button::Abort},
        {{Button::Abort, Button::Ignore, Button::Help}, Button::Abort},
        {{Button::Yes, Button::Cancel, Button::No}, Button::Cancel},
        {{Button::Help, Button::Ok}, Button::Ok},
    };
    for (const auto& [buttons, safe] : cases)
        EXPECT_EQ(HeadlessPrompter::SafeAnswer(buttons), safe);
}

}  // namespace
}  // namespace harbex::test
