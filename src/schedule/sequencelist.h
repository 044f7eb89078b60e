#pragma once

#include <QString>
#include <QTime>
#include <array>

#include "sets/appsettings.h"

namespace harbex {

class THarbexZoDi;

// The sequence list: up to eight sets that run one after another on a day. The grid (rows 1 to
// 8, columns Name, Type, At, On, Active) is what the user edits; the records in the settings are
// copied from it after every change.
class SequenceList {
  public:
    explicit SequenceList(THarbexZoDi& z) : z_(z) {}

    enum Column { Number = 0, Name = 1, Type = 2, At = 3, On = 4, ActiveCell = 5 };
    using Row = std::array<QString, 6>;

    void InitSequenceGrid();
    void SequenceToGrid();
    void GridToSequence();
    void SortSequenceGrid();
    void ClearSequenceList();
    bool AnySequenceActive() const;

    // "Sort" and "Clear All" on the Sequence List tab.
    void SortBtnClick();
    void ClearListBtnClick();
    // The Skip action: whether a missed entry is skipped when sequencing.
    void SkipExecute();
    // "Auto Start Time": the first entry's time for the Auto command; not stored.
    QTime Autostarttime = QTime(8, 30);
    // The first row whose set file equals the path exactly, or 1.
    int SequenceRowOf(const QString& path) const;
    int CountDueToday() const;

    const Row& row(int r) const { return grid_[r]; }
    QString cell(int r, int column) const { return grid_[r][column]; }
    void setCell(int r, int column, const QString& text) { grid_[r][column] = text; }
    void resetRow(int r);

  private:
    THarbexZoDi& z_;
    std::array<Row, 9> grid_{};  // row 0 holds the headings
};

}  // namespace harbex
