#pragma once
// Keeps the open windows: at most one of each form, brought forward when asked again with its
// contents, created afresh after it was closed.

#include "calcwindow.h"

#include <QList>
#include <QPointer>

#include <functional>
#include <map>

class WindowManager {
public:
    static WindowManager& instance();

    // The window of a form, created and loaded when it is not open; not shown yet.
    CalcWindow* prepare(const QString& form);
    // Shows a window modal (the caller and the main window wait) or modeless. A window already on
    // screen is only brought to the front, whatever is asked.
    void show(CalcWindow* window, ShowAs how, QWidget* caller);
    // prepare and show: what a menu entry does.
    CalcWindow* open(const QString& form, ShowAs how, QWidget* caller = nullptr);

    CalcWindow* find(const QString& form) const; // the open window of a form, or nullptr
    QList<CalcWindow*> openWindows() const;      // the main window included
    CalcWindow* lastShown() const { return lastShown_; }

    void setMainWindow(CalcWindow* window);
    CalcWindow* mainWindow() const { return main_; }

    // Closes every window, the main one last.
    void closeAll();
    // Closes every window and ends the program.
    void endProgram();
    // What ending the program means: QApplication::quit, or a test's note.
    void setQuitHandler(std::function<void()> quit) { quit_ = std::move(quit); }

    // Called by a window that closes.
    void forget(CalcWindow* window);

private:
    WindowManager();
    std::map<QString, QPointer<CalcWindow>> open_;
    QPointer<CalcWindow> main_;
    QPointer<CalcWindow> lastShown_;
    std::function<void()> quit_;
};
