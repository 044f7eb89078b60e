#include "harness.h"

#include "platform/filesystem.h"

namespace harbex::fuzz {

std::map<std::string, Harness>& Harnesses() {
    static std::map<std::string, Harness> harnesses;
    return harnesses;
}

void Broken(const char* harness, const QString& what) {
    std::fprintf(stderr, "%s: property broken: %s\n", harness, what.toUtf8().constData());
    std::abort();
}

bool ReadLines(const QByteArray& bytes, QStringList* lines) {
    QString text;
    if (!DecodeText(bytes, &text)) return false;
    *lines = SplitTextLines(text);
    return true;
}

QStringList WrittenAndReadBack(const char* harness, const QString& text) {
    QStringList lines;
    Expect(ReadLines(EncodeText(text), &lines), harness,
           [&] { return QStringLiteral("a written file is refused as not text: ") + text; });
    return lines;
}

QString Printable(const QStringList& lines) {
    QString shown;
    for (const QString& line : lines) {
        shown += u'[';
        for (const QChar c : line)
            shown += c.unicode() < 0x20 || c.unicode() == 0x7F
                         ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'))
                         : QString(c);
        shown += u']';
    }
    return shown;
}

}  // namespace harbex::fuzz
