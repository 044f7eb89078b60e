// Large-file check of the internal engine, too slow for the test suite: a sparse 5 GB file of
// zeros and a small file go into one archive (zip64, since the big entry passes 4 GB); the
// archive must pass `unzip -t` and Python's zipfile must read both entries back with the right
// sizes and contents. Prints the time of each part. Needs about 6 MB of disk.

#include <QTemporaryDir>

#include "zipbenchsupport.h"

namespace {

const char* const kPythonCheck = R"(
import sys, zipfile, zlib
with zipfile.ZipFile(sys.argv[1]) as archive:
    big = archive.getinfo('big.bin')
    crc, size = 0, 0
    with archive.open(big) as entry:
        for chunk in iter(lambda: entry.read(1 << 24), b''):
            if chunk.count(0) != len(chunk):
                sys.exit('big.bin holds other bytes than zeros')
            crc = zlib.crc32(chunk, crc)
            size += len(chunk)
    assert size == 5 << 30 and crc == big.CRC, (size, crc, big.CRC)
    assert archive.read('small.txt') == b'small file\n'
print('python zipfile: both entries read back')
)";

}  // namespace

int main(int argc, char** argv) {
    using namespace harbex;
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString root = dir.path();
    auto platform = bench::ZipBenchPlatform(root);
    InstallPlatform(platform.get());
    QDir().mkpath(root + QStringLiteral("/data"));
    QFile big(root + QStringLiteral("/data/big.bin"));
    if (!big.open(QIODevice::WriteOnly) || !big.resize(qint64(5) << 30)) return 1;
    big.close();
    QFile small(root + QStringLiteral("/data/small.txt"));
    if (!small.open(QIODevice::WriteOnly)) return 1;
    small.write("small file\n");
    small.close();

    const double seconds =
        bench::TimeEngine(QStringLiteral("C:\\big.zip"), {QStringLiteral("C:\\data\\*.*")}, {});
    if (seconds < 0) return 1;
    const QString archive = root + QStringLiteral("/big.zip");
    std::printf("archive made in %.1f s: %lld bytes\n", seconds, bench::SizeOf(archive));
    const double unzip =
        bench::TimeProgram(QStringLiteral("unzip"), {QStringLiteral("-tq"), archive});
    std::printf("unzip -t: %s (%.1f s)\n", unzip >= 0 ? "passes" : "FAILS", unzip);
    const double python =
        bench::TimeProgram(QStringLiteral("python3"),
                           {QStringLiteral("-c"), QString::fromLatin1(kPythonCheck), archive});
    std::printf("python zipfile: %s (%.1f s)\n", python >= 0 ? "passes" : "FAILS", python);
    InstallPlatform(nullptr);
    return unzip >= 0 && python >= 0 ? 0 : 1;
}
