#pragma once

#include <QString>
#include <QStringList>
#include <array>

#include "schedule/schedule.h"

namespace harbex {

// A drop-down list with an edit field: its items, the selected item and the text it shows.
// Selecting an item shows it as the text; emptying the items empties the text as well.
struct ComboBoxState {
    QStringList items;
    int index = -1;
    QString text;
    void clear() {
        items.clear();
        index = -1;
        text.clear();
    }
    void select(int i) {
        if (i < 0 || i >= items.size()) return;
        index = i;
        text = items[i];
    }
    void setItems(const QStringList& lines) {
        clear();
        items = lines;
    }
};

// What the window shows besides the set and the settings themselves: the visibility, enabled
// state and captions that the set's rules switch (RefreshOptions and the handlers decide them),
// the engine's display texts, the collection's progress, and whether the Options panel is shown
// and on which page. Plain data, so that the rules can be checked without widgets; the window's
// widgets are filled from it, from the model and from the settings, and hold no value of their
// own. Values that follow from the model (the core name box, the set's path) are not kept here.
struct WindowState {
    // Source controls
    bool CommactivelabVisible = false;  // "Common file backup enabled"
    bool usebrowser = false;
    bool AllFiles = false;
    int FileFiltersIndex = 0;  // the filter selector, 0 = "All files|*.*"
    bool ChooseSourceEnabled = true;
    bool ChooseFiltersEnabled = true;
    QStringList CListBox1;  // common files found
    // The captions of the sixteen common file type check boxes (with their extension lists once
    // the program has started).
    std::array<QString, 16> FileTypeCaptions;
    QString FFound;
    // Destination controls
    QStringList Daylist;
    bool DailyTabVisible = false;
    bool dailyLabVisible = false;
    // Compression controls
    bool ZipTabVisible = false;
    bool FixedOptionVisible = true;
    bool ZipFilesEnabled = true;
    bool NametypeVisible = true;
    bool SnamVisible = true;
    QString Snam = QStringLiteral("Specific name");
    bool ZipNameVisible = true;
    bool ZipNameEnabled = true;
    QString ZipUtil;
    bool internalEnabled = true;
    bool SelZipUtilityVisible = false;
    bool LocalPanVisible = false;  // the temporary folder selector
    QString ZipTempSel;            // the folder the selector shows
    // Schedule controls, laid out by ShedTypeClick
    ScheduleBox ShedBox = ScheduleBoxFor(0);
    // The countdown panel before an automatic run, and the position of its bar (0 to 500)
    bool BackingupVisible = false;
    int Countdown = 0;
    // Options panel
    bool OptionsVisible = false;
    QString OptionsTab;
    bool NetsaveVisible = false;
    // Collection display
    QString tobackup;
    QString FolderCount;
    int CheckBar = 0;
};

}  // namespace harbex
