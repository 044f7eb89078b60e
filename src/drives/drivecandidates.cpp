#include "drives/drivecandidates.h"

#include "util/listfile.h"

namespace harbex {

QList<QChar> DriveLetters(bool noAB, int lastDrive) {
    QList<QChar> letters;
    const int first = noAB ? 'c' : 'a';
    for (int code = first; code <= 99 + lastDrive; ++code) letters << QChar(code);
    return letters;
}

EnumerationFault CheckEnumeration(const QStringList& lines) {
    if (lines.isEmpty()) return EnumerationFault::Empty;
    if (lines.first().contains(QStringLiteral("Open resource error")))
        return EnumerationFault::OpenError;
    for (const QString& line : lines)
        if (line.contains(QStringLiteral("\\\\"))) return EnumerationFault::None;
    return EnumerationFault::NoServer;
}

QString EnumerationFaultText(EnumerationFault fault, const QStringList& lines) {
    switch (fault) {
        case EnumerationFault::None:
            return QString();
        case EnumerationFault::Empty:
            return QStringLiteral(
                "No Network Domains were found\r\nThe network list has not been built.\r\nPlease "
                "contact your network administrator.");
        case EnumerationFault::OpenError:
            return QStringLiteral(
                "An error occured when HARBEX was attempting to \renumerate your network. "
                "Possible causes for this are\r1. You have Internet Explorer 5.0 Installed\r2. "
                "There is a problem with your network installation\r3. There could be contention "
                "between Drive names and or Network Names\rIt is not possible to correct this "
                "error from within HARBEX\rPlease contact your Network administrator\rfor further "
                "information on ways to work around this problem please click Help");
        case EnumerationFault::NoServer: {
            QString text = QStringLiteral("No Network shares were found on your these domains\r\n");
            for (const QString& line : lines) text += line + u' ';
            return text + QStringLiteral("\r") +
                   QStringLiteral("The network list has not been built.") + QStringLiteral("\r\n") +
                   QStringLiteral("Please contact your network administrator.");
        }
    }
    return QString();
}

int EnumerationFaultHelp(EnumerationFault fault) {
    switch (fault) {
        case EnumerationFault::Empty:
            return 221;
        case EnumerationFault::OpenError:
            return 220;
        case EnumerationFault::NoServer:
            return 222;
        case EnumerationFault::None:
            break;
    }
    return 0;
}

bool IsServerLine(const QString& line) {
    return line.startsWith(QStringLiteral("\\\\")) && line.size() > 2;
}

QString NetworkListText(const QStringList& candidates) {
    return ListFileText(candidates);
}

}  // namespace harbex
