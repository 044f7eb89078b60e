#pragma once

#include <gtest/gtest.h>
#include <QTemporaryDir>
#include <memory>

#include "platform/platform.h"
#include "support/fakes.h"
#include "support/printers.h"

namespace harbex::test {

// A path or program text written in a test as a plain literal.
inline QString P(const char* text) {
    return QString::fromUtf8(text);
}

// A whole machine in a temp folder: drives C: and D:, the program's (data) folder C:\Harbex\, the
// folder of the program file C:\Programs\Harbex\, a network
// root with servers S1 (shares C and D) and S2 (share E), a registry root and a start list.
// The clock starts on Monday 07/12/2026 at 10:00:00; waits take no real time; questions and file
// dialogs are answered from scripts. Installed as the current platform while it lives.
class TestWorld {
  public:
    TestWorld();
    ~TestWorld();

    Platform& platform() { return *platform_; }
    FakeClock& clock() { return *clock_; }
    FakeWaits& waits() { return *waits_; }
    ScriptedPrompter& prompter() { return *prompter_; }
    ScriptedDialogs& dialogs() { return *dialogs_; }
    FakeNetwork& network() { return *network_; }
    Registry& registry() { return *platform_->registry; }

    QString root() const { return dir_.path(); }
    QString host(const QString& programPath) const;  // host path of a program path
    // The program's folder, C:\Harbex with a trailing backslash.
    QString programFolder() const { return platform_->programFolder; }
    // The folder of the program file, where the engine modules live.
    QString executableFolder() const { return platform_->executableFolder; }
    QString networkRoot() const;

    // Test data helpers on program paths.
    void makeFolder(const QString& programPath) const;
    void writeFile(const QString& programPath, const QByteArray& bytes) const;
    QByteArray readFile(const QString& programPath) const;
    bool exists(const QString& programPath) const;
    void setModified(const QString& programPath, const QDateTime& when) const;
    // Settings of the program (registry key Software\Keelwick\Pelvor).
    void setSetting(const QString& name, const QString& value);
    std::optional<QString> setting(const QString& name) const;
    // Removes the drive map entry for a letter (the drive is then not ready).
    void unmapDrive(QChar letter);

  private:
    QTemporaryDir dir_;
    std::unique_ptr<Platform> platform_;
    FakeClock* clock_ = nullptr;
    FakeWaits* waits_ = nullptr;
    ScriptedPrompter* prompter_ = nullptr;
    ScriptedDialogs* dialogs_ = nullptr;
    FakeNetwork* network_ = nullptr;
};

// Base fixture for tests that need the machine.
class WorldTest : public ::testing::Test {
  protected:
    TestWorld world;
};

}  // namespace harbex::test
