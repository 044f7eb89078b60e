// The ".bus" set file: read into a fresh or a busy model (a missing section keeps what the model
// held), written, and read again into a fresh model. The reader appends filters and specific
// folders in file order while the writer writes them last to first, so the second reading has
// those two lists reversed and everything else equal. Specific folders are saved only while the
// set uses them: a list that is switched off is not part of the saved set.

#include <algorithm>

#include "harness.h"
#include "platform/filesystem.h"
#include "sets/setfile.h"
#include "util/datetimetext.h"

namespace harbex::fuzz {
namespace {

BackupSetModel BusySet() {
    BackupSetModel m;
    m.FilterList = QStringList{QStringLiteral("*.doc"), QStringLiteral("*.xls")};
    m.DirSource = QStringList{QStringLiteral("C:\\Data"), QStringLiteral("C:\\Data\\Sub")};
    m.DestList = QStringList{QStringLiteral("E:\\Copies"), QStringLiteral("F:\\More")};
    m.Drivelist = QStringList{QStringLiteral("F:")};
    m.UseDailyFolders = true;
    m.Days.fill(true);
    m.Zipped = true;
    m.ZipCoreName = QStringLiteral("Busy");
    m.autotype = 2;
    m.ShedType = 3;
    m.TimePicker = QTime(23, 59, 58);
    m.Extensions = 2;
    return m;
}

QString Text(const BackupSetModel& model) {
    return Printable(ComposeSetLines(model, 1));
}

}  // namespace

HARBEX_FUZZ_HARNESS(setfile) {
    SetUserFormats(QStringLiteral("dd/MM/yyyy"), QStringLiteral("HH:mm:ss"));
    QStringList lines;
    if (!ReadLines(bytes, &lines)) return;
    SetReaderHooks plain;
    BackupSetModel first = bytes.size() % 2 == 0 ? BackupSetModel() : BusySet();
    const SetReadResult read = ReadSetLines(lines, first, QStringLiteral("-a -r -p"), plain);

    const QString written = ComposeSetText(first, 1, read.zipParameters);
    BackupSetModel second;
    ReadSetLines(WrittenAndReadBack("setfile", written), second, QString(), plain);

    BackupSetModel expected = first;
    std::reverse(expected.FilterList.begin(), expected.FilterList.end());
    std::reverse(expected.DestList.begin(), expected.DestList.end());
    if (!expected.UseSpecificFolders) expected.DestList.clear();
    Expect(second == expected, "setfile", [&] {
        return QStringLiteral("read back differently:\n") + Text(expected) + u'\n' + Text(second);
    });
}

}  // namespace harbex::fuzz
