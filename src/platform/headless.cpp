#include "platform/headless.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>

#include "platform/hostpaths.h"

namespace harbex {

QString OneLine(const QString& text) {
    QString line = text;
    line.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    line.replace(u'\r', u' ');
    line.replace(u'\n', u' ');
    return line.simplified();
}

// ---- answers ----

Button HeadlessPrompter::SafeAnswer(const Buttons& buttons) {
    for (Button safe : {Button::Abort, Button::Cancel, Button::No})
        if (buttons.contains(safe)) return safe;
    // A question without a way out (OK only, or Yes and Help) is a message with a button.
    for (Button button : buttons)
        if (button != Button::Help) return button;
    return Button::None;
}

void HeadlessPrompter::message(const QString& text) {
    report_(OneLine(text));
}

Button HeadlessPrompter::question(const QString& text, IconKind, const Buttons& buttons, int) {
    const Button answer = SafeAnswer(buttons);
    report_(QStringLiteral("Not asked (no window): \"") + OneLine(text) +
            QStringLiteral("\"; answered ") + ButtonCaption(answer).remove(u'&'));
    return answer;
}

std::optional<QString> HeadlessDialogs::openFile(const FileDialogRequest& request) {
    report_(QStringLiteral("Not shown (no window): the file dialog \"") + request.title +
            QStringLiteral("\"; cancelled"));
    return std::nullopt;
}

std::optional<QStringList> HeadlessDialogs::openFiles(const FileDialogRequest& request) {
    if (!openFile(request)) return std::nullopt;
    return QStringList();
}

std::optional<QString> HeadlessDialogs::saveFile(const FileDialogRequest& request) {
    return openFile(request);
}

std::optional<QString> HeadlessDialogs::chooseFolder(const QString& title, const QString&) {
    return openFile({title, {}, {}, {}, {}});
}

void HeadlessDialogs::execForm(QDialog& form) {
    report_(QStringLiteral("Not shown (no window): the window \"") + form.windowTitle() +
            QStringLiteral("\"; closed"));
    form.reject();
}

// ---- the lock ----

RunLock::RunLock(const QString& programFolderHost, const QString& setHostPath) {
    // Named after the whole path, so that two sets of the same name in different folders do not
    // keep each other from running.
    const QString key = QString::fromLatin1(
        QCryptographicHash::hash(QFileInfo(setHostPath).absoluteFilePath().toUtf8(),
                                 QCryptographicHash::Sha1)
            .toHex()
            .left(12));
    file_ = QDir(programFolderHost)
                .filePath(QStringLiteral(".run-") + QFileInfo(setHostPath).completeBaseName() +
                          u'-' + key + QStringLiteral(".lock"));
    lock_ = std::make_unique<QLockFile>(file_);
    // Only a lock whose process is gone is stale, however long a run takes.
    lock_->setStaleLockTime(0);
}

RunLock::~RunLock() = default;

QString RunLock::fileName() const {
    return file_;
}

bool RunLock::tryLock(QString* holder) {
    if (lock_->tryLock(0)) return true;
    qint64 pid = 0;
    QString host;
    QString application;
    if (lock_->getLockInfo(&pid, &host, &application)) {
        *holder = QStringLiteral("process ") + QString::number(pid) +
                  (host.isEmpty() ? QString() : QStringLiteral(" on ") + host);
        return false;
    }
    // A lock file without its owner's details was left by a process that died while writing
    // it (a living one writes them at once); it must not keep the set from running for ever.
    constexpr qint64 kUnreadableLockSecs = 10;
    if (QFileInfo(file_).lastModified().secsTo(QDateTime::currentDateTime()) >
        kUnreadableLockSecs) {
        lock_->removeStaleLockFile();
        if (lock_->tryLock(0)) return true;
    }
    *holder = QStringLiteral("another process");
    return false;
}

// ---- the set named on the command line ----

QString SetPathFromArgument(const HostPaths& paths, const QString& argument,
                            const QString& programFolder, const QString& driveMapFile,
                            QString* error) {
    const bool programForm = (argument.size() >= 2 && argument[1] == u':') ||
                             argument.startsWith(QStringLiteral("\\\\"));
    if (programForm) return argument;
    QString host = QFileInfo(argument).absoluteFilePath();
    if (!argument.contains(u'/') && !QFileInfo::exists(host)) {
        const QString name = argument.contains(u'.') ? argument : argument + QStringLiteral(".bus");
        return programFolder + name;
    }
    const QString program = paths.toProgram(host);
    if (program.isEmpty()) *error = NoDriveMessage(QFileInfo(host).absolutePath(), driveMapFile);
    return program;
}

}  // namespace harbex
