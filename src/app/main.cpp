#include <QApplication>

#include "app/harbexzodi.h"
#include "platform/platform.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Harbex"));
    auto platform = harbex::Platform::CreateReal();
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
