#pragma once

// Named text values from fuzz input, one "name=value" a line, looked up without regard to case
// as the registry does.

#include <QHash>
#include <QList>
#include <optional>
#include <utility>

#include "harness.h"

namespace harbex::fuzz {

using Values = QList<std::pair<QString, QString>>;

inline Values ValuesOf(const QStringList& lines, QStringList* others = nullptr) {
    Values values;
    for (const QString& line : lines) {
        const qsizetype equals = line.indexOf(u'=');
        if (equals > 0)
            values.append({line.left(equals), line.mid(equals + 1)});
        else if (others)
            *others << line;
    }
    return values;
}

// The first value of each name counts, as the registry finds the first spelling of a name.
inline auto LookupIn(const Values& values) {
    QHash<QString, QString> byName;
    for (const auto& [stored, value] : values)
        if (!byName.contains(stored.toCaseFolded())) byName.insert(stored.toCaseFolded(), value);
    return [byName = std::move(byName)](const QString& name) -> std::optional<QString> {
        const auto found = byName.constFind(name.toCaseFolded());
        if (found == byName.cend()) return std::nullopt;
        return *found;
    };
}

}  // namespace harbex::fuzz
