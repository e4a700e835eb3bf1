#include "windowmanager.h"

#include "handlers.h"
#include "registry.h"

#include <QApplication>
#include <QWindow>

namespace {
void bringForward(QWidget* window)
{
    // The headless platform of the tests has no stacking order to change.
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        window->raise();
    window->activateWindow();
}
} // namespace

WindowManager& WindowManager::instance()
{
    static WindowManager manager;
    return manager;
}

WindowManager::WindowManager() : quit_([] { QApplication::quit(); }) {}

CalcWindow* WindowManager::prepare(const QString& form)
{
    if (CalcWindow* open = find(form))
        return open;
    CalcWindow* window = WindowRegistry::create(form);
    if (!window)
        return nullptr;
    open_[form] = window;
    HandlerContext::run([window] { window->load(); });
    return window;
}

void WindowManager::show(CalcWindow* window, ShowAs how, QWidget* caller)
{
    if (!window)
        return;
    lastShown_ = window;
    if (window->isVisible()) {
        bringForward(window);
        return;
    }
    if (how == ShowAs::Modal) {
        window->setWindowModality(Qt::ApplicationModal);
        // Keep a modal window above the one that opened it.
        QWidget* over = caller ? caller->window() : main_.data();
        if (over && over != window) {
            window->winId();
            over->winId();
            window->windowHandle()->setTransientParent(over->windowHandle());
        }
    }
    window->show();
    bringForward(window);
    HandlerContext::run([window] { window->focusFirstControl(); });
}

CalcWindow* WindowManager::open(const QString& form, ShowAs how, QWidget* caller)
{
    CalcWindow* window = prepare(form);
    show(window, how, caller ? caller : main_.data());
    return window;
}

CalcWindow* WindowManager::find(const QString& form) const
{
    if (main_ && main_->formName() == form)
        return main_;
    const auto it = open_.find(form);
    return it == open_.end() ? nullptr : it->second.data();
}

QList<CalcWindow*> WindowManager::openWindows() const
{
    QList<CalcWindow*> all;
    for (const auto& [form, window] : open_)
        if (window)
            all << window.data();
    if (main_)
        all << main_.data();
    return all;
}

void WindowManager::setMainWindow(CalcWindow* window)
{
    main_ = window;
    lastShown_ = window;
}

void WindowManager::forget(CalcWindow* window)
{
    for (auto it = open_.begin(); it != open_.end();) {
        if (it->second == window || !it->second)
            it = open_.erase(it);
        else
            ++it;
    }
    if (main_ == window)
        main_ = nullptr;
    if (lastShown_ == window)
        lastShown_ = nullptr;
}

void WindowManager::closeAll()
{
    QList<QPointer<CalcWindow>> windows;
    for (const auto& [form, window] : open_)
        windows << window;
    // A modal window closes before the windows it stands over.
    for (const bool modal : {true, false})
        for (const QPointer<CalcWindow>& w : windows)
            if (w && w->isModal() == modal)
                w->close();
    if (main_)
        main_->close();
    open_.clear();
}

void WindowManager::endProgram()
{
    closeAll();
    if (quit_)
        quit_();
}
