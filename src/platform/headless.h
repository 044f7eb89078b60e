#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "platform/dialogs.h"
#include "platform/prompter.h"

class QLockFile;

namespace harbex {

class HostPaths;

// Answers for a run that has no window and no one to ask. A question gets its safe answer (the
// first of Abort, Cancel and No that it offers: no overwrite, no deletion, the run stops), a
// message is not shown; both are handed to `report` as one line, so that the log and standard
// error can say what happened.
class HeadlessPrompter : public Prompter {
  public:
    explicit HeadlessPrompter(std::function<void(const QString&)> report)
        : report_(std::move(report)) {}
    void message(const QString& text) override;
    Button question(const QString& text, IconKind icon, const Buttons& buttons,
                    int helpContext) override;
    // The answer a run without a window gives to a question with these buttons.
    static Button SafeAnswer(const Buttons& buttons);

  private:
    std::function<void(const QString&)> report_;
};

// Every dialog is cancelled and every window closed unseen; each is reported like a message.
class HeadlessDialogs : public Dialogs {
  public:
    explicit HeadlessDialogs(std::function<void(const QString&)> report)
        : report_(std::move(report)) {}
    std::optional<QString> openFile(const FileDialogRequest& request) override;
    std::optional<QStringList> openFiles(const FileDialogRequest& request) override;
    std::optional<QString> saveFile(const FileDialogRequest& request) override;
    std::optional<QString> chooseFolder(const QString& title,
                                        const QString& initialFolder) override;
    void execForm(QDialog& form) override;

  private:
    std::function<void(const QString&)> report_;
};

// One text line of a message box's text: line breaks become blanks.
QString OneLine(const QString& text);

// Keeps a second run of the same set from starting while one runs: a lock file in the program's
// folder, named after the set. A lock left by a process that has died is taken over.
class RunLock {
  public:
    RunLock(const QString& programFolderHost, const QString& setHostPath);
    ~RunLock();
    RunLock(const RunLock&) = delete;
    RunLock& operator=(const RunLock&) = delete;
    // False when another run holds the lock; `holder` then says which process, where known.
    bool tryLock(QString* holder);
    QString fileName() const;

  private:
    std::unique_ptr<QLockFile> lock_;
    QString file_;
};

// The set file named on the command line as a program path: a program path (C:\..., \\S\D\...)
// is taken as it is; a host path is made absolute from the working folder; a bare name that is
// no file there names a set in the program's folder (".bus" added when it has no extension).
// Empty, with the reason, when the file lies on no drive.
QString SetPathFromArgument(const HostPaths& paths, const QString& argument,
                            const QString& programFolder, const QString& driveMapFile,
                            QString* error);

}  // namespace harbex
