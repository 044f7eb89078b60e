// The stand-in utility's "@list" file: names read (host paths taken through the drive map),
// written back as the program writes a list for the utility, and read again.

#include "engine/utilitycommand.h"
#include "listfiles.h"
#include "platform/hostpaths.h"
#include "util/listfile.h"

namespace harbex::fuzz {

HARBEX_FUZZ_HARNESS(atlist) {
    // The default map plus a drive inside another and a network root inside a drive.
    static const HostPaths paths({{u'C', QStringLiteral("/")},
                                  {u'D', QStringLiteral("/srv/data")},
                                  {u'E', QStringLiteral("/srv/data/more")}},
                                 QStringLiteral("/mnt"));
    const auto read = [](const QStringList& lines) { return UtilityListEntries(lines, paths); };
    CheckListFile("atlist", bytes, read, ListFileText, Unchanged());
}

}  // namespace harbex::fuzz
