// velsarino-scenario FILE...: runs scenario files against the real windows, headless.

#include "scenario.h"

#include <QApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char* argv[])
{
    useHeadlessPlatform();
    QApplication app(argc, argv);
    prepareTestApplication(app);
    const QStringList files = QApplication::arguments().mid(1);
    if (files.isEmpty()) {
        std::fputs("usage: velsarino-scenario FILE...\n", stderr);
        return 2;
    }
    ScenarioRunner runner;
    for (const QString& file : files)
        runner.runFile(file);
    std::printf("%d passed, %d failed\n", runner.passed(), runner.failed());
    return runner.failed() > 0 ? 1 : 0;
}
