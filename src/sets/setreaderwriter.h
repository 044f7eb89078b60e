#pragma once

#include <QString>
#include <QStringList>

namespace harbex {

class THarbexZoDi;
enum class LoadSender;

// Reading the current set from its ".bus" file into the model, and composing the set text from
// the model; the text is what every save writes.
class SetReaderWriter {
  public:
    explicit SetReaderWriter(THarbexZoDi& z) : z_(z) {}

    // The set reader: from the file named by the set's path, or from a file the user picks.
    void LoadbackupsetClick(LoadSender sender);
    // Composes the set text from the model into Netsave; nothing is saved here.
    void WriteSetText();

    // A set file that exists but could not be read is not the set in memory: saving over it
    // without asking would destroy it. Returns whether the path may be written.
    bool mayReplace(const QString& path);

  private:
    bool readSetText(LoadSender sender, QStringList* lines);
    void applyLoadedSet(const QStringList& lines);
    THarbexZoDi& z_;
    QString unreadSetFile_;  // the set file whose last load failed, while the path names it
};

}  // namespace harbex
