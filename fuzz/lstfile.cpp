// The ".lst" archive names list: rows split into folder, name and extension, written back as
// full paths.

#include "engine/archiverow.h"
#include "listfiles.h"

namespace harbex::fuzz {

HARBEX_FUZZ_HARNESS(lstfile) {
    CheckListFile("lstfile", bytes, ArchiveRowsFromLines, ArchiveRowsText, Unchanged());
}

}  // namespace harbex::fuzz
