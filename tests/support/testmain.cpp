#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>

// Every test program runs with a widget application on the offscreen platform, so that windows,
// timers and message handling behave as in the program without a display.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale::c());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
