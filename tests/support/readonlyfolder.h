#pragma once

#include <QString>

namespace harbex::test {

// Makes a host folder one that nobody may change, the super-user included (permissions do not
// stop the super-user, the immutable flag does). False when the file system cannot do that.
bool MakeFolderReadOnly(const QString& hostFolder);
// Undoes MakeFolderReadOnly, so that the test machine can be removed.
void MakeFolderWritable(const QString& hostFolder);

}  // namespace harbex::test
