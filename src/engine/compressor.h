#pragma once

#include <QString>
#include <QStringList>

#include "app/progresspacer.h"
#include "engine/engines.h"

namespace harbex {

class THarbexZoDi;

// The compress step: packs the backup list into archives in the temporary folder, one for the
// whole list, one per folder, per filter or per folder and filter, and replaces the backup list
// by the archives it made.
class Compressor {
  public:
    explicit Compressor(THarbexZoDi& z) : z_(z), pacer_(z) {}

    // True when the step succeeded; a backup run exports only then.
    bool CompressFiles();
    // "Create Zip Files".
    void ZipupClick();
    // "Store files in compressed format", "Scan for files in sub folders", and the option that
    // deletes the temporary files after the export.
    void ZippedExecute();
    void RecurseZipExecute();
    void DelTempsExecute();

  private:
    enum class Names { Ready, NoArchives, Failed };
    bool compress();
    // True once the program has been asked to close: no further archive is started.
    bool stopping();
    bool checkSource();
    bool makeArchives(const QString& temp);
    bool singleArchive(const QString& temp);
    bool perFolder(const QString& temp);
    bool perFilter(const QString& temp);
    bool perPair(const QString& temp);
    Names nameArchives(int kind, const QString& temp);
    bool namedArchives(int kind, const QString& temp);
    bool rowFor(int n, const QString& what, QString* archive);
    bool collectFolder(int folder);
    bool collectFilter(int filter);
    bool makeFromList(const QStringList& list, const QString& archive, ExternalForm form,
                      const QString& temp);
    bool makeFromSpec(const QString& spec, const QString& archive);

    THarbexZoDi& z_;
    ProgressPacer pacer_;
    QString lastArchive_;
    bool running_ = false;
    bool stopped_ = false;
};

}  // namespace harbex
