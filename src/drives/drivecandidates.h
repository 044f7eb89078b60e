#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace harbex {

// The drive letters discovery tries, in lower case and ascending: from c (a when A and B are
// not ignored) up to the chosen last drive, whose item index i stands for the letter with code
// 99 + i (0 = c, 23 = z). None when the last letter comes before the first.
QList<QChar> DriveLetters(bool noAB, int lastDrive);

// Why the raw network enumeration cannot give a network list, checked in this order.
enum class EnumerationFault { None, Empty, OpenError, NoServer };
EnumerationFault CheckEnumeration(const QStringList& lines);
// The error box's text and help context for a fault.
QString EnumerationFaultText(EnumerationFault fault, const QStringList& lines);
int EnumerationFaultHelp(EnumerationFault fault);

// A server line of the enumeration (\\NAME); domain and workgroup names are no place to look
// for shares.
bool IsServerLine(const QString& line);

// The network list file's text: one line per candidate, each ended by CR LF.
QString NetworkListText(const QStringList& candidates);

}  // namespace harbex
