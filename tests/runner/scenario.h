#pragma once
// Drives the real windows from scenario files: the notebook pages of tests/scenarios/.

#include "tests/support/testsupport.h"

#include <QPointer>
#include <QStringList>

class CalcWindow;
class QObject;
class QWidget;

class ScenarioRunner {
public:
    ScenarioRunner();
    // Runs one file; failures are printed as they happen.
    void runFile(const QString& path);
    int passed() const { return passed_; }
    int failed() const { return failed_; }

private:
    struct Failure {
        QString expected;
        QString found;
    };

    void startCase(const QString& name, int line);
    void endCase();
    void fail(int line, const QString& expected, const QString& found);
    // Runs one command line; returns a failure when the line does not hold.
    std::optional<Failure> execute(const QStringList& words, int line);

    std::optional<Failure> findControl(const QString& name, QObject** found);
    std::optional<Failure> findWidget(const QString& name, QWidget** found);
    std::optional<Failure> usable(QWidget* control, const QString& name);
    std::optional<Failure> notBlocked(QWidget* window);
    void makeCurrent(CalcWindow* window);

    RecordingMessages messages_;
    QPointer<CalcWindow> current_;
    bool quitRequested_ = false;
    QString file_;
    QString caseName_;
    int caseLine_ = 0;
    bool inCase_ = false;
    bool caseFailed_ = false;
    int passed_ = 0;
    int failed_ = 0;
};

// Splits a scenario line into words: bare words, and texts between double quotes (\" a quote,
// \\ a backslash), the quotes removed. A quoted word keeps a leading marker so that "#1" and #1
// stay apart. Returns nullopt when a quote is not closed.
std::optional<QStringList> splitScenarioLine(const QString& line);
bool isQuoted(const QString& word);
QString unquoted(const QString& word);
