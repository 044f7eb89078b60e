#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <ostream>

// Failure messages show texts as text rather than as bytes.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& list, std::ostream* out) {
    *out << '{';
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (i > 0) *out << ", ";
        PrintTo(list[i], out);
    }
    *out << '}';
}
inline void PrintTo(const QDate& date, std::ostream* out) {
    *out << date.toString(Qt::ISODate).toStdString();
}
inline void PrintTo(const QTime& time, std::ostream* out) {
    *out << time.toString(QStringLiteral("HH:mm:ss.zzz")).toStdString();
}
inline void PrintTo(const QDateTime& when, std::ostream* out) {
    *out << when.toString(Qt::ISODateWithMs).toStdString();
}
