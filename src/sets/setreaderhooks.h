#pragma once

#include "sets/setfile.h"

namespace harbex {

class THarbexZoDi;

// What reading a set file does to the rest of the program: messages are handled between lines,
// daily folders are set up, missing specific folders abort a pending automatic backup, and the
// set's archive names are loaded.
class ControllerReaderHooks : public SetReaderHooks {
  public:
    explicit ControllerReaderHooks(THarbexZoDi& z) : z_(z) {}
    void handleMessages() override;
    void dailyFolderSetUp(const BackupSetModel& model) override;
    void specificFolder(const QString& folder) override;
    bool engineExists() const override;
    void compressionUnavailable() override;
    void namesFile(BackupSetModel& model) override;

  private:
    THarbexZoDi& z_;
};

}  // namespace harbex
