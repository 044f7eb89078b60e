#pragma once

// Named text values from fuzz input, one "name=value" a line, looked up without regard to case
// as the registry does.

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

inline auto LookupIn(const Values& values) {
    return [&values](const QString& name) -> std::optional<QString> {
        for (const auto& [stored, value] : values)
            if (stored.compare(name, Qt::CaseInsensitive) == 0) return value;
        return std::nullopt;
    };
}

}  // namespace harbex::fuzz
