// Compression benchmark: builds a 500 MB tree of mixed files (text, data that is already
// compressed, many small files), makes one archive of it with the internal engine at level 9 as
// the compress step does (the archive read back before it gets its name included), runs
// `zip -9 -r -q` on the same tree, and prints both times, both sizes and the ratios.

#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include "zipbenchsupport.h"

namespace {

using namespace harbex;

constexpr qint64 kMegabyte = 1 << 20;

QByteArray Text(QRandomGenerator& random, qint64 size, const QList<QByteArray>& words) {
    QByteArray text;
    text.reserve(size + 64);
    while (text.size() < size) {
        text += words[random.bounded(static_cast<int>(words.size()))];
        text += random.bounded(12) == 0 ? '\n' : ' ';
    }
    text.truncate(size);
    return text;
}

QByteArray Noise(QRandomGenerator& random, qint64 size) {
    QByteArray bytes(size, Qt::Uninitialized);
    random.fillRange(reinterpret_cast<quint32*>(bytes.data()), size / 4);
    return bytes;
}

void Write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

// 200 MB of text in 40 files, 200 MB of noise in 25 files, 100 MB in 20 000 small text files.
qint64 BuildTree(const QString& tree) {
    QRandomGenerator random(20261207);
    QList<QByteArray> words;
    for (int i = 0; i < 4000; ++i) {
        QByteArray word;
        for (int n = 2 + random.bounded(8); n > 0; --n) word += char('a' + random.bounded(26));
        words << word;
    }
    qint64 total = 0;
    for (int i = 0; i < 40; ++i) {
        const QByteArray text = Text(random, 5 * kMegabyte, words);
        Write(tree + QStringLiteral("/text/part%1/doc%2.txt").arg(i % 4).arg(i), text);
        total += text.size();
    }
    for (int i = 0; i < 25; ++i) {
        const QByteArray noise = Noise(random, 8 * kMegabyte);
        Write(tree + QStringLiteral("/media/clip%1.jpg").arg(i), noise);
        total += noise.size();
    }
    for (int i = 0; i < 20000; ++i) {
        const QByteArray text = Text(random, 1024 + random.bounded(9 * 1024), words);
        Write(tree + QStringLiteral("/small/d%1/note%2.txt").arg(i / 500).arg(i), text);
        total += text.size();
    }
    return total;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString root = dir.path();
    auto platform = bench::ZipBenchPlatform(root);
    InstallPlatform(platform.get());
    std::printf("building the tree...\n");
    const qint64 input = BuildTree(root + QStringLiteral("/tree"));
    std::printf("tree: %.1f MB, 20 065 files\n", input / double(kMegabyte));

    const double ours =
        bench::TimeEngine(QStringLiteral("C:\\harbex.zip"), {QStringLiteral("C:\\tree\\*.*")},
                          TZipMaster::AddDirNames | TZipMaster::AddRecurseDirs);
    if (ours < 0) return 1;
    const double theirs =
        bench::TimeProgram(QStringLiteral("zip"),
                           {QStringLiteral("-9"), QStringLiteral("-r"), QStringLiteral("-q"),
                            root + QStringLiteral("/zip.zip"), QStringLiteral("tree")},
                           root);
    const qint64 ourSize = bench::SizeOf(root + QStringLiteral("/harbex.zip"));
    const qint64 theirSize = bench::SizeOf(root + QStringLiteral("/zip.zip"));
    const bool tested =
        bench::TimeProgram(QStringLiteral("unzip"),
                           {QStringLiteral("-tq"), root + QStringLiteral("/harbex.zip")}) >= 0;
    std::printf("internal engine, level 9: %7.2f s  %11lld bytes  (%s by unzip -t)\n", ours,
                ourSize, tested ? "passes" : "FAILS");
    std::printf("zip -9 -r -q:             %7.2f s  %11lld bytes\n", theirs, theirSize);
    std::printf("time ratio %.3f (target <= 1.0), size ratio %.4f (target <= 1.01), %u threads\n",
                ours / theirs, double(ourSize) / double(theirSize), QThread::idealThreadCount());
    InstallPlatform(nullptr);
    return 0;
}
