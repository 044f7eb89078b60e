#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>

#include "log/runlogbook.h"
#include "sets/setfile.h"
#include "support/controllerfixture.h"

namespace harbex::test {
namespace {

const QString kViewerQuestion = QStringLiteral(
    "Unable to open log file:\r\nCant find Windows 'Notepad', do you want to try and locate it "
    "yourself");
const QString kViewerFilter = QStringLiteral(
    "Execuatable Files [*.exe]|*.exe|Command Files [*.com]|*.com|DOS Batch File [*.bat]|*.bat|Any "
    "File|*.*");
const QString kLogFilter = QStringLiteral("Harbex Log Files [*.log]|*.log");

// The viewer writes each call's arguments, one per line, into a file of its own next to itself;
// the file appears whole (written aside, then renamed), so the test never reads half of it.
const QByteArray kRecordingViewer =
    "#!/bin/sh\n"
    "dir=$(dirname \"$0\")\n"
    "printf '%s\\n' \"$@\" > \"$dir/call-$$.part\"\n"
    "mv \"$dir/call-$$.part\" \"$dir/call-$$.args\"\n";

class LogViewTest : public ControllerTest {
  protected:
    const QString viewer = QStringLiteral("C:\\Harbex\\Log Viewer\\view.sh");

    THarbexZoDi& withViewer(int viewOptions, int logOptions = 1) {
        world.writeFile(viewer, kRecordingViewer);
        EXPECT_TRUE(QFile::setPermissions(world.host(viewer),
                                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        THarbexZoDi& z = controller();
        z.settings.LogViewer = viewer;
        z.settings.ViewOptions = viewOptions;
        z.settings.LogOptions = logOptions;
        z.log().SetLogFileName();
        return z;
    }
    QStringList callFiles() const {
        return QDir(world.host(QStringLiteral("C:\\Harbex\\Log Viewer")))
            .entryList({QStringLiteral("*.args")});
    }
    // The viewer runs on its own; wait (at most 5 s) until it has written its first call.
    QStringList firstCallArguments() const {
        QDeadlineTimer deadline(5000);
        while (callFiles().isEmpty() && !deadline.hasExpired()) QThread::msleep(10);
        const QStringList calls = callFiles();
        if (calls.isEmpty()) return {QStringLiteral("<viewer never ran>")};
        QFile file(world.host(QStringLiteral("C:\\Harbex\\Log Viewer\\") + calls.first()));
        if (!file.open(QIODevice::ReadOnly)) return {QStringLiteral("<unreadable>")};
        return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }
};

// ---- a missing viewer ----

TEST_F(LogViewTest, AMissingViewerAsksAndTheChosenProgramBecomesTheViewer) {
    THarbexZoDi& z = controller();
    z.settings.LogViewer = QStringLiteral("C:\\windows\\notepad.exe");
    z.settings.ViewOptions = 1;
    // The search starts where this machine keeps its programs, not in a folder it lacks.
    world.platform().defaults.viewerFolder = QStringLiteral("D:\\Tools");
    world.prompter().answerNext(Button::Yes);
    world.dialogs().answerNext(QStringLiteral("D:\\Tools\\less.exe"));
    z.log().ViewLogFile1Click();

    ASSERT_EQ(world.prompter().records().size(), 1);
    const PromptRecord& question = world.prompter().records().first();
    EXPECT_TRUE(question.isQuestion);
    EXPECT_EQ(question.text, kViewerQuestion);
    EXPECT_EQ(question.icon, IconKind::Error);
    EXPECT_EQ(question.buttons, (Buttons{Button::Yes, Button::Cancel, Button::Help}));
    EXPECT_EQ(question.helpContext, 18);

    // Only the program dialog: no log file is offered or shown this time.
    ASSERT_EQ(world.dialogs().requests.size(), 1);
    const FileDialogRequest& request = world.dialogs().requests.first();
    EXPECT_EQ(request.defaultExtension, QStringLiteral("exe"));
    EXPECT_EQ(request.filter, kViewerFilter);
    EXPECT_EQ(request.initialFolder, QStringLiteral("D:\\Tools"));
    EXPECT_EQ(z.settings.LogViewer, QStringLiteral("D:\\Tools\\less.exe"));
}

TEST_F(LogViewTest, CancelOrNoChoiceKeepsTheViewer) {
    THarbexZoDi& z = controller();
    const QString missing = QStringLiteral("C:\\windows\\notepad.exe");
    z.settings.LogViewer = missing;
    world.prompter().answerNext(Button::Cancel);
    z.log().ViewLogFile1Click();
    EXPECT_TRUE(world.dialogs().requests.isEmpty());
    EXPECT_EQ(z.settings.LogViewer, missing);

    world.prompter().answerNext(Button::Yes);
    world.dialogs().answerNext(std::nullopt);
    z.log().ViewLogFile1Click();
    EXPECT_EQ(world.dialogs().requests.size(), 1);
    EXPECT_EQ(z.settings.LogViewer, missing);
}

// ---- the list of log files ----

TEST_F(LogViewTest, TheLogDialogProposesTodaysNameForEachScheme) {
    const std::pair<int, QString> cases[] = {
        {0, QStringLiteral("Harbex.log")},
        {1, QStringLiteral("Monday_Harbex.log")},
        {2, QStringLiteral("HarbexDM7.log")},
    };
    for (const auto& [logOptions, proposal] : cases) {
        THarbexZoDi& z = withViewer(1, logOptions);
        world.dialogs().answerNext(std::nullopt);
        z.log().ViewLogFile1Click();
        ASSERT_FALSE(world.dialogs().requests.isEmpty());
        const FileDialogRequest& request = world.dialogs().requests.last();
        EXPECT_EQ(request.fileName, proposal) << "LogOptions " << logOptions;
        EXPECT_EQ(request.title, QStringLiteral("Open Log File"));
        EXPECT_EQ(request.filter, kLogFilter);
        EXPECT_EQ(request.defaultExtension, QStringLiteral("log"));
        EXPECT_EQ(request.initialFolder, world.programFolder());
    }
    EXPECT_TRUE(world.prompter().records().isEmpty());
}

TEST_F(LogViewTest, TheSequentialProposalUsesTheCounterAsItIsNow) {
    THarbexZoDi& z = controller();
    z.settings.LogCounter = 4;
    withViewer(1, 3);
    EXPECT_EQ(z.settings.LogFileName, QStringLiteral("C:\\Harbex\\HarbexLC4.log"));
    world.dialogs().answerNext(std::nullopt);
    z.log().ViewLogFile1Click();
    EXPECT_EQ(world.dialogs().requests.last().fileName, QStringLiteral("HarbexLC5.log"));

    z.log().Page14ResetClick();
    world.dialogs().answerNext(std::nullopt);
    z.log().ViewLogFile1Click();
    EXPECT_EQ(world.dialogs().requests.last().fileName, QStringLiteral("HarbexLC0.log"));
}

TEST_F(LogViewTest, ThePickedLogIsOpenedInTheViewer) {
    THarbexZoDi& z = withViewer(1);
    const QString picked = QStringLiteral("C:\\Harbex\\HarbexDM3.log");
    world.writeFile(picked, "old\r\n");
    world.dialogs().answerNext(picked);
    z.log().ViewLogFile1Click();
    EXPECT_EQ(firstCallArguments(), QStringList{world.host(picked)});
}

TEST_F(LogViewTest, AnUnknownViewOptionDoesNothing) {
    THarbexZoDi& z = withViewer(-1);
    world.writeFile(z.settings.LogFileName, "line\r\n");
    z.log().ViewLogFile1Click();  // a dialog or question here would fail the test
    EXPECT_TRUE(world.dialogs().requests.isEmpty());
    EXPECT_TRUE(world.prompter().records().isEmpty());
}

// ---- the last created file ----

TEST_F(LogViewTest, TheLastFileIsShownOnlyWhenItExists) {
    THarbexZoDi& z = withViewer(0);
    const QString missing = QStringLiteral("C:\\Harbex\\Harbex gone.log");
    z.settings.LogFileName = missing;
    z.log().ViewLogFile1Click();

    z.log().SetLogFileName();
    world.writeFile(z.settings.LogFileName, "line\r\n");
    z.log().ViewLogFile1Click();
    EXPECT_EQ(firstCallArguments(), QStringList{world.host(z.settings.LogFileName)});
    EXPECT_EQ(callFiles().size(), 1) << "the missing log started no viewer";
    EXPECT_TRUE(world.dialogs().requests.isEmpty());
    EXPECT_TRUE(world.prompter().records().isEmpty());
}

TEST_F(LogViewTest, ALongLogPathWithBlanksReachesTheViewerWhole) {
    THarbexZoDi& z = withViewer(0);
    const QString log = QStringLiteral(
        "C:\\Harbex\\Logs of the accounts department\\Weekly backups for December 2026\\"
        "Monday_Harbex.log");
    ASSERT_GT(log.size(), 80);
    world.writeFile(log, "line\r\n");
    z.settings.LogFileName = log;
    z.log().ViewLogFile1Click();
    EXPECT_EQ(firstCallArguments(), QStringList{world.host(log)});
}

TEST_F(LogViewTest, AViewerNamedInAnotherCaseIsStillFound) {
    THarbexZoDi& z = withViewer(0);
    z.settings.LogViewer = QStringLiteral("c:\\HARBEX\\log viewer\\VIEW.SH");
    world.writeFile(z.settings.LogFileName, "line\r\n");
    z.log().ViewLogFile1Click();  // the question for a missing viewer would fail the test
    EXPECT_EQ(firstCallArguments(), QStringList{world.host(z.settings.LogFileName)});
}

// ---- logging switch and diagnostics ----

TEST_F(LogViewTest, EnablingLogToggledShowsAndHidesTheLogChoices) {
    THarbexZoDi& z = controller();
    RunLogBook& log = z.log();
    z.settings.EnabLog = true;
    log.EnabLogExecute();
    EXPECT_FALSE(z.settings.EnabLog);
    EXPECT_FALSE(log.LogOptionsVisible);
    EXPECT_FALSE(log.ViewOptionsVisible);
    EXPECT_FALSE(log.LogOptionsBtnEnabled);
    log.EnabLogExecute();
    EXPECT_TRUE(z.settings.EnabLog);
    EXPECT_TRUE(log.LogOptionsVisible);
    EXPECT_TRUE(log.ViewOptionsVisible);
    EXPECT_TRUE(log.LogOptionsBtnEnabled);
}

TEST_F(LogViewTest, ReadingLoggingOffKeepsTheChoicesVisibleUntilTheFirstToggle) {
    settingsForLaterStart();
    world.setSetting(QStringLiteral("Logging"), QStringLiteral("0"));
    world.writeFile(QStringLiteral("C:\\Harbex\\default.bus"),
                    ComposeSetText(BackupSetModel{}, 1).toUtf8());
    THarbexZoDi& z = start();
    EXPECT_FALSE(z.settings.EnabLog);
    EXPECT_TRUE(z.log().LogOptionsVisible);
    EXPECT_TRUE(z.log().ViewOptionsVisible);

    QAction* enabLog = z.commands.action(QStringLiteral("EnabLog"));
    EXPECT_FALSE(enabLog->isChecked());
    enabLog->trigger();
    EXPECT_TRUE(z.settings.EnabLog);
    EXPECT_TRUE(enabLog->isChecked());
    enabLog->trigger();
    EXPECT_FALSE(z.settings.EnabLog);
    EXPECT_FALSE(enabLog->isChecked());
    EXPECT_FALSE(z.log().LogOptionsVisible);
    EXPECT_FALSE(z.log().ViewOptionsVisible);
    EXPECT_FALSE(z.log().LogOptionsBtnEnabled);
}

TEST_F(LogViewTest, ClearEmptiesTheDiagnosticsButKeepsTheTab) {
    RunLogBook& log = controller().log();
    log.DiagTabVisible = true;
    log.DiagBox = {QStringLiteral("Workgroup"), QStringLiteral("\\\\S1")};
    log.Button1Click();
    EXPECT_TRUE(log.DiagBox.isEmpty());
    EXPECT_TRUE(log.DiagTabVisible);
}

}  // namespace
}  // namespace harbex::test
