#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QDialog;

namespace harbex {

class HostPaths;
class Prompter;

// What an open or save dialog shows. The filter uses the program's own form,
// "Description|*.ext|Description|*.ext"; the initial folder and the result are program paths.
struct FileDialogRequest {
    QString title;
    QString filter;
    QString defaultExtension;  // "bus", "*.bus" or ".bus"
    QString initialFolder;
    QString fileName;
};

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    virtual std::optional<QString> openFile(const FileDialogRequest& request) = 0;
    // Several files at once; an empty list is an OK with nothing chosen.
    virtual std::optional<QStringList> openFiles(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> saveFile(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> chooseFolder(const QString& title,
                                                const QString& initialFolder) = 0;
    // A folder of this machine itself (a host path), for mapping drives onto it. Doubles that
    // never map drives need not answer it.
    virtual std::optional<QString> chooseHostFolder(const QString& /*title*/,
                                                    const QString& /*initialHostFolder*/) {
        return std::nullopt;
    }
    // Shows one of the program's own modal windows (welcome, new set, ...) until it closes.
    virtual void execForm(QDialog& form) = 0;
};

class WidgetDialogs : public Dialogs {
  public:
    WidgetDialogs(const HostPaths& paths, Prompter& prompter, QString driveMapFile)
        : paths_(paths), prompter_(prompter), driveMapFile_(std::move(driveMapFile)) {}
    std::optional<QString> openFile(const FileDialogRequest& request) override;
    std::optional<QStringList> openFiles(const FileDialogRequest& request) override;
    std::optional<QString> saveFile(const FileDialogRequest& request) override;
    std::optional<QString> chooseFolder(const QString& title,
                                        const QString& initialFolder) override;
    std::optional<QString> chooseHostFolder(const QString& title,
                                            const QString& initialHostFolder) override;
    void execForm(QDialog& form) override;

  private:
    std::optional<QString> programPath(const QString& hostChoice) const;
    const HostPaths& paths_;
    Prompter& prompter_;
    QString driveMapFile_;
};

// The program path of a file or folder the user chose in a dialog. A choice that lies on no drive
// has none: the user is told which folder it is and how to give it a drive letter, and the choice
// counts as Cancel, so nothing is ever written to a path made up without a drive.
std::optional<QString> ProgramPathOfChoice(const HostPaths& paths, const QString& hostChoice,
                                           Prompter& prompter, const QString& driveMapFile);

// "Text File|*.txt|Any File|*.*" -> "Text File (*.txt);;Any File (*.*)"
QString QtFilterFrom(const QString& programFilter);
// Appends the default extension to a chosen name that has none.
QString WithDefaultExtension(const QString& path, const QString& defaultExtension);

}  // namespace harbex
