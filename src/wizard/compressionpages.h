#pragma once

#include <QString>

namespace harbex {

class THarbexZoDi;
class Wizard;

// Pages 9, 10 and 11 of the wizard: whether the set's files are compressed, how they are grouped
// into archives, and how the archives are named. Page 10's answer adapts page 11 (the first
// naming scheme's caption, which lines show); page 11 checks the archive names list when the
// names are predefined.
class CompressionPages {
  public:
    explicit CompressionPages(THarbexZoDi& z) : z_(z) {}

    void Page9NextClick();
    void Page10NextClick();
    void Page11NextClick();
    // A click on a naming scheme: the scheme becomes the set's, and the summary follows.
    void FixedOptionClick(int index);

    // What page 11 shows besides the set's own fields. Whether FixedOption shows is part of the
    // window state, as the Options panel's refresh decides it too.
    QString P11Text1 = QStringLiteral(
        "You can choose to name the compressed archives using one of the schemes "
        "below");
    QString P11text3 = QStringLiteral(
        "If you are not using predefined names you can choose one of the "
        "following as a bais for ");
    bool P11text3Visible = true;
    bool P11text4Visible = true;
    // The caption of FixedOption's first scheme, which names the archives after their source.
    QString FixedOptionFirst =
        QStringLiteral("The compressed files will be named  using the source folder/filter names");

  private:
    Wizard& wizard();
    // Page 11 with predefined names: the names list is checked, made or confirmed. Returns false
    // when the wizard must close because the names cannot be used.
    bool checkNames();
    bool nameArchivesNow(const QString& temp);
    bool confirmSavedList();
    // The names window was left with Accept: the list must fit the set and be in a file.
    bool acceptNames();
    void namesProblem();
    THarbexZoDi& z_;
};

}  // namespace harbex
