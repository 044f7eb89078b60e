#include "platform/dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>

#include "platform/hostpaths.h"
#include "platform/prompter.h"

namespace harbex {

QString QtFilterFrom(const QString& programFilter) {
    const QStringList parts = programFilter.split(u'|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(u';', u' ');
        filters << QStringLiteral("%1 (%2)").arg(parts[i].trimmed(), patterns);
    }
    return filters.join(QStringLiteral(";;"));
}

QString WithDefaultExtension(const QString& path, const QString& defaultExtension) {
    QString extension = defaultExtension;
    extension.remove(u'*');
    if (extension.startsWith(u'.')) extension.remove(0, 1);
    const int slash = std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
    if (extension.isEmpty() || path.mid(slash + 1).contains(u'.')) return path;
    return path + u'.' + extension.toLower();
}

namespace {

QString InitialPath(const HostPaths& paths, const FileDialogRequest& request) {
    QString folder = paths.toHost(request.initialFolder);
    if (!QFileInfo(folder).isDir()) folder.clear();
    if (request.fileName.isEmpty()) return folder;
    return folder.isEmpty() ? request.fileName : folder + u'/' + request.fileName;
}

}  // namespace

std::optional<QString> ProgramPathOfChoice(const HostPaths& paths, const QString& hostChoice,
                                           Prompter& prompter, const QString& driveMapFile) {
    const QString program = paths.toProgram(hostChoice);
    if (!program.isEmpty()) return program;
    const QFileInfo info(hostChoice);
    prompter.message(
        NoDriveMessage(info.isDir() ? info.absoluteFilePath() : info.absolutePath(), driveMapFile));
    return std::nullopt;
}

std::optional<QString> WidgetDialogs::programPath(const QString& hostChoice) const {
    if (hostChoice.isEmpty()) return std::nullopt;
    return ProgramPathOfChoice(paths_, hostChoice, prompter_, driveMapFile_);
}

std::optional<QString> WidgetDialogs::openFile(const FileDialogRequest& request) {
    const QString chosen = QFileDialog::getOpenFileName(
        DialogOwner(), request.title, InitialPath(paths_, request), QtFilterFrom(request.filter));
    return programPath(chosen);
}

std::optional<QStringList> WidgetDialogs::openFiles(const FileDialogRequest& request) {
    const QStringList chosen = QFileDialog::getOpenFileNames(
        DialogOwner(), request.title, InitialPath(paths_, request), QtFilterFrom(request.filter));
    if (chosen.isEmpty()) return std::nullopt;
    QStringList files;
    for (const QString& host : chosen) {
        // A file outside every drive has no program path: the whole choice counts as Cancel.
        const auto program = programPath(host);
        if (!program) return std::nullopt;
        files << *program;
    }
    return files;
}

std::optional<QString> WidgetDialogs::saveFile(const FileDialogRequest& request) {
    const QString chosen = QFileDialog::getSaveFileName(
        DialogOwner(), request.title, InitialPath(paths_, request), QtFilterFrom(request.filter));
    const auto program = programPath(chosen);
    if (!program) return std::nullopt;
    return WithDefaultExtension(*program, request.defaultExtension);
}

std::optional<QString> WidgetDialogs::chooseFolder(const QString& title,
                                                   const QString& initialFolder) {
    const QString chosen =
        QFileDialog::getExistingDirectory(DialogOwner(), title, paths_.toHost(initialFolder));
    return programPath(chosen);
}

std::optional<QString> WidgetDialogs::chooseHostFolder(const QString& title,
                                                       const QString& initialHostFolder) {
    const QString chosen =
        QFileDialog::getExistingDirectory(QApplication::activeWindow(), title, initialHostFolder);
    if (chosen.isEmpty()) return std::nullopt;
    return chosen;
}

}  // namespace harbex

namespace harbex {

void WidgetDialogs::execForm(QDialog& form) {
    form.exec();
}

}  // namespace harbex
