#pragma once

#include <QString>

namespace harbex {

class THarbexZoDi;

// Finding and setting up the two compression engines: the internal zip engine (two modules in
// the program's folder) and the external command-line utility named by "Ext Util".
class Engines {
  public:
    explicit Engines(THarbexZoDi& z) : z_(z) {}

    enum class Kind { Zipmaster, External };
    bool EngineAvailable(Kind kind) const;
    // Whether any engine exists, so that compression can be offered at all.
    bool AnyEngineAvailable() const;

    // 0 ready, 1 switched to the other engine (after the user agreed), 2 failed.
    int SetupInternalEngine(bool quiet);
    int SetupExternalUtility(bool quiet);

    // Click handling of the check box "Use Internal Compression", attached after start-up.
    void internalClick();
    bool internalClickAttached = false;

  private:
    THarbexZoDi& z_;
};

}  // namespace harbex
