#pragma once

#include <QString>

namespace harbex {

// An archive is made under a temporary name beside its final one and renamed only when it is
// complete, so a failure never leaves a truncated archive under the final name and never damages
// the previous archive. The temporary name keeps the archive's name with the extension ".$$$",
// which an old command-line utility can still handle.
QString TemporaryArchiveName(const QString& archive);

// Removes a stale temporary file and, when the archive exists, gives the temporary name its
// content, so that the archive is updated rather than rebuilt. A hard link is enough for an
// engine that replaces the file as a whole; a program that may change it in place gets a copy.
bool PrepareTemporaryArchive(const QString& archive, const QString& temporary, bool mayLink,
                             QString* error);
bool CommitTemporaryArchive(const QString& temporary, const QString& archive, QString* error);
void DiscardTemporaryArchive(const QString& temporary);

}  // namespace harbex
