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
    // True when a set file was read; false when it could not be, or the user cancelled the
    // dialog (the set is then read again from its text). A file that cannot be read is
    // reported to the user, or handed back in failure by callers that work unattended.
    bool LoadbackupsetClick(LoadSender sender, QString* failure = nullptr);
    // Composes the set text from the model into Netsave; nothing is saved here.
    void WriteSetText();

    // A set file that exists but could not be read is not the set in memory: saving over it
    // without asking would destroy it. Returns whether the path may be written.
    bool mayReplace(const QString& path);

  private:
    bool readSetText(LoadSender sender, QStringList* lines, QString* failure);
    void applyLoadedSet(const QStringList& lines);
    THarbexZoDi& z_;
    bool cancelled_ = false;  // the last load's dialog was cancelled
    QString unreadSetFile_;   // the set file whose last load failed, while the path names it
};

}  // namespace harbex
