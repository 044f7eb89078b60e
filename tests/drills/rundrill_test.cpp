#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QCryptographicHash>
#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QTextStream>
#include <csignal>

#include "app/headlessrun.h"
#include "log/runlogbook.h"
#include "schedule/autoruns.h"
#include "support/archives.h"
#include "support/scheduledsets.h"

// Fault drills: every way a backup runs meets a full disk, a destination that vanishes, sources
// that change or vanish under it, and a zip utility that is killed. Afterwards the sources are as
// the drill left them, no file under a final name holds half a copy, the previous backup is still
// there where this one failed, and the log names the failure.

namespace harbex::test {
namespace {

enum class Path { ManualCopy, ManualZip, Unattended, Sequence, CommandLine };
enum class Fault { DestinationFull, DestinationRemoved, SourceChanged, SourceRemoved, ZipKilled };

struct Drill {
    const char* name;
    Path path;
    Fault fault;
};

void PrintTo(const Drill& drill, std::ostream* out) {
    *out << drill.name;
}

const QStringList kSources = {QStringLiteral("a.txt"), QStringLiteral("big.bin"),
                              QStringLiteral("c.doc")};
constexpr qint64 kFullAt = 48 << 10;  // writes past this size fail, as on a full disk

QByteArray Noise(int size, quint32 seed) {
    QByteArray bytes(size, '\0');
    QRandomGenerator random(seed);
    for (char& byte : bytes) byte = static_cast<char>(random.bounded(256));
    return bytes;
}

// A set of C:\Src's files copied (or zipped into one archive "Drill.zip") into the daily folder on
// D:, every day.
QByteArray SetText(bool zipped, int autotype) {
    return QByteArray(
               "[FILTERS]\r\n*.*\r\n[DIRS]\r\nC:\\Src\r\n[PARAMS]\r\n-a \r\n[SHED]\r\n0\r\n1"
               "\r\n1\r\n12:00:00\r\n0\r\n[AUTO]\r\n") +
           QByteArray::number(autotype) +
           "\r\n[DIS DRIVES]\r\n[DAYS]\r\nUSE1234567\r\n[NAMESET]\r\n1\r\n[SPECIFIC]\r\n0\r\n"
           "[ZIP TYPE]\r\n00\r\n[ZIP CORE]\r\nDrill\r\n[COMP]\r\n" +
           (zipped ? "1" : "0") +
           "\r\n[NAMES]\r\nNOFILE\r\n[NET DIRS]\r\nD:\r\n[LOG]\r\n[WIZ]\r\n0000000000000000000"
           "\r\n[COMM]\r\n[GEN]\r\n01";
}

class RunDrill : public ScheduledSetTest, public ::testing::WithParamInterface<Drill> {
  protected:
    RunDrill() {
        world.writeFile(P("C:\\Src\\a.txt"), "alpha");
        world.writeFile(P("C:\\Src\\big.bin"), Noise(256 << 10, 1));
        world.writeFile(P("C:\\Src\\c.doc"), Noise(8 << 10, 2));
        world.makeFolder(P("C:\\Temp"));
        world.makeFolder(P("D:\\Monday"));
        // Yesterday's good backup: every copy differs from today's source.
        for (const QString& name : kSources) world.writeFile(backup(name), "old " + name.toUtf8());
        settingsForLaterStart(set());
        world.setSetting(P("Zip Temp"), P("C:\\Temp\\"));
        world.setSetting(P("A Quit"), P("0"));
        world.setSetting(P("L Options"), P("0"));
        world.clock().set(QDateTime(kMonday, QTime(11, 58)));
    }
    ~RunDrill() override {
        const rlimit none{RLIM_INFINITY, RLIM_INFINITY};
        setrlimit(RLIMIT_FSIZE, &none);
    }
    // The host folder of drive D:; renamed, the drive vanishes as an unplugged disk does.
    QString driveD() const { return world.host(P("D:")); }
    static QString set() { return P("C:\\Harbex\\drill.bus"); }
    static QString source(const QString& name) { return P("C:\\Src\\") + name; }
    static QString backup(const QString& name) { return P("D:\\Monday\\") + name; }
    bool zipped() const { return GetParam().path == Path::ManualZip; }
    QStringList previousFiles() const { return zipped() ? QStringList{P("Drill.zip")} : kSources; }

