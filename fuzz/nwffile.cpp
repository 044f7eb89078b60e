// The ".nwf" network list: the drive candidates offered for a set, kept between runs.

#include "drives/drivecandidates.h"
#include "listfiles.h"
#include "util/listfile.h"

namespace harbex::fuzz {

HARBEX_FUZZ_HARNESS(nwffile) {
    CheckListFile("nwffile", bytes, ListFileEntries, NetworkListText, Unchanged());
}

}  // namespace harbex::fuzz
