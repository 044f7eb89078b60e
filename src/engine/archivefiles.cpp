#include "engine/archivefiles.h"

#include "platform/platform.h"

namespace harbex {

QString TemporaryArchiveName(const QString& archive) {
    const qsizetype slash = archive.lastIndexOf(u'\\');
    const qsizetype dot = archive.lastIndexOf(u'.');
    const QString base = dot > slash ? archive.left(dot) : archive;
    const QString temporary = base + QStringLiteral(".$$$");
    return temporary.compare(archive, Qt::CaseInsensitive) == 0 ? temporary + u'~' : temporary;
}

bool PrepareTemporaryArchive(const QString& archive, const QString& temporary, bool mayLink,
                             QString* error) {
    DiscardTemporaryArchive(temporary);
    if (!Files().fileExists(archive)) return true;
    return mayLink ? Files().linkOrCopyFile(archive, temporary, error)
                   : Files().copyFile(archive, temporary, error);
}

bool CommitTemporaryArchive(const QString& temporary, const QString& archive, QString* error) {
    if (Files().renameFile(temporary, archive, error, FileSystem::ExistingFile::Replace))
        return true;
    DiscardTemporaryArchive(temporary);
    return false;
}

void DiscardTemporaryArchive(const QString& temporary) {
    if (Files().exists(temporary)) Files().deleteFile(temporary);
}

}  // namespace harbex
