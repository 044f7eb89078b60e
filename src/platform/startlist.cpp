#include "platform/startlist.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace harbex {

QString StartList::entryPath(const QString& title) const {
    return folder_ + u'/' + title + QStringLiteral(".desktop");
}

bool StartList::mayChange() const {
    const QFileInfo folder(folder_);
    return folder.isDir() && folder.isWritable();
}

QString StartList::CommandFor(const QString& hostProgram) {
    // Inside the quotes a desktop entry reads \" \` \$ \\ as the character; the value as a
    // whole is a string whose backslashes are doubled once more, and % starts a field code.
    QString quoted;
    for (const QChar c : hostProgram) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\') quoted += u'\\';
        quoted += c;
    }
    QString command = u'"' + quoted + u'"';
    command.replace(u'\\', QStringLiteral("\\\\")).replace(u'%', QStringLiteral("%%"));
    return command;
}

QString StartList::commandOf(const QString& title) const {
    if (!mayChange()) return QString();
    QFile file(entryPath(title));
    if (!file.open(QIODevice::ReadOnly)) return QString();
    for (const QByteArray& line : file.readAll().split('\n'))
        if (line.startsWith("Exec=")) return QString::fromUtf8(line.mid(5)).trimmed();
    return QString();
}

bool StartList::add(const QString& title, const QString& hostProgram, QString* error) {
    const QString command = CommandFor(hostProgram);
    if (commandOf(title) == command) return true;
    if (hostProgram.contains(u'\n') || hostProgram.contains(u'\r')) {
        if (error) *error = QStringLiteral("The program's path holds a line break");
        return false;
    }
    if (!QDir().mkpath(folder_)) {
        if (error) *error = QStringLiteral("Access is denied: %1").arg(folder_);
        return false;
    }
    QSaveFile file(entryPath(title));
    if (!file.open(QIODevice::WriteOnly)) {
        if (error) *error = file.errorString();
        return false;
    }
    const QString text = QStringLiteral(
                             "[Desktop Entry]\nType=Application\nName=%1\nExec=%2\n"
                             "X-GNOME-Autostart-enabled=true\n")
                             .arg(title, command);
    file.write(text.toUtf8());
    if (!file.commit()) {
        if (error) *error = file.errorString();
        return false;
    }
    return true;
}

void StartList::remove(const QString& title) {
    if (mayChange()) QFile::remove(entryPath(title));
}

}  // namespace harbex
