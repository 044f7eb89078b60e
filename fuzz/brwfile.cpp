// The ".brw" list of files picked in the browser: the writer stores every path in lower case, so
// the second reading is the first in lower case.

#include "browser/browserlist.h"
#include "listfiles.h"

namespace harbex::fuzz {

HARBEX_FUZZ_HARNESS(brwfile) {
    CheckListFile("brwfile", bytes, BrowserListFiles, BrowserListText, [](QStringList files) {
        for (QString& file : files) file = file.toLower();
        return files;
    });
}

}  // namespace harbex::fuzz
