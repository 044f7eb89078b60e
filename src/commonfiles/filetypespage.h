#pragma once

#include <QWidget>
#include <array>

class QCheckBox;
class QPushButton;

namespace harbex {

class THarbexZoDi;

// What the first common-files page shows: the group box "File types" with the sixteen group
// check boxes (tags 0 to 15) and "Clear". The boxes show the set's FileTypes and write it.
class FileTypesPage : public QWidget {
    Q_OBJECT
  public:
    explicit FileTypesPage(THarbexZoDi& z, QWidget* parent = nullptr);

    // Fills the boxes from the set, without running a handler.
    void refresh();

    std::array<QCheckBox*, 16> boxes{};
    QPushButton* Clearbtn = nullptr;

  private:
    THarbexZoDi& z_;
};

}  // namespace harbex
