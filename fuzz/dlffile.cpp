// The ".dlf" list of files a common-files search found.

#include "listfiles.h"
#include "util/listfile.h"

namespace harbex::fuzz {

HARBEX_FUZZ_HARNESS(dlffile) {
    CheckListFile("dlffile", bytes, ListFileEntries, ListFileText, Unchanged());
}

}  // namespace harbex::fuzz
