#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include "platform/startlist.h"

namespace harbex {
namespace {

// A program at the path that writes the path it was started as into a file.
void MakeProgram(const QString& path, const QString& report) {
    QDir().mkpath(path.left(path.lastIndexOf(u'/')));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\nprintf '%s' \"$0\" > '" + report.toUtf8() + "'\n");
    file.close();
    file.setPermissions(file.permissions() | QFile::ExeOwner);
}

// Whether the desktop's own tools are here to check an entry with.
bool ToolsAvailable() {
    return !QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("gio")).isEmpty();
}

TEST(StartList, ARealEntryIsValidAndStartsTheProgramAtAPathWithBlanksAndQuotes) {
    if (!ToolsAvailable()) GTEST_SKIP() << "desktop-file-validate or gio is not installed";
    QTemporaryDir dir;
    // A system configuration folder of its own, as /etc/xdg is the real one.
    StartList list(dir.path() + QStringLiteral("/etc/xdg/autostart"));
    const QString report = dir.path() + QStringLiteral("/started");
    for (const QString& folder :
         {QStringLiteral("/opt/My Apps"), QStringLiteral("/a$b\"c\\d `e`")}) {
        SCOPED_TRACE(folder.toStdString());
        const QString program = dir.path() + folder + QStringLiteral("/harbex");
        MakeProgram(program, report);
        QFile::remove(report);
        ASSERT_TRUE(list.add(QStringLiteral("Harbex"), program));
        QProcess validate;
        validate.start(QStringLiteral("desktop-file-validate"), {list.entryPath("Harbex")});
        ASSERT_TRUE(validate.waitForFinished(30000));
        EXPECT_EQ(validate.exitCode(), 0) << validate.readAllStandardOutput().toStdString();
        // The desktop's launcher reads the entry as a session's autostart does.
        QProcess launch;
        launch.start(QStringLiteral("gio"), {QStringLiteral("launch"), list.entryPath("Harbex")});
        ASSERT_TRUE(launch.waitForFinished(30000));
        ASSERT_EQ(launch.exitCode(), 0) << launch.readAllStandardError().toStdString();
        const QDeadlineTimer deadline(30000);
        while (QFileInfo(report).size() == 0 && !deadline.hasExpired()) QThread::msleep(20);
        QFile started(report);
        ASSERT_TRUE(started.open(QIODevice::ReadOnly)) << "the program was not started";
        EXPECT_EQ(QString::fromUtf8(started.readAll()), program);
    }
}

TEST(StartList, AFolderThatCannotBeMadeIsReported) {
    QTemporaryDir dir;
    QFile blocker(dir.path() + QStringLiteral("/file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    StartList list(dir.path() + QStringLiteral("/file/autostart"));
    QString error;
    EXPECT_FALSE(list.add(QStringLiteral("Harbex"), QStringLiteral("/usr/bin/harbex"), &error));
    EXPECT_FALSE(error.isEmpty());
}

}  // namespace
}  // namespace harbex
