#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "harness.h"

// Every file of a harness's seed corpus (fuzz/corpus/<harness>) and of its found inputs
// (fuzz/found/<harness>: inputs that once broke the harness) goes through the harness's checks.
// A broken check aborts, so each harness runs in a child that the test watches.

namespace harbex::fuzz {
namespace {

class Replay : public ::testing::TestWithParam<std::string> {};

QStringList InputsOf(const std::string& harness) {
    QStringList inputs;
    for (const char* kind : {"corpus", "found"}) {
        const QDir dir(QStringLiteral(HARBEX_FUZZ_FOLDER "/%1/%2")
                           .arg(QLatin1String(kind), QString::fromStdString(harness)));
        for (const QString& name : dir.entryList(QDir::Files)) inputs << dir.filePath(name);
    }
    return inputs;
}

TEST_P(Replay, EverySeedAndFoundInputKeepsItsRoundTrip) {
    const Harness& harness = Harnesses().at(GetParam());
    const QStringList inputs = InputsOf(GetParam());
    ASSERT_FALSE(inputs.isEmpty()) << "no seed corpus for " << GetParam();
    for (const QString& input : inputs) {
        QFile file(input);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << input.toStdString();
        const QByteArray bytes = file.readAll();
        EXPECT_EXIT(
            {
                harness(bytes);
                std::exit(0);
            },
            ::testing::ExitedWithCode(0), "")
            << input.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Harnesses, Replay,
                         ::testing::Values("setfile", "lstfile", "nwffile", "brwfile", "dlffile",
                                           "settings", "drivemap", "utilitycmd", "atlist"),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace harbex::fuzz
