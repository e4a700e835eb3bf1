#include "scenario.h"

#include "app/menutree.h"
#include "app/startup.h"
#include "common/calcwindow.h"
#include "common/handlers.h"
#include "common/numbers.h"
#include "common/registry.h"
#include "common/windowmanager.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTextStream>

#include <cstdio>

namespace {
const QChar quoteMark(0x1);

void print(const QString& text)
{
    std::fputs(text.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

QString shown(const QString& text) { return QStringLiteral("\"%1\"").arg(text); }

QString captionOf(QObject* o)
{
    if (auto* a = qobject_cast<QAction*>(o))
        return a->text();
    if (auto* c = qobject_cast<QComboBox*>(o))
        return c->currentText();
    if (auto* l = qobject_cast<QLabel*>(o))
        return l->text();
    if (auto* e = qobject_cast<QLineEdit*>(o))
        return e->text();
    if (auto* b = qobject_cast<QAbstractButton*>(o))
        return b->text();
    if (auto* g = qobject_cast<QGroupBox*>(o))
        return g->title();
    if (auto* list = qobject_cast<QListWidget*>(o))
        return list->currentItem() ? list->currentItem()->text() : QString();
    if (auto* w = qobject_cast<QWidget*>(o))
        return w->windowTitle();
    return QString();
}

bool isShown(QObject* o, QWidget* window)
{
    if (auto* a = qobject_cast<QAction*>(o))
        return a->isVisible();
    auto* w = qobject_cast<QWidget*>(o);
    return w && w->isVisibleTo(window);
}

bool isEnabledControl(QObject* o)
{
    if (auto* a = qobject_cast<QAction*>(o))
        return a->isEnabled();
    if (auto* w = qobject_cast<QWidget*>(o))
        return w->isEnabled();
    if (auto* t = dynamic_cast<Timer*>(o))
        return t->isEnabled();
    return false;
}

QString tooltipOf(QObject* o)
{
    if (auto* a = qobject_cast<QAction*>(o))
        return a->toolTip() == a->text().remove(QLatin1Char('&')) ? QString() : a->toolTip();
    if (auto* w = qobject_cast<QWidget*>(o))
        return w->toolTip();
    return QString();
}

int keyOf(const QString& name, QString* text)
{
    static const std::map<QString, int> named = {
        {QStringLiteral("Up"), Qt::Key_Up},         {QStringLiteral("Down"), Qt::Key_Down},
        {QStringLiteral("Left"), Qt::Key_Left},     {QStringLiteral("Right"), Qt::Key_Right},
        {QStringLiteral("Tab"), Qt::Key_Tab},       {QStringLiteral("Return"), Qt::Key_Return},
        {QStringLiteral("Escape"), Qt::Key_Escape}, {QStringLiteral("Backspace"), Qt::Key_Backspace},
        {QStringLiteral("Delete"), Qt::Key_Delete}, {QStringLiteral("Home"), Qt::Key_Home},
        {QStringLiteral("End"), Qt::Key_End},       {QStringLiteral("PageUp"), Qt::Key_PageUp},
        {QStringLiteral("PageDown"), Qt::Key_PageDown},
    };
    const auto it = named.find(name);
    if (it != named.end()) {
        if (it->second == Qt::Key_Tab)
            *text = QStringLiteral("\t");
        else if (it->second == Qt::Key_Return)
            *text = QStringLiteral("\r");
        else if (it->second == Qt::Key_Escape)
            *text = QString(QChar(27));
        return it->second;
    }
    if (name.size() == 1) {
        *text = name;
        const QChar c = name.at(0).toUpper();
        return c.unicode() < 128 ? int(c.unicode()) : int(Qt::Key_unknown);
    }
    return 0;
}

// Parses "#N" or a plain number.
std::optional<int> numberWord(const QString& word)
{
    QString w = word;
    if (w.startsWith(QLatin1Char('#')))
        w.remove(0, 1);
    bool ok = false;
    const int n = w.toInt(&ok);
    return ok ? std::optional<int>(n) : std::nullopt;
}
} // namespace

bool isQuoted(const QString& word) { return word.startsWith(quoteMark); }
QString unquoted(const QString& word) { return isQuoted(word) ? word.mid(1) : word; }

std::optional<QStringList> splitScenarioLine(const QString& line)
{
    QStringList words;
    int i = 0;
    const int n = int(line.size());
    while (i < n) {
        const QChar c = line.at(i);
        if (c.isSpace()) {
            ++i;
            continue;
        }
        if (c == QLatin1Char('"')) {
            QString text(quoteMark);
            ++i;
            bool closed = false;
            while (i < n) {
                const QChar d = line.at(i);
                if (d == QLatin1Char('\\') && i + 1 < n && (line.at(i + 1) == QLatin1Char('"') || line.at(i + 1) == QLatin1Char('\\'))) {
                    text.append(line.at(i + 1));
                    i += 2;
                    continue;
                }
                if (d == QLatin1Char('"')) {
                    closed = true;
                    ++i;
                    break;
                }
                text.append(d);
                ++i;
            }
            if (!closed)
                return std::nullopt;
            words << text;
            continue;
        }
        QString word;
        while (i < n && !line.at(i).isSpace() && line.at(i) != QLatin1Char('"'))
            word.append(line.at(i++));
        words << word;
    }
    return words;
}

ScenarioRunner::ScenarioRunner()
{
    WindowManager::instance().setQuitHandler([this] { quitRequested_ = true; });
}

void ScenarioRunner::fail(int line, const QString& expected, const QString& found)
{
    print(QStringLiteral("%1:%2: case %3: expected %4, found %5")
              .arg(file_)
              .arg(line)
              .arg(shown(caseName_), expected, found));
    caseFailed_ = true;
}

void ScenarioRunner::startCase(const QString& name, int line)
{
    caseLine_ = line;
    caseName_ = name;
    inCase_ = true;
    caseFailed_ = false;
    CalcWindow* main = freshMainWindow();
    messages_.clear();
    quitRequested_ = false;
    makeCurrent(main);
}

void ScenarioRunner::endCase()
{
    if (!inCase_)
        return;
    if (!caseFailed_ && !messages_.messages.empty()) {
        const RecordedMessage& m = messages_.messages.front();
        fail(caseLine_, QStringLiteral("no message left at the end of the case"),
             QStringLiteral("message %1 %2 %3").arg(shown(m.text), shown(m.title), iconName(m.icon)));
    }
    if (!caseFailed_ && messages_.unansweredQuestions > 0)
        fail(caseLine_, QStringLiteral("an answer for every question"), QStringLiteral("a question without answer"));
    if (caseFailed_)
        ++failed_;
    else
        ++passed_;
    inCase_ = false;
    WindowManager::instance().closeAll();
    settle();
}

void ScenarioRunner::makeCurrent(CalcWindow* window)
{
    current_ = window;
    if (window && window->isVisible()) {
        window->activateWindow();
        settle();
    }
}

void ScenarioRunner::runFile(const QString& path)
{
    file_ = path;
    RegionalSettings::use(RegionalSettings::italian());
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
        print(QStringLiteral("%1: cannot be read").arg(path));
        ++failed_;
        return;
    }
    QTextStream in(&f);
    in.setEncoding(QStringConverter::Utf8);
    int lineNumber = 0;
    bool skipping = false;
    while (!in.atEnd()) {
        const QString raw = in.readLine();
        ++lineNumber;
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const std::optional<QStringList> words = splitScenarioLine(line);
        if (!words) {
            if (inCase_ && !skipping)
                fail(lineNumber, QStringLiteral("a closed quote"), shown(line));
            skipping = true;
            continue;
        }
        const QString command = words->at(0);
        if (command == QLatin1String("case")) {
            endCase();
            skipping = false;
            startCase(words->size() > 1 ? unquoted(words->at(1)) : QString(), lineNumber);
            continue;
        }
        if (command == QLatin1String("locale")) {
            const QString which = words->size() > 1 ? words->at(1) : QString();
            if (which == QLatin1String("it"))
                RegionalSettings::use(RegionalSettings::italian());
            else if (which == QLatin1String("en"))
                RegionalSettings::use(RegionalSettings::english());
            else if (inCase_)
                fail(lineNumber, QStringLiteral("locale it or en"), shown(line));
            continue;
        }
        if (!inCase_) {
            print(QStringLiteral("%1:%2: a command before the first case: %3").arg(path).arg(lineNumber).arg(line));
            ++failed_;
            continue;
        }
        if (skipping)
            continue;
        std::optional<Failure> failure = execute(*words, lineNumber);
        settle();
        if (failure) {
            fail(lineNumber, failure->expected, failure->found);
            skipping = true;
        }
    }
    endCase();
}

std::optional<ScenarioRunner::Failure> ScenarioRunner::findControl(const QString& name, QObject** found)
{
    if (!current_)
        return Failure{QStringLiteral("a current window"), QStringLiteral("none (it was closed)")};
    if (current_->objectName() == name) {
        *found = current_;
        return std::nullopt;
    }
    QList<QObject*> all = current_->findChildren<QObject*>(name);
    all.erase(std::remove_if(all.begin(), all.end(),
                             [&](QObject* o) {
                                 // A window opened over this one is not one of its controls.
                                 auto* w = qobject_cast<QWidget*>(o);
                                 return w && w->window() != current_;
                             }),
              all.end());
    if (all.isEmpty())
        return Failure{QStringLiteral("a control %1 in %2").arg(name, current_->formName()), QStringLiteral("none")};
    *found = all.first();
    return std::nullopt;
}

std::optional<ScenarioRunner::Failure> ScenarioRunner::findWidget(const QString& name, QWidget** found)
{
    QObject* o = nullptr;
    if (auto f = findControl(name, &o))
        return f;
    *found = qobject_cast<QWidget*>(o);
    if (!*found)
        return Failure{QStringLiteral("%1 to be a control on the window").arg(name), QStringLiteral("something else")};
    return std::nullopt;
}

std::optional<ScenarioRunner::Failure> ScenarioRunner::notBlocked(QWidget* window)
{
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != window)
        return Failure{QStringLiteral("%1 usable").arg(window->objectName()),
                       QStringLiteral("it waits for the modal window %1").arg(modal->objectName())};
    return std::nullopt;
}

