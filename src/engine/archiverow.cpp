#include "engine/archiverow.h"

#include "util/listfile.h"

namespace harbex {

QList<ArchiveRow> ArchiveRowsFromLines(const QStringList& lines) {
    QList<ArchiveRow> rows;
    for (const QString& line : ListFileEntries(lines)) {
        const qsizetype cut = std::max(line.lastIndexOf(u'\\'), line.lastIndexOf(u':')) + 1;
        const QString file = line.mid(cut);
        const qsizetype dot = file.lastIndexOf(u'.');
        rows.append({QString::number(rows.size()), line.left(cut), dot < 0 ? file : file.left(dot),
                     dot < 0 ? QString() : file.mid(dot)});
    }
    return rows;
}

QString ArchiveRowsText(const QList<ArchiveRow>& rows) {
    QStringList paths;
    for (const ArchiveRow& row : rows) paths << row.path();
    return ListFileText(paths);
}

}  // namespace harbex
