#pragma once

#include <QStringList>
#include <QTabWidget>

#include "app/options/optionsbinder.h"

namespace harbex {

class THarbexZoDi;

// The Options panel (Optionstabs): the pages laid over the middle of the main window where the
// user sees and changes the current set and the program's settings. Its widgets show the model,
// the settings and the window state; it owns no value of its own. Tabs that do not fit beside
// each other on a small screen are reached with the tab bar's scroll arrows or Ctrl+Tab; captions
// are never cut.
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
    // Whether the tab with this caption is offered.
    bool tabShown(const QString& caption) const;
    QString currentCaption() const;
    // The page with this caption.
    QWidget* page(const QString& caption) const;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    bool ruleShows(int index) const;
    void choose(int index);
    THarbexZoDi& z_;
    OptionsBinder binder_;
};

}  // namespace harbex
