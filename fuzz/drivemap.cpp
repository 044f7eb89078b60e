// The drive map ("C=/home/me", "Network=/mnt/net", one value a letter) and the program paths it
// resolves: a program path the map takes to a host path must be an absolute host path, whose
// program form leads back to the same host path.

#include "platform/hostpaths.h"
#include "values.h"

namespace harbex::fuzz {

HARBEX_FUZZ_HARNESS(drivemap) {
    QStringList lines;
    if (!ReadLines(bytes, &lines)) return;
    QStringList programPaths;
    const Values values = ValuesOf(lines, &programPaths);
    const HostPaths paths = HostPaths::FromValues(LookupIn(values));
    for (const QString& path : programPaths) {
        const QString host = paths.toHost(path);
        if (host.isEmpty()) continue;
        Expect(host.startsWith(u'/'), "drivemap",
               [&] { return path + QStringLiteral(" leads to a relative host path ") + host; });
        const QString program = paths.toProgram(host);
        const QString again = paths.toHost(program);
        Expect(again == host, "drivemap", [&] {
            return path + QStringLiteral(" -> ") + host + QStringLiteral(" -> ") + program +
                   QStringLiteral(" -> ") + again;
        });
    }
}

}  // namespace harbex::fuzz
