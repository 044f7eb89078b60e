#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "platform/filesystem.h"
#include "platform/hostpaths.h"
#include "platform/registry.h"
#include "sets/appsettings.h"
#include "util/datetimetext.h"

// Faults the fuzz harnesses found, each kept as a plain rule.

namespace harbex {
namespace {

QString S(const char* text) {
    return QString::fromUtf8(text);
}

// A date format with a two-digit year wrote 31/12/1999 as "12/31/99", read back as 2099.
TEST(FoundByFuzzing, StoredSequenceDatesKeepTheirCenturyWhateverTheDateFormat) {
    QTemporaryDir dir;
    Registry registry(dir.path(), dir.path());
    const PlatformDefaults platform = PlatformDefaults::Original();
    for (const char* format : {"dd/MM/yyyy", "M/d/yy", "yy-MM-dd", "d.M.yy"}) {
        SetUserFormats(S(format), S("HH:mm:ss"));
        for (const QDate date :
             {QDate(1999, 12, 31), QDate(2004, 1, 1), QDate(2100, 3, 1), QDate(999, 12, 31)}) {
            AppSettings saved = AppSettings::Defaults(S("C:\\Harbex\\"), platform);
            saved.Sequence[3].OnDate = date;
            ASSERT_TRUE(WriteSettings(registry, saved, nullptr));
            EXPECT_EQ(ReadSettings(registry, S("C:\\Harbex\\"), platform).Sequence[3].OnDate, date)
                << format << " " << date.toString(Qt::ISODate).toStdString();
        }
    }
    SetUserFormats(QString(), QString());
}

// A sequence time stored by hand with a fraction of a second ("1:2:3.4") kept the fraction in
// memory, and the next save dropped it, so the row's time changed between two reads.
TEST(FoundByFuzzing, AStoredTimeReadsBackTheSameAfterASave) {
    QTemporaryDir dir;
    Registry registry(dir.path(), dir.path());
    const PlatformDefaults platform = PlatformDefaults::Original();
    SetUserFormats(S("dd/MM/yyyy"), S("HH:mm:ss"));
    for (const char* stored : {"1:2:3.4", "23:59:59,999", "7:08"}) {
        const QString text = S(stored);
        const auto lookup = [&text](const QString& name) {
            return name == u"ST2" ? std::optional<QString>(text) : std::nullopt;
        };
        const AppSettings first = ReadSettingsValues(lookup, S("C:\\Harbex\\"), platform);
        ASSERT_TRUE(WriteSettings(registry, first, nullptr));
        EXPECT_EQ(ReadSettings(registry, S("C:\\Harbex\\"), platform).Sequence[2].AtTime,
                  first.Sequence[2].AtTime)
            << stored;
    }
    SetUserFormats(QString(), QString());
}

// A drive folder written by hand as "data" or ":home" was taken relative to the working folder
// (or as a Qt resource); a network path climbed from its share to other servers; a folder named
// "\" on the host led to another drive's path.
TEST(FoundByFuzzing, TheDriveMapGivesOnlyAbsoluteHostPathsAndNetworkPathsStayInTheirShare) {
    struct Case {
        const char* value;  // the drive map's value for X
        const char* path;
        const char* host;  // "" for no host path
    };
    const Case cases[] = {
        {"relative/folder", "X:\\y", ""},
        {":home/m", "X:\\y", ""},
        {"./x", "X:\\y", ""},
        {"/srv/x", "X:\\y", "/srv/x/y"},
        {"/srv/x", "\\\\S1\\..\\S2\\y", ""},
        {"/srv/x", "\\\\..\\D\\y", ""},
        {"/srv/x", "\\\\.\\D", ""},
        {"/srv/x", "\\\\S1\\D\\..\\..\\E\\y", "/mnt/net/S1/D/E/y"},
        {"/\\", "X:\\mnt\\net\\S1", "/\\/mnt/net/S1"},
    };
    for (const Case& c : cases) {
        const QString value = S(c.value);
        const HostPaths paths = HostPaths::FromValues([&value](const QString& name) {
            if (name == u"X") return std::optional<QString>(value);
            if (name == u"Network") return std::optional<QString>(S("/mnt/net"));
            return std::optional<QString>();
        });
        const QString host = paths.toHost(S(c.path));
        EXPECT_EQ(host, S(c.host)) << c.value << " " << c.path;
        // A "\\" inside a host folder's name is part of the name, not a separator.
        if (!host.isEmpty()) {
            EXPECT_EQ(paths.toHost(paths.toProgram(host)), host) << c.path;
        }
    }
    // A network folder written with "." or ".." in it still takes its shares back to "\\".
    const HostPaths dotted = HostPaths::FromValues([](const QString& name) {
        return name == u"Network" ? std::optional<QString>(S("/mnt/x/../net/.")) : std::nullopt;
    });
    const QString host = dotted.toHost(S("\\\\S1\\D\\y"));
    EXPECT_EQ(host, S("/mnt/net/S1/D/y"));
    EXPECT_EQ(dotted.toProgram(host), S("\\\\S1\\D\\y"));
}

// Text that begins with the byte order mark's character lost it, and a line with it, when read
// back: reading drops one mark at the start.
TEST(FoundByFuzzing, TextBeginningWithAByteOrderMarkReadsBackWhole) {
    QTemporaryDir dir;
    HostPaths hostPaths({{u'C', dir.path()}}, dir.path());
    FileSystem files(hostPaths);
    for (const QString& text :
         {S("\uFEFF"), S("\uFEFF\uFEFF\r\nnext\r\n"), S("\uFEFFa.doc\r\n"), S("plain\r\n")}) {
        QString read;
        ASSERT_TRUE(DecodeText(EncodeText(text), &read));
        EXPECT_EQ(read, text);
        ASSERT_TRUE(files.writeText(S("C:\\list.txt"), text));
        EXPECT_EQ(files.readLines(S("C:\\list.txt")).lines, SplitTextLines(text));
    }
}

}  // namespace
}  // namespace harbex
