#pragma once

#include <QStringList>

namespace harbex::test {

// The example file of the set file format, 40 lines: filters *.doc then *.xls, one source folder,
// a weekly schedule, daily folders Monday to Friday, one specific folder, one compressed archive
// named "Office", two active drives.
inline const QStringList& ExampleSetFile() {
    static const QStringList lines = {
        "[FILTERS]",
        "*.xls",
        "*.doc",
        "[DIRS]",
        "C:\\Data",
        "[PARAMS]",
        "-u -r -p",
        "[SHED]",
        "1",
        "5",
        "1",
        "18:30:00",
        "0",
        "[AUTO]",
        "1",
        "[DIS DRIVES]",
        "[DAYS]",
        "USE23456",
        "[NAMESET]",
        "1",
        "[SPECIFIC]",
        "1",
        "E:\\Copies",
        "[ZIP TYPE]",
        "00",
        "[ZIP CORE]",
        "Office",
        "[COMP]",
        "1",
        "[NAMES]",
        "NOFILE",
        "[NET DIRS]",
        "F:",
        "G:",
        "[LOG]",
        "[WIZ]",
        "2000000000000000000",
        "[COMM]",
        "[GEN]",
        "01",
    };
    return lines;
}

}  // namespace harbex::test