    void prepare() {
        const Drill& drill = GetParam();
        world.writeFile(set(), SetText(zipped(), drill.path == Path::Unattended ||
                                                     drill.path == Path::Sequence));
        if (zipped()) {
            // Yesterday's archive, a good one.
            world.writeFile(P("D:\\Monday\\Drill.zip"), QByteArray());
            QFile::remove(world.host(P("D:\\Monday\\Drill.zip")));
            ASSERT_EQ(
                RunUtility(world.host(P("D:\\Monday\\Drill.zip")), world.host(P("C:\\Src\\a.txt"))),
                0);
            world.setSetting(P("Internal Compression"), P("0"));
            utility();
        }
        for (const QString& name : previousFiles()) previous_[name] = world.readFile(backup(name));
        sources_ = SourceState();
        switch (drill.fault) {
            case Fault::DestinationFull: {
                // Every write past kFullAt fails with "File too large", as on a full disk.
                std::signal(SIGXFSZ, SIG_IGN);
                const rlimit limit{kFullAt, RLIM_INFINITY};
                setrlimit(RLIMIT_FSIZE, &limit);
                break;
            }
            case Fault::ZipKilled:
                break;
            default:
                if (!zipped()) world.waits().onMessages = [this] { strikeBetweenCopies(); };
                break;
        }
    }

