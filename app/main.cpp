#include "startup.h"

#include "common/calcwindow.h"
#include "common/windowmanager.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velsarino"));
    // Lets the desktop match the windows to the menu entry and its icon (on Wayland by this name).
    QApplication::setDesktopFileName(QStringLiteral("org.example.velsarino"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/assets/velsarino.svg")));
    prepareApplication(app);
    CalcWindow* main = createMainWindow();
    WindowManager::instance().show(main, ShowAs::Modeless, nullptr);
    return app.exec();
}
