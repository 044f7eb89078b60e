#pragma once

// The plain list files share one check: lines read, written back, read again, same entries.

#include "harness.h"

namespace harbex::fuzz {

// read: the entries the program takes from a file's lines; write: the text it saves them as;
// normalise: what the writer does to an entry on purpose (such as lower case), applied to the
// first reading before it is compared with the second.
template <typename Read, typename Write, typename Normalise>
void CheckListFile(const char* harness, const QByteArray& bytes, Read read, Write write,
                   Normalise normalise) {
    QStringList lines;
    if (!ReadLines(bytes, &lines)) return;
    const auto first = read(lines);
    const auto second = read(WrittenAndReadBack(harness, write(first)));
    const auto expected = normalise(first);
    Expect(second == expected, harness, [&] {
        return QStringLiteral("read back differently:\n") + write(expected) + u'\n' + write(second);
    });
    // A second round changes nothing more.
    Expect(read(WrittenAndReadBack(harness, write(second))) == second, harness,
           [&] { return QStringLiteral("not stable after two rounds: ") + write(second); });
}

inline auto Unchanged() {
    return [](const auto& model) { return model; };
}

}  // namespace harbex::fuzz
