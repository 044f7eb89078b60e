#pragma once

#include <QStringList>
#include <QTabWidget>

#include "app/options/optionsbinder.h"

namespace harbex {

class THarbexZoDi;

// The Options panel (Optionstabs): the tabbed pages laid over the middle of the main window
// where the user sees and changes the current set and the program's settings. Its widgets show
// the model, the settings and the window state; it owns no value of its own.
class OptionsPanel : public QTabWidget {
    Q_OBJECT
  public:
    explicit OptionsPanel(THarbexZoDi& z, QWidget* parent = nullptr);

    // "Options": the panel on its Misc page; a countdown to an automatic run stops.
    void OptionsClick();
    // "Exit Options": composes the set text (which may ask the sequencing question) and hides
    // the panel unless that question sent the user to the sequence list.
    void ExitOptionsClick();

    // Fills every widget from its owner, shows the pages the rules allow and the page chosen,
    // all without running any handler.
    void refresh();

    // The page captions, in the panel's order.
    static const QStringList& Captions();
    // Whether the page with this caption has its tab shown.
    bool tabShown(const QString& caption) const;
    QString currentCaption() const;

  private:
    bool ruleShows(int index) const;
    THarbexZoDi& z_;
    OptionsBinder binder_;
};

}  // namespace harbex
