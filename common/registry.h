#pragma once
// The registry of windows by form name. Each window's unit registers itself:
//
//     REGISTER_WINDOW("frmrisonanza", frmrisonanza)
//
// and from then on the menu entries that name it are enabled and every test covers it.

#include <QString>
#include <QStringList>

#include <functional>

class CalcWindow;

class WindowRegistry {
public:
    using Factory = std::function<CalcWindow*()>;
    static bool add(const QString& form, Factory factory);
    static bool contains(const QString& form);
    static CalcWindow* create(const QString& form); // nullptr for a form not registered
    static QStringList forms();                      // sorted
};

#define VELSARINO_JOIN2(a, b) a##b
#define VELSARINO_JOIN(a, b) VELSARINO_JOIN2(a, b)
#define REGISTER_WINDOW(FORM, CLASS)                                                                          \
    namespace {                                                                                               \
    const bool VELSARINO_JOIN(registered_, __LINE__) = WindowRegistry::add(QStringLiteral(FORM), [] {        \
        return static_cast<CalcWindow*>(new CLASS);                                                           \
    });                                                                                                       \
    }