    // The stand-in utility behind a script: the zip drills act on the files while it runs.
    void utility() {
        installUtility(P("C:\\utils\\harbexzip"));
        const QString real = world.host(P("C:\\utils\\harbexzip"));
        const QString big = world.host(source(P("big.bin")));
        QString script = P("#!/bin/sh\n");
        switch (GetParam().fault) {
            case Fault::SourceChanged:
                script += P("printf changed > '%1'\nexec '%2' \"$@\"\n").arg(big, real);
                versions_[P("big.bin")] << "changed";
                scriptChanges_ = [this] { sources_[P("big.bin")] = "changed"; };
                struck_ = true;
                break;
            case Fault::SourceRemoved:
                script += P("rm '%1'\nexec '%2' \"$@\"\n").arg(big, real);
                scriptChanges_ = [this] { sources_.remove(P("big.bin")); };
                struck_ = true;
                break;
            case Fault::ZipKilled:
                // The utility is killed while it writes, and so is the script that ran it.
                script += P("'%1' \"$@\" & kill -KILL $!\nwait\nkill -KILL $$\n").arg(real);
                struck_ = true;
                break;
            case Fault::DestinationRemoved:
                script += P("'%1' \"$@\" || exit $?\nmv '%2' '%2.gone'\n").arg(real, driveD());
                struck_ = true;
                break;
            default:
                script += P("exec '%1' \"$@\"\n").arg(real);
        }
        world.writeFile(P("C:\\utils\\pkzip.sh"), script.toUtf8());
        QFile::setPermissions(world.host(P("C:\\utils\\pkzip.sh")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        world.setSetting(P("Ext Util"), P("C:\\utils\\pkzip.sh"));
    }
    int RunUtility(const QString& archive, const QString& file) {
        installUtility(P("C:\\utils\\harbexzip"));
        QProcess zip;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(P("XDG_CONFIG_HOME"),
                   world.platform().registry->rootFolder(RegistryRoot::CurrentUser));
        zip.setProcessEnvironment(env);
        zip.start(world.host(P("C:\\utils\\harbexzip")), {archive, file});
        zip.waitForFinished(60000);
        return zip.exitCode();
    }

    // Between two copies, once the first copy has arrived: the fault strikes a file not yet
    // copied, or the destination.
    void strikeBetweenCopies() {
        if (struck_) return;
        QString waiting;
        bool arrived = false;
        for (const QString& name : kSources) {
            const bool fresh = world.exists(backup(name)) &&
                               world.readFile(backup(name)) == world.readFile(source(name));
            arrived = arrived || fresh;
            if (!fresh && waiting.isEmpty()) waiting = name;
        }
        if (!arrived || waiting.isEmpty()) return;
        struck_ = true;
        struckFile_ = waiting;
        switch (GetParam().fault) {
            case Fault::SourceChanged:
                world.writeFile(source(waiting), "changed during the run");
                break;
            case Fault::SourceRemoved:
                QFile::remove(world.host(source(waiting)));
                break;
            case Fault::DestinationRemoved:
                QDir().rename(driveD(), driveD() + P(".gone"));
                break;
            default:
                break;
        }
        sources_ = SourceState();
    }

    // The sources as they are now; every state they were in is remembered.
    QMap<QString, QByteArray> SourceState() {
        QMap<QString, QByteArray> state;
        for (const QString& name : kSources) {
            if (!world.exists(source(name))) continue;
            state[name] = world.readFile(source(name));
            versions_[name] << state[name];
        }
        return state;
    }

    // Runs the set the drill's way; gives every log text the run left.
    QString run() {
        QString texts;
        switch (GetParam().path) {
            case Path::ManualCopy:
            case Path::ManualZip:
                start();
                z->commands.action(P("DoAll"))->trigger();
                break;
            case Path::Unattended: {
                start();
                for (QTimer* t : {&z->Timer, &z->Delay, &z->ShedTimer, &z->MidnightTimer})
                    t->blockSignals(true);
                z->autoRuns().StartCountdown();
                z->autoRuns().TimerTimeout();
                break;
            }
            case Path::Sequence: {
                for (int n = 0; n < 8; ++n) {
                    world.setSetting(P("FName") + QString::number(n), P("UNASSIGNED"));
                    world.setSetting(P("ST") + QString::number(n), P("23:59:59"));
                }
                world.setSetting(P("MMode"), P("1"));
                world.setSetting(P("Local Mode"), P("1"));
                activeEntry(0, set(), QTime(12, 0));
                start();
                for (QTimer* t : {&z->Timer, &z->Delay, &z->ShedTimer, &z->MidnightTimer})
                    t->blockSignals(true);
                for (int minute = 0; minute < 10 && !z->MidnightTimer.isActive(); ++minute) {
                    world.clock().advanceMs(60000);
                    if (z->ShedTimer.isActive()) z->autoRuns().ShedTimerTimer();
                    if (z->Timer.isActive()) z->autoRuns().TimerTimeout();
                }
                break;
            }
            case Path::CommandLine: {
                QTextStream out(&texts);
                QTextStream err(&texts);
                RunSetHeadless(set(), out, err);
                break;
            }
        }
        if (z) texts += z->log().RunLog.join(u'\n');
        world.waits().onMessages = nullptr;
        const rlimit none{RLIM_INFINITY, RLIM_INFINITY};
        setrlimit(RLIMIT_FSIZE, &none);
        const QString gone = driveD() + P(".gone");
        if (QFileInfo::exists(gone)) QDir().rename(gone, driveD());
        for (const QString& log : QDir(world.host(P("C:\\Harbex"))).entryList({P("*.log")}))
            texts += QString::fromUtf8(world.readFile(P("C:\\Harbex\\") + log));
        return texts;
    }

    QMap<QString, QByteArray> previous_;
    QMap<QString, QByteArray> sources_;
    QMap<QString, QByteArrayList> versions_;
    std::function<void()> scriptChanges_;  // what the utility's script does to the sources
    bool struck_ = false;
    QString struckFile_;
};

// What the log must say, per fault: a compressed run names the failed archive, or the drive.
QString FailureNamed(const Drill& drill) {
    const bool zipped = drill.path == Path::ManualZip;
    switch (drill.fault) {
        case Fault::DestinationFull:
            // The utility's own reason reaches the log after its exit code.
            return zipped ? P("ended with code 2: harbexzip: Write error: File too large")
                          : P("File too large");
        case Fault::DestinationRemoved:
            return zipped ? P("DRIVE: D: could not be reached") : P("FAILED");
        case Fault::SourceChanged:
            return QString();  // not a failure: the copy has the new bytes, whole
        case Fault::SourceRemoved:
            return zipped ? P("File compression Error C:\\Temp\\Drill.zip") : P("Files not found");
        case Fault::ZipKilled:
            return P("File compression Error C:\\Temp\\Drill.zip");
    }
    return QString();
}

TEST_P(RunDrill, SourcesKeptNoHalfFilesThePreviousBackupKeptAndTheFailureLogged) {
    const Drill& drill = GetParam();
    prepare();
    const QString log = run();
    if (scriptChanges_) scriptChanges_();
    EXPECT_TRUE(struck_ || drill.fault == Fault::DestinationFull) << "the fault never struck\n"
                                                                  << log.toStdString();

    EXPECT_EQ(SourceState(), sources_) << "the run changed a source";
    // Under its final name a file is yesterday's, or a whole copy of a source as it is or was.
    // A compressed run whose archive failed copies the files themselves.
    QStringList left =
        QDir(world.host(P("D:\\Monday"))).entryList(QDir::Files | QDir::Hidden | QDir::System);
    if (zipped() && left != previousFiles())
        left.removeIf([](const QString& name) { return kSources.contains(name); });
    EXPECT_EQ(left, previousFiles()) << "files were lost, or temporary files left behind";
    for (const QString& name : left) {
        const QByteArray now = world.readFile(backup(name));
        if (now == previous_[name]) continue;
        if (name.endsWith(P(".zip"))) {
            const ArchiveCheck check = CheckArchive(world.host(backup(name)));
            EXPECT_TRUE(check.unzipOk) << check.unzipOutput.toStdString();
        } else {
            EXPECT_TRUE(versions_[name].contains(now))
                << name.toStdString() << " holds neither yesterday's copy nor a whole source";
        }
    }
    const QString named = FailureNamed(drill);
    if (!named.isEmpty()) {
        EXPECT_TRUE(log.contains(named)) << named.toStdString() << "\n" << log.toStdString();
    }
}

const Drill kDrills[] = {
    {"ManualCopyDestinationFull", Path::ManualCopy, Fault::DestinationFull},
    {"ManualCopyDestinationRemoved", Path::ManualCopy, Fault::DestinationRemoved},
    {"ManualCopySourceChanged", Path::ManualCopy, Fault::SourceChanged},
    {"ManualCopySourceRemoved", Path::ManualCopy, Fault::SourceRemoved},
    {"ManualZipDestinationFull", Path::ManualZip, Fault::DestinationFull},
    {"ManualZipDestinationRemoved", Path::ManualZip, Fault::DestinationRemoved},
    {"ManualZipSourceChanged", Path::ManualZip, Fault::SourceChanged},
    {"ManualZipSourceRemoved", Path::ManualZip, Fault::SourceRemoved},
    {"ManualZipUtilityKilled", Path::ManualZip, Fault::ZipKilled},
    {"UnattendedDestinationFull", Path::Unattended, Fault::DestinationFull},
    {"UnattendedDestinationRemoved", Path::Unattended, Fault::DestinationRemoved},
    {"UnattendedSourceChanged", Path::Unattended, Fault::SourceChanged},
    {"UnattendedSourceRemoved", Path::Unattended, Fault::SourceRemoved},
    {"SequenceDestinationFull", Path::Sequence, Fault::DestinationFull},
    {"SequenceDestinationRemoved", Path::Sequence, Fault::DestinationRemoved},
    {"SequenceSourceChanged", Path::Sequence, Fault::SourceChanged},
    {"SequenceSourceRemoved", Path::Sequence, Fault::SourceRemoved},
    {"CommandLineDestinationFull", Path::CommandLine, Fault::DestinationFull},
    {"CommandLineDestinationRemoved", Path::CommandLine, Fault::DestinationRemoved},
    {"CommandLineSourceChanged", Path::CommandLine, Fault::SourceChanged},
    {"CommandLineSourceRemoved", Path::CommandLine, Fault::SourceRemoved},
};
INSTANTIATE_TEST_SUITE_P(Drills, RunDrill, ::testing::ValuesIn(kDrills),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace harbex::test
