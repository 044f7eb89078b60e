#include "engine/collector.h"

#include "app/harbexzodi.h"

namespace harbex {

void Collector::CollectClick() {}
void Collector::ExpandSubfolders() {}
void Collector::CollectFilterInFolder(int, int) {}
int Collector::BuildBackupList() { return 0; }
QStringList Collector::ListSubfolders(const QString&) { return {}; }

}  // namespace harbex
