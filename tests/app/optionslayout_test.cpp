#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/options/optionspanel.h"
#include "log/runlogbook.h"
#include "support/controllerfixture.h"

namespace harbex::test {
namespace {

bool Shows(QWidget* w) {
    return qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) ||
           qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
           qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QAbstractItemView*>(w) ||
           qobject_cast<QPlainTextEdit*>(w);
}

// What a user reads or operates on a page: the visible controls, without the parts they are
// made of (a spin box's edit field, a list's scroll bars).
QList<QWidget*> Controls(QWidget* page) {
    QList<QWidget*> controls;
    for (QWidget* w : page->findChildren<QWidget*>()) {
        if (!Shows(w) || !w->isVisibleTo(page)) continue;
        bool part = false;
        for (QWidget* up = w->parentWidget(); up && up != page; up = up->parentWidget())
            part = part || Shows(up);
        if (!part) controls << w;
    }
    return controls;
}

QRect On(QWidget* page, QWidget* w) {
    return QRect(w->mapTo(page, QPoint(0, 0)), w->size());
}

QString Name(QWidget* w) {
    if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text();
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
    return w->objectName();
}

// The letter after a single "&" of a caption, or none.
QChar Mnemonic(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&') continue;
        if (text[i + 1] != u'&') return text[i + 1].toLower();
        ++i;
    }
    return QChar();
}

class OptionsLayoutTest : public ControllerTest {
  protected:
    // The main window at 1024 x 768 with every page offered (the example set compresses and
    // uses daily folders; the diagnostics have something to show).
    THarbexZoDi& shown() {
        const QString set = setPath(QStringLiteral("Office.bus"));
        world.writeFile(set,
                        "[FILTERS]\r\n*.doc\r\n[DIRS]\r\nC:\\Data\r\n[DAYS]\r\nUSE23456\r\n[COMP]"
                        "\r\n1\r\n[NET DIRS]\r\nD:\r\n");
        settingsForLaterStart(set);
        THarbexZoDi& z = start();
        z.log().DiagTabVisible = true;
        z.log().DiagBox << QStringLiteral("WORKGROUP");
        z.resize(1024, 768);
        z.show();
        z.options().OptionsClick();
        return z;
    }
    QWidget* open(THarbexZoDi& z, const QString& caption) {
        z.showOptionsPanel(caption);
        QApplication::processEvents();
        return z.options().page(caption);
    }
};

TEST_F(OptionsLayoutTest, EveryPageFitsAt1024By768WithNothingClippedOrOverlapping) {
    THarbexZoDi& z = shown();
    for (const QString& caption : OptionsPanel::Captions()) {
        SCOPED_TRACE(caption.toStdString());
        QWidget* page = open(z, caption);
        ASSERT_TRUE(z.options().tabShown(caption));
        const QList<QWidget*> controls = Controls(page);
        ASSERT_FALSE(controls.isEmpty());
        for (QWidget* w : controls) {
            const QString name = Name(w);
            EXPECT_TRUE(page->rect().contains(On(page, w))) << name.toStdString();
            const bool wraps = qobject_cast<QLabel*>(w) && qobject_cast<QLabel*>(w)->wordWrap();
            if ((qobject_cast<QAbstractButton*>(w) || qobject_cast<QLabel*>(w)) && !wraps) {
                EXPECT_GE(w->width(), w->sizeHint().width()) << "clipped: " << name.toStdString();
            }
            for (QWidget* other : controls) {
                if (other != w && On(page, w).intersects(On(page, other)))
                    ADD_FAILURE() << name.toStdString() << " overlaps "
                                  << Name(other).toStdString();
            }
        }
    }
}

TEST_F(OptionsLayoutTest, EveryButtonHasALetterOfItsOwnOnItsPage) {
    THarbexZoDi& z = shown();
    QSet<QChar> menuLetters;
    for (QAction* menu : z.menuBar()->actions()) menuLetters << Mnemonic(menu->text());
    for (const QString& caption : OptionsPanel::Captions()) {
        SCOPED_TRACE(caption.toStdString());
        QWidget* page = z.options().page(caption);
        QHash<QChar, QString> taken;
        for (QWidget* w : page->findChildren<QWidget*>()) {
            const auto* label = qobject_cast<QLabel*>(w);
            if (!qobject_cast<QAbstractButton*>(w) && !(label && label->buddy())) continue;
            const QString text = Name(w);
            const QChar letter = Mnemonic(text);
            if (qobject_cast<QPushButton*>(w)) {
                EXPECT_FALSE(letter.isNull()) << "no letter: " << text.toStdString();
            }
            if (letter.isNull()) continue;
            EXPECT_FALSE(menuLetters.contains(letter)) << "the menu bar has " << text.toStdString();
            EXPECT_FALSE(taken.contains(letter))
                << text.toStdString() << " and " << taken.value(letter).toStdString();
            taken.insert(letter, text);
        }
    }
}

TEST_F(OptionsLayoutTest, TabMovesThroughEveryPageInTheOrderItIsRead) {
    THarbexZoDi& z = shown();
    for (const QString& caption : OptionsPanel::Captions()) {
        SCOPED_TRACE(caption.toStdString());
        QWidget* page = open(z, caption);
        QList<QWidget*> chain;
        for (QWidget* w = page->nextInFocusChain(); w != page; w = w->nextInFocusChain())
            if (page->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() &&
                w->isVisibleTo(page) && !chain.contains(w))
                chain << w;
        ASSERT_GE(chain.size(), 2);
        for (qsizetype i = 1; i < chain.size(); ++i) {
            const QRect before = On(page, chain[i - 1]);
            const QRect next = On(page, chain[i]);
            // Down the page, along a row, or up again only into the next column to the right.
            EXPECT_TRUE(next.top() >= before.top() - 2 || next.left() >= before.right())
                << Name(chain[i - 1]).toStdString() << " -> " << Name(chain[i]).toStdString();
        }
        EXPECT_EQ(Name(chain.last()), QStringLiteral("&Help")) << "the page ends with its help";
    }
}

}  // namespace
}  // namespace harbex::test
