#include <QApplication>

#include "app/harbexzodi.h"
#include "platform/platform.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Harbex"));
    auto platform = harbex::Platform::CreateReal();
    if (!platform->startupProblem.isEmpty()) {
        // Without its data or temporary folder the program would write to made-up places.
        platform->prompter->message(platform->startupProblem);
        return 1;
    }
    harbex::InstallPlatform(platform.get());
    int result = 0;
    {
        harbex::THarbexZoDi window;
        window.show();
        result = QApplication::exec();
    }
    harbex::InstallPlatform(nullptr);
    return result;
}
