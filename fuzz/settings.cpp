// The program's settings values (flags, numbers, texts, the sequence's dates and times): read
// from named values, saved, read again. The user's date and time formats are varied among
// ones systems really use, since the stored dates and times follow them.

#include "sets/appsettings.h"
#include "util/datetimetext.h"
#include "values.h"

namespace harbex::fuzz {
namespace {

QString Shown(const AppSettings& settings) {
    QStringList lines;
    for (const auto& [name, value] : SettingsValues(settings)) lines << name + u'=' + value;
    return Printable(lines);
}

}  // namespace

HARBEX_FUZZ_HARNESS(settings) {
    static const std::pair<const char*, const char*> kFormats[] = {
        {"dd/MM/yyyy", "HH:mm:ss"},
        {"M/d/yy", "h:mm:ss AP"},
        {"yyyy-MM-dd", "HH:mm:ss"},
        {"d.M.yyyy", "H:mm:ss"},
    };
    const auto& formats = kFormats[bytes.isEmpty() ? 0 : quint8(bytes[0]) % 4];
    SetUserFormats(QString::fromLatin1(formats.first), QString::fromLatin1(formats.second));
    QStringList lines;
    if (!ReadLines(bytes.mid(1), &lines)) return;
    const Values stored = ValuesOf(lines);
    const PlatformDefaults platform{QStringLiteral("/tmp/"), QStringLiteral("C:\\utils\\zip"),
                                    QStringLiteral("xdg-open"), QStringLiteral("/")};
    const QString folder = QStringLiteral("C:\\Harbex\\");

    const AppSettings first = ReadSettingsValues(LookupIn(stored), folder, platform);
    const Values saved = SettingsValues(first);
    const AppSettings second = ReadSettingsValues(LookupIn(saved), folder, platform);
    Expect(second == first, "settings", [&] {
        return QStringLiteral("read back differently:\n") + Shown(first) + u'\n' + Shown(second);
    });
}

}  // namespace harbex::fuzz
