#include "platform/dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>

#include "platform/hostpaths.h"

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

std::optional<QString> WidgetDialogs::openFile(const FileDialogRequest& request) {
    const QString chosen =
        QFileDialog::getOpenFileName(QApplication::activeWindow(), request.title,
                                     InitialPath(paths_, request), QtFilterFrom(request.filter));
    if (chosen.isEmpty()) return std::nullopt;
    return paths_.toProgram(chosen);
}

std::optional<QString> WidgetDialogs::saveFile(const FileDialogRequest& request) {
    const QString chosen =
        QFileDialog::getSaveFileName(QApplication::activeWindow(), request.title,
                                     InitialPath(paths_, request), QtFilterFrom(request.filter));
    if (chosen.isEmpty()) return std::nullopt;
    return WithDefaultExtension(paths_.toProgram(chosen), request.defaultExtension);
}

std::optional<QString> WidgetDialogs::chooseFolder(const QString& title,
                                                   const QString& initialFolder) {
    const QString chosen = QFileDialog::getExistingDirectory(QApplication::activeWindow(), title,
                                                             paths_.toHost(initialFolder));
    if (chosen.isEmpty()) return std::nullopt;
    return paths_.toProgram(chosen);
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
