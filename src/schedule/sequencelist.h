#pragma once

#include <QDate>
#include <QString>
#include <QTime>
#include <array>

#include "sets/appsettings.h"

namespace harbex {

class THarbexZoDi;
struct BackupSetModel;

// The texts a row of the list shows for a set's schedule: its type word, its time and its day.
struct ScheduleRowTexts {
    QString Type;
    QString At;
    QString On;
};
// The row texts of a set's schedule; a yearly day is given the year of today, or the next year
// in which that day exists (29 February), so that the text reads back as a date.
ScheduleRowTexts RowTextsFor(const BackupSetModel& model, const QDate& today);

// Two times too close for a sequence: within k minutes of 59.9616 seconds either side.
bool TooClose(const QTime& a, const QTime& b, int k);

// Whether a row's Name names this set file: set paths are Windows paths, so case is ignored.
bool SameSetFile(const QString& name, const QString& path);

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
    // Whether the current set is listed; says so first when report is true.
    bool IsSetInSequence(bool report) const;
    // Whether another row's time is within k minutes of the current set's time; says so first
    // when report is true.
    bool CheckSequenceSpacing(int k, bool report) const;
    // The rows of the current set show its schedule again.
    void RefreshSequenceRows();

    // The commands of the Sequence List tab. A selected cell gives the row buttons (Delete, Add,
    // Replace, Edit) their row; the Active cell switches a row on and off.
    void SListSelectCell(int column, int row);
    void SDeleteClick();
    // "Replace": the current set into the selected row.
    void SReplaceClick();
    // "Add": a set chosen in the file dialog becomes current and goes into the selected row.
    void SAddClick();
    // "Edit": the selected row's set becomes current and its schedule opens in the wizard.
    void SEditClick();
    void SortBtnClick();
    void ClearListBtnClick();
    // "Auto": every listed set runs daily, from Autostarttime on, AutoInterval minutes apart.
    void AutoSeqBtnClick();
    // The Skip action: whether a missed entry is skipped when sequencing.
    void SkipExecute();

    // "Auto Start Time": the first entry's time for the Auto command; not stored.
    QTime Autostarttime = QTime(8, 30);
    // The row the row buttons act on (their tags), 0 before any row is chosen.
    int ButtonTag = 0;
    bool SDeleteEnabled = false;
    bool SAddEnabled = false;
    QString SEditCaption = QStringLiteral("Edit");

    // The first row whose set file is this path, or 0.
    int ListedRow(const QString& path) const;
    // The first row whose set file is this path, or 1.
    int SequenceRowOf(const QString& path) const;
    int CountDueToday() const;

    const Row& row(int r) const { return grid_[r]; }
    QString cell(int r, int column) const { return grid_[r][column]; }
    void setCell(int r, int column, const QString& text) { grid_[r][column] = text; }
    void resetRow(int r);

  private:
    // The question for a set without scheduling; OK switches scheduling on in the model.
    bool enableScheduling();
    void fillRow(int r, const QString& path);
    bool rowFileExists(int r) const;
    THarbexZoDi& z_;
    std::array<Row, 9> grid_{};  // row 0 holds the headings
};

}  // namespace harbex
