#include "platform/startlist.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace harbex {

QString StartList::entryPath(const QString& title) const {
    return folder_ + u'/' + title + QStringLiteral(".desktop");
}

bool StartList::contains(const QString& title) const {
    return QFileInfo::exists(entryPath(title));
}

QString StartList::commandOf(const QString& title) const {
    QFile file(entryPath(title));
    if (!file.open(QIODevice::ReadOnly)) return QString();
    for (const QByteArray& line : file.readAll().split('\n'))
        if (line.startsWith("Exec=")) return QString::fromUtf8(line.mid(5)).trimmed();
    return QString();
}

bool StartList::add(const QString& title, const QString& hostProgram, QString* error) {
    if (!QDir().mkpath(folder_)) {
        if (error) *error = QStringLiteral("Access is denied: %1").arg(folder_);
        return false;
    }
    QSaveFile file(entryPath(title));
    if (!file.open(QIODevice::WriteOnly)) {
        if (error) *error = file.errorString();
        return false;
    }
    QString program = hostProgram;
    program.replace(u'\\', QStringLiteral("\\\\")).replace(u'"', QStringLiteral("\\\""));
    const QString text = QStringLiteral(
                             "[Desktop Entry]\nType=Application\nName=%1\nExec=\"%2\"\n"
                             "X-GNOME-Autostart-enabled=true\n")
                             .arg(title, program);
    file.write(text.toUtf8());
    if (!file.commit()) {
        if (error) *error = file.errorString();
        return false;
    }
    return true;
}

bool StartList::remove(const QString& title, QString* error) {
    QFile file(entryPath(title));
    if (!file.exists()) return true;
    if (!file.remove()) {
        if (error) *error = file.errorString();
        return false;
    }
    return true;
}

}  // namespace harbex
