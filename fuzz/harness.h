#pragma once

// Round-trip harnesses for the texts the program reads. Each harness takes raw bytes, reads them
// as the program reads that file or value, writes the result back as the program writes it, reads
// that again and checks that the second reading gives the same model. A broken property aborts
// with both texts on standard error, which libFuzzer reports as a crash (and keeps the input).
//
// Built with libFuzzer (HARBEX_FUZZ) every harness is a fuzzer of its own; built into the test
// suite, the seed corpus and every input that once failed are replayed through the same checks.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>

namespace harbex::fuzz {

using Harness = std::function<void(const QByteArray&)>;

// Every harness of the program, by name (the name of its corpus folder).
std::map<std::string, Harness>& Harnesses();

struct Registration {
    Registration(const char* name, Harness harness) {
        Harnesses().emplace(name, std::move(harness));
    }
};

// Stops at a broken property, naming it.
[[noreturn]] void Broken(const char* harness, const QString& what);
inline void Expect(bool holds, const char* harness, const std::function<QString()>& what) {
    if (!holds) Broken(harness, what());
}

// The lines the program would read from a file of these bytes; false when it refuses the file
// as not being text.
bool ReadLines(const QByteArray& bytes, QStringList* lines);
// The lines read back from a file the program wrote with this text; a file the program wrote
// must always be accepted.
QStringList WrittenAndReadBack(const char* harness, const QString& text);
// Lines for a message: each in brackets, control characters escaped.
QString Printable(const QStringList& lines);

}  // namespace harbex::fuzz

// Defines a harness: `body` sees `const QByteArray& bytes`.
#define HARBEX_FUZZ_HARNESS(name)                                                           \
    static void FuzzBody_##name(const QByteArray& bytes);                                   \
    static const ::harbex::fuzz::Registration kRegistration_##name(#name, FuzzBody_##name); \
    HARBEX_FUZZ_ENTRY(name)                                                                 \
    static void FuzzBody_##name(const QByteArray& bytes)

#ifdef HARBEX_LIBFUZZER
#define HARBEX_FUZZ_ENTRY(name)                                                             \
    extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {               \
        FuzzBody_##name(                                                                    \
            QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size))); \
        return 0;                                                                           \
    }
#else
#define HARBEX_FUZZ_ENTRY(name)
#endif
