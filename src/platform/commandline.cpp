#include "platform/commandline.h"

namespace harbex {

QStringList SplitWindowsCommandLine(const QString& commandLine) {
    QStringList arguments;
    QString current;
    bool inArgument = false;
    bool quoted = false;
    const qsizetype size = commandLine.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = commandLine[i];
        if (!quoted && (c == u' ' || c == u'\t')) {
            if (inArgument) {
                arguments << current;
                current.clear();
                inArgument = false;
            }
            continue;
        }
        inArgument = true;
        if (c == u'\\') {
            qsizetype count = 0;
            while (i < size && commandLine[i] == u'\\') {
                ++count;
                ++i;
            }
            if (i < size && commandLine[i] == u'"') {
                current += QString(count / 2, u'\\');
                if (count % 2 == 1) {
                    current += u'"';
                } else {
                    --i;  // the quote is handled by the next round
                }
            } else {
                current += QString(count, u'\\');
                --i;
            }
            continue;
        }
        if (c == u'"') {
            if (quoted && i + 1 < size && commandLine[i + 1] == u'"') {
                current += u'"';
                ++i;
            } else {
                quoted = !quoted;
            }
            continue;
        }
        current += c;
    }
    if (inArgument) arguments << current;
    return arguments;
}

QString QuoteArgument(const QString& argument) {
    if (!argument.isEmpty() && !argument.contains(u' ') && !argument.contains(u'\t') &&
        !argument.contains(u'"'))
        return argument;
    QString quoted = QStringLiteral("\"");
    int backslashes = 0;
    for (const QChar c : argument) {
        if (c == u'\\') {
            ++backslashes;
            continue;
        }
        // Backslashes before a quote are doubled, and the quote itself escaped.
        quoted += QString(c == u'"' ? backslashes * 2 + 1 : backslashes, u'\\') + c;
        backslashes = 0;
    }
    return quoted + QString(backslashes * 2, u'\\') + u'"';
}

}  // namespace harbex
