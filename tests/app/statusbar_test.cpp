#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QStatusBar>
#include <QStatusTipEvent>

#include "support/controllerfixture.h"

namespace harbex::test {
namespace {

class StatusBarTest : public ControllerTest {};

TEST_F(StatusBarTest, EightPanelsWithTheirDesignTextsAndWidths) {
    THarbexZoDi& z = controller();
    const QStringList design = {QString(),
                                QStringLiteral("BUSFILE"),
                                QStringLiteral("-u -s -t"),
                                QStringLiteral("COMP"),
                                QStringLiteral("MESSAGES"),
                                QString(),
                                QStringLiteral("FN"),
                                QStringLiteral("SEQ")};
    const int widths[] = {65, 220, 40, 40, 248, 90, 50, 54};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(z.panels[i], design[i]) << i;
        auto* label = z.statusBar()->findChild<QLabel*>(QStringLiteral("StatusPanel%1").arg(i));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), design[i]);
        if (i == 0)
            EXPECT_GE(label->minimumWidth(), widths[i]);
        else
            EXPECT_EQ(label->minimumWidth(), widths[i]);
    }
    z.panels.set(4, QStringLiteral("Collecting"));
    EXPECT_EQ(z.statusBar()->findChild<QLabel*>(QStringLiteral("StatusPanel4"))->text(),
              QStringLiteral("Collecting"));
}

TEST_F(StatusBarTest, ThePanelsStayWholeWhileThePointerRestsOnACommand) {
    THarbexZoDi& z = controller();
    z.Activated = true;  // the window only, without start-up
    z.show();
    z.panels.set(0, QStringLiteral("Wednesday"));
    // What a menu item or tool button sends while the pointer is over it.
    QStatusTipEvent tip(QStringLiteral("Quit Harbex"));
    QApplication::sendEvent(&z, &tip);
    QApplication::processEvents();
    EXPECT_TRUE(z.statusBar()->currentMessage().isEmpty());
    for (int i = 0; i < 8; ++i) {
        auto* label = z.statusBar()->findChild<QLabel*>(QStringLiteral("StatusPanel%1").arg(i));
        EXPECT_TRUE(label->isVisible()) << i;
    }
    auto* weekday = z.statusBar()->findChild<QLabel*>(QStringLiteral("StatusPanel0"));
    EXPECT_GE(weekday->width(), weekday->sizeHint().width()) << "Wednesday shows whole";
    EXPECT_GE(weekday->minimumWidth(), weekday->sizeHint().width())
        << "also when the window is narrow";
}

TEST_F(StatusBarTest, TimersAreAllDisabledUntilArmed) {
    THarbexZoDi& z = controller();
    for (QTimer* timer : {&z.Timer, &z.Delay, &z.ShedTimer, &z.MidnightTimer, &z.ShutDown})
        EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(z.ShedTimer.interval(), 60000);
    EXPECT_EQ(z.MidnightTimer.interval(), 1000);
    EXPECT_EQ(z.ShutDown.interval(), 5000);
}

TEST_F(StatusBarTest, TheBackupCommandsAreAvailableWithTheirHints) {
    THarbexZoDi& z = controller();
    for (const char* name : {"ExportFiles", "StartExport", "StartBackup", "DoAll", "LoadSet"}) {
        QAction* action = z.commands.action(QString::fromLatin1(name));
        ASSERT_NE(action, nullptr) << name;
        EXPECT_TRUE(action->isEnabled()) << name;
        EXPECT_FALSE(action->toolTip().contains(QStringLiteral("not available"))) << name;
    }
    EXPECT_EQ(z.commands.action(QStringLiteral("DoAll"))->toolTip(),
              QStringLiteral("Collect, compress and copy the backup set"));
}

}  // namespace
}  // namespace harbex::test
