#include <QApplication>
#include <QTextStream>
#include <cstdio>

#include "app/harbexzodi.h"
#include "app/headlessrun.h"
#include "platform/platform.h"

namespace {

// A run from the command line reports on its own streams. Qt's notes about the environment (a
// timer or cron starts programs without XDG_RUNTIME_DIR) are not problems of the run and would
// make cron mail every night; only Qt's serious messages get through.
void SeriousMessagesOnly(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "harbex: %s\n", qPrintable(text));
}

QStringList Arguments(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

}  // namespace

int main(int argc, char** argv) {
    const QStringList arguments = Arguments(argc, argv);
    const bool commandLine = harbex::IsCommandLineRun(arguments);
    // A run from the command line shows no window and may have no display at all (a system
    // timer on a machine nobody is logged into).
    if (commandLine) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(SeriousMessagesOnly);
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Harbex"));
    auto platform = harbex::Platform::CreateReal();
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (!platform->startupProblem.isEmpty()) {
        // Without its data or temporary folder the program would write to made-up places.
        if (commandLine) {
            err << "harbex: " << platform->startupProblem << Qt::endl;
            return harbex::kRunNotStarted;
        }
        platform->prompter->message(platform->startupProblem);
        return 1;
    }
    harbex::InstallPlatform(platform.get());
    int result = 0;
    if (commandLine) {
        result = harbex::RunCommandLine(arguments, out, err);
    } else {
        harbex::THarbexZoDi window;
        window.show();
        result = QApplication::exec();
    }
    harbex::InstallPlatform(nullptr);
    return result;
}
