#pragma once

#include <QString>
#include <QStringList>

namespace harbex {

class THarbexZoDi;

// Turns the set's folders and filters into the backup list, in a fixed order: by filter, then
// by folder, then by name; later files with a name seen before become numbered copies.
class Collector {
public:
    explicit Collector(THarbexZoDi& z) : z_(z) {}

    void CollectClick();
    void ExpandSubfolders();
    void CollectFilterInFolder(int filter, int folder);
    int BuildBackupList();
    QStringList ListSubfolders(const QString& folder);

private:
    THarbexZoDi& z_;
};

}  // namespace harbex