std::optional<ScenarioRunner::Failure> ScenarioRunner::usable(QWidget* control, const QString& name)
{
    if (!control->isVisibleTo(current_))
        return Failure{QStringLiteral("%1 visible").arg(name), QStringLiteral("hidden")};
    if (!control->isEnabled())
        return Failure{QStringLiteral("%1 enabled").arg(name), QStringLiteral("disabled")};
    return notBlocked(current_);
}

std::optional<ScenarioRunner::Failure> ScenarioRunner::execute(const QStringList& w, int)
{
    const QString& cmd = w.at(0);
    auto arg = [&](int i) { return i < w.size() ? unquoted(w.at(i)) : QString(); };
    auto need = [&](int n) -> std::optional<Failure> {
        if (w.size() < n + 1)
            return Failure{QStringLiteral("%1 word(s) after %2").arg(n).arg(cmd), QString::number(w.size() - 1)};
        return std::nullopt;
    };
    WindowManager& manager = WindowManager::instance();

    if (cmd == QLatin1String("menu")) {
        QStringList path;
        for (int i = 1; i < w.size(); ++i)
            if (w.at(i) != QLatin1String(">"))
                path << unquoted(w.at(i));
        CalcWindow* main = manager.mainWindow();
        if (!main || path.isEmpty())
            return Failure{QStringLiteral("a main window and a menu path"), QStringLiteral("none")};
        if (auto f = notBlocked(main))
            return f;
        QList<QAction*> actions = main->menuBar()->actions();
        QAction* chosen = nullptr;
        for (int level = 0; level < path.size(); ++level) {
            chosen = nullptr;
            for (QAction* a : actions)
                if (a->text() == path.at(level))
                    chosen = a;
            if (!chosen)
                return Failure{QStringLiteral("a menu entry %1").arg(shown(path.at(level))), QStringLiteral("none")};
            if (level + 1 < path.size()) {
                if (!chosen->menu())
                    return Failure{QStringLiteral("%1 to open a submenu").arg(shown(path.at(level))),
                                   QStringLiteral("an entry")};
                actions = chosen->menu()->actions();
            }
        }
        if (chosen->menu())
            return Failure{QStringLiteral("%1 to be an entry").arg(shown(path.last())), QStringLiteral("a submenu")};
        if (!chosen->isEnabled())
            return Failure{QStringLiteral("%1 enabled").arg(shown(path.last())), QStringLiteral("disabled")};
        chosen->trigger();
        settle();
        makeCurrent(manager.lastShown());
        return std::nullopt;
    }
    if (cmd == QLatin1String("open")) {
        if (auto f = need(1))
            return f;
        const QString form = arg(1);
        if (!WindowRegistry::contains(form))
            return Failure{QStringLiteral("a window %1").arg(form), QStringLiteral("no such window")};
        CalcWindow* window = manager.open(form, menuShowing(form).value_or(ShowAs::Modeless), manager.mainWindow());
        settle();
        makeCurrent(window);
        return std::nullopt;
    }
    if (cmd == QLatin1String("in")) {
        if (auto f = need(1))
            return f;
        CalcWindow* window = manager.find(arg(1));
        if (!window || !window->isVisible())
            return Failure{QStringLiteral("%1 open").arg(arg(1)), QStringLiteral("closed")};
        makeCurrent(window);
        return std::nullopt;
    }
    if (cmd == QLatin1String("answer")) {
        if (auto f = need(1))
            return f;
        if (arg(1) != QLatin1String("yes") && arg(1) != QLatin1String("no"))
            return Failure{QStringLiteral("yes or no"), shown(arg(1))};
        messages_.answers.push_back(arg(1) == QLatin1String("yes"));
        return std::nullopt;
    }
    if (cmd == QLatin1String("expect-message")) {
        if (auto f = need(3))
            return f;
        if (messages_.messages.empty())
            return Failure{QStringLiteral("message %1 %2 %3").arg(shown(arg(1)), shown(arg(2)), arg(3)),
                           QStringLiteral("no message")};
        const RecordedMessage m = messages_.messages.front();
        messages_.messages.pop_front();
        if (m.text != arg(1) || m.title != arg(2) || iconName(m.icon) != arg(3))
            return Failure{QStringLiteral("message %1 %2 %3").arg(shown(arg(1)), shown(arg(2)), arg(3)),
                           QStringLiteral("message %1 %2 %3").arg(shown(m.text), shown(m.title), iconName(m.icon))};
        return std::nullopt;
    }
    if (cmd == QLatin1String("expect-no-message")) {
        if (!messages_.messages.empty()) {
            const RecordedMessage& m = messages_.messages.front();
            return Failure{QStringLiteral("no message"),
                           QStringLiteral("message %1 %2 %3").arg(shown(m.text), shown(m.title), iconName(m.icon))};
        }
        return std::nullopt;
    }
    if (cmd == QLatin1String("expect-open") || cmd == QLatin1String("expect-closed")) {
        if (auto f = need(1))
            return f;
        CalcWindow* window = manager.find(arg(1));
        const bool open = window && window->isVisible();
        const bool wanted = cmd == QLatin1String("expect-open");
        if (open != wanted)
            return Failure{QStringLiteral("%1 %2").arg(arg(1), wanted ? QStringLiteral("open") : QStringLiteral("closed")),
                           open ? QStringLiteral("open") : QStringLiteral("closed")};
        return std::nullopt;
    }
    if (cmd == QLatin1String("expect-title")) {
        if (auto f = need(2))
            return f;
        CalcWindow* window = manager.find(arg(1));
        if (!window)
            return Failure{QStringLiteral("%1 open").arg(arg(1)), QStringLiteral("closed")};
        if (window->windowTitle() != arg(2))
            return Failure{shown(arg(2)), shown(window->windowTitle())};
        return std::nullopt;
    }
    if (cmd == QLatin1String("expect-quit")) {
        const int open = int(manager.openWindows().size());
        if (!quitRequested_ || open > 0)
            return Failure{QStringLiteral("the program ended with every window closed"),
                           QStringLiteral("%1, %2 window(s) open")
                               .arg(quitRequested_ ? QStringLiteral("ended") : QStringLiteral("still running"))
                               .arg(open)};
        return std::nullopt;
    }
    if (cmd == QLatin1String("expect-position")) {
        if (auto f = need(3))
            return f;
        const std::optional<int> left = numberWord(arg(2));
        const std::optional<int> top = numberWord(arg(3));
        if (!left || !top)
            return Failure{QStringLiteral("LEFT and TOP in twips"), shown(arg(2) + QLatin1Char(' ') + arg(3))};
        QPoint at;
        if (CalcWindow* window = manager.find(arg(1)); window && window->isVisible()) {
            at = QPoint(window->leftTwips(), window->topTwips());
        } else {
            QWidget* control = nullptr;
            if (auto f = findWidget(arg(1), &control))
                return f;
            const QPoint inClient = control->mapTo(current_->client(), QPoint(0, 0));
            at = QPoint(twips(inClient.x()), twips(inClient.y()));
        }
        if (std::abs(at.x() - *left) > twipsPerPixel || std::abs(at.y() - *top) > twipsPerPixel)
            return Failure{QStringLiteral("%1 at %2 %3").arg(arg(1)).arg(*left).arg(*top),
                           QStringLiteral("%1 %2").arg(at.x()).arg(at.y())};
        return std::nullopt;
    }

    // The commands below act on a control of the current window.
    if (cmd == QLatin1String("snapshot")) {
        if (auto f = need(1))
            return f;
        if (!current_)
            return Failure{QStringLiteral("a current window"), QStringLiteral("none")};
        const QFileInfo target(arg(1));
        QDir().mkpath(target.absolutePath());
        if (!current_->grab().save(target.absoluteFilePath()))
            return Failure{QStringLiteral("a picture saved as %1").arg(arg(1)), QStringLiteral("it could not be written")};
        return std::nullopt;
    }
    if (auto f = need(1))
        return f;
    const QString name = arg(1);
    QObject* object = nullptr;
    if (auto f = findControl(name, &object))
        return f;
    auto* widget = qobject_cast<QWidget*>(object);

    if (cmd == QLatin1String("type")) {
        if (auto f = need(2))
            return f;
        QLineEdit* edit = qobject_cast<QLineEdit*>(object);
        if (auto* combo = qobject_cast<QComboBox*>(object))
            edit = combo->lineEdit();
        if (!edit)
            return Failure{QStringLiteral("%1 to be a text field").arg(name), QStringLiteral("another control")};
        if (auto f = usable(widget, name))
            return f;
        HandlerContext::run([&] { current_->focusTo(widget); });
        typeText(edit, arg(2));
        return std::nullopt;
    }
    if (cmd == QLatin1String("set")) {
        if (auto f = need(2))
            return f;
        const QString text = arg(2);
        if (auto* box = dynamic_cast<TextBox*>(object)) {
            HandlerContext::run([box, text] { box->setText(text); });
            return std::nullopt;
        }
        if (auto* combo = dynamic_cast<Combo*>(object)) {
            HandlerContext::run([combo, text] { combo->setText(text); });
            return std::nullopt;
        }
        return Failure{QStringLiteral("%1 to be a text field").arg(name), QStringLiteral("another control")};
    }
    if (cmd == QLatin1String("click")) {
        if (!widget)
            return Failure{QStringLiteral("%1 to be a control").arg(name), QStringLiteral("something else")};
        if (auto f = usable(widget, name))
            return f;
        if (auto* option = dynamic_cast<OptionButton*>(object)) {
            HandlerContext::run([&] { current_->focusTo(option); });
            if (!option->isChecked())
                option->click();
            return std::nullopt;
        }
        if (auto* button = qobject_cast<QAbstractButton*>(object)) {
            if (button->focusPolicy() & Qt::ClickFocus)
                HandlerContext::run([&] { current_->focusTo(button); });
            QPointer<QAbstractButton> alive(button);
            if (alive)
                alive->click();
            return std::nullopt;
        }
        if (auto* label = dynamic_cast<Label*>(object)) {
            label->click();
            return std::nullopt;
        }
        if (auto* picture = dynamic_cast<Picture*>(object)) {
            picture->click();
            return std::nullopt;
        }
        return Failure{QStringLiteral("%1 to be a button, an option, a label or a picture").arg(name),
                       QStringLiteral("another control")};
    }
    if (cmd == QLatin1String("choose")) {
        if (auto f = need(2))
            return f;
        if (auto f = usable(widget, name))
            return f;
        QStringList items;
        if (auto* combo = qobject_cast<QComboBox*>(object))
            for (int i = 0; i < combo->count(); ++i)
                items << combo->itemText(i);
        else if (auto* list = qobject_cast<QListWidget*>(object))
            for (int i = 0; i < list->count(); ++i)
                items << list->item(i)->text();
        else
            return Failure{QStringLiteral("%1 to be a combo or a list").arg(name), QStringLiteral("another control")};
        int index = -1;
        if (!isQuoted(w.at(2)) && w.at(2).startsWith(QLatin1Char('#'))) {
            index = numberWord(w.at(2)).value_or(-1);
            if (index < 0 || index >= items.size())
                return Failure{QStringLiteral("an item %1").arg(w.at(2)), QStringLiteral("%1 items").arg(items.size())};
        } else {
            index = int(items.indexOf(arg(2)));
            if (index < 0)
                return Failure{QStringLiteral("an item %1 in %2").arg(shown(arg(2)), name), QStringLiteral("none")};
        }
        HandlerContext::run([&] { current_->focusTo(widget); });
        if (auto* combo = qobject_cast<QComboBox*>(object)) {
            combo->setCurrentIndex(index);
            emit combo->activated(index);
        } else if (auto* list = qobject_cast<QListWidget*>(object)) {
            list->setCurrentRow(index);
        }
        return std::nullopt;
    }
    if (cmd == QLatin1String("focus")) {
        if (!widget)
            return Failure{QStringLiteral("%1 to be a control").arg(name), QStringLiteral("something else")};
        if (auto f = usable(widget, name))
            return f;
        HandlerContext::run([&] { current_->focusTo(widget); });
        return std::nullopt;
    }
    if (cmd == QLatin1String("key")) {
        if (auto f = need(2))
            return f;
        if (!widget)
            return Failure{QStringLiteral("%1 to be a control").arg(name), QStringLiteral("something else")};
        if (auto f = usable(widget, name))
            return f;
        QString text;
        const int key = keyOf(arg(2), &text);
        if (key == 0)
            return Failure{QStringLiteral("a key name"), shown(arg(2))};
        HandlerContext::run([&] { current_->focusTo(widget); });
        QWidget* target = widget;
        if (auto* combo = qobject_cast<QComboBox*>(widget); combo && combo->lineEdit() && key > 0 && key < 128)
            target = combo->lineEdit();
        sendKey(target, key, text);
        return std::nullopt;
    }
    if (cmd == QLatin1String("tick")) {
        auto* t = dynamic_cast<Timer*>(object);
        if (!t)
            return Failure{QStringLiteral("%1 to be a timer").arg(name), QStringLiteral("another control")};
        const int times = w.size() > 2 ? numberWord(arg(2)).value_or(1) : 1;
        for (int i = 0; i < times; ++i)
            t->fire();
        return std::nullopt;
    }
    if (cmd == QLatin1String("expect")) {
        if (auto f = need(2))
            return f;
        const QString caption = captionOf(object);
        if (caption != arg(2))
            return Failure{QStringLiteral("%1 to read %2").arg(name, shown(arg(2))), shown(caption)};
        return std::nullopt;
    }
    if (cmd == QLatin1String("expect-visible") || cmd == QLatin1String("expect-hidden")) {
        const bool wanted = cmd == QLatin1String("expect-visible");
        if (isShown(object, current_) != wanted)
            return Failure{QStringLiteral("%1 %2").arg(name, wanted ? QStringLiteral("visible") : QStringLiteral("hidden")),
                           wanted ? QStringLiteral("hidden") : QStringLiteral("visible")};
        return std::nullopt;
    }
    if (cmd == QLatin1String("expect-enabled") || cmd == QLatin1String("expect-disabled")) {
        const bool wanted = cmd == QLatin1String("expect-enabled");
        if (isEnabledControl(object) != wanted)
            return Failure{QStringLiteral("%1 %2").arg(name, wanted ? QStringLiteral("enabled") : QStringLiteral("disabled")),
                           wanted ? QStringLiteral("disabled") : QStringLiteral("enabled")};
        return std::nullopt;
    }
    if (cmd == QLatin1String("expect-focus")) {
        QWidget* focus = current_->focusWidget();
        const bool holds = focus && widget && (focus == widget || widget->isAncestorOf(focus) || focus->focusProxy() == widget);
        if (!holds)
            return Failure{QStringLiteral("the focus in %1").arg(name),
                           focus ? QStringLiteral("in %1").arg(focus->objectName()) : QStringLiteral("nowhere")};
        return std::nullopt;
    }
    if (cmd == QLatin1String("expect-checked") || cmd == QLatin1String("expect-unchecked")) {
        auto* button = qobject_cast<QAbstractButton*>(object);
        if (!button)
            return Failure{QStringLiteral("%1 to be an option button").arg(name), QStringLiteral("another control")};
        const bool wanted = cmd == QLatin1String("expect-checked");
        if (button->isChecked() != wanted)
            return Failure{QStringLiteral("%1 %2").arg(name, wanted ? QStringLiteral("checked") : QStringLiteral("unchecked")),
                           wanted ? QStringLiteral("unchecked") : QStringLiteral("checked")};
        return std::nullopt;
    }
    if (cmd == QLatin1String("expect-color")) {
        if (auto f = need(2))
            return f;
        if (!widget)
            return Failure{QStringLiteral("%1 to be a control").arg(name), QStringLiteral("something else")};
        const QString colour = foreColor(widget).name(QColor::HexRgb);
        if (colour.compare(arg(2), Qt::CaseInsensitive) != 0)
            return Failure{QStringLiteral("%1 in %2").arg(name, arg(2)), colour.toUpper()};
        return std::nullopt;
    }
    if (cmd == QLatin1String("expect-items") || cmd == QLatin1String("expect-item")) {
        QStringList items;
        if (auto* combo = qobject_cast<QComboBox*>(object))
            for (int i = 0; i < combo->count(); ++i)
                items << combo->itemText(i);
        else if (auto* list = qobject_cast<QListWidget*>(object))
            for (int i = 0; i < list->count(); ++i)
                items << list->item(i)->text();
        else
            return Failure{QStringLiteral("%1 to be a combo or a list").arg(name), QStringLiteral("another control")};
        if (auto f = need(2))
            return f;
        const std::optional<int> n = numberWord(arg(2));
        if (!n)
            return Failure{QStringLiteral("a number"), shown(arg(2))};
        if (cmd == QLatin1String("expect-items")) {
            if (items.size() != *n)
                return Failure{QStringLiteral("%1 items in %2").arg(*n).arg(name), QString::number(items.size())};
            return std::nullopt;
        }
        if (auto f = need(3))
            return f;
        if (*n < 0 || *n >= items.size())
            return Failure{QStringLiteral("an item %1 in %2").arg(*n).arg(name), QStringLiteral("%1 items").arg(items.size())};
        if (items.at(*n) != arg(3))
            return Failure{QStringLiteral("item %1 to read %2").arg(*n).arg(shown(arg(3))), shown(items.at(*n))};
        return std::nullopt;
    }
    if (cmd == QLatin1String("expect-tooltip")) {
        if (auto f = need(2))
            return f;
        if (tooltipOf(object) != arg(2))
            return Failure{QStringLiteral("the tooltip %1").arg(shown(arg(2))), shown(tooltipOf(object))};
        return std::nullopt;
    }
    return Failure{QStringLiteral("a command"), shown(cmd)};
}
