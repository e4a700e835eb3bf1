#include "startup.h"

#include "common/calcwindow.h"
#include "common/windowmanager.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velsarino"));
    prepareApplication(app);
    CalcWindow* main = createMainWindow();
    WindowManager::instance().show(main, ShowAs::Modeless, nullptr);
    return app.exec();
}
