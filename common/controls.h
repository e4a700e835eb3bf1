#pragma once
// The controls a calculator window is made of. Each one carries its name as Qt objectName
// ("txtinduttanza", "Option1(2)") so that tests find it, and runs its handlers through
// HandlerContext, so that an arithmetic fault becomes a message and never ends the program.
//
// Each class carries Q_OBJECT so that qobject_cast and findChildren tell them apart.
//
// Positions and sizes are in twips, 15 to a pixel at 96 dots per inch; at other resolutions Qt's
// scaling keeps the proportions.

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>

class QPainter;

// ---------------------------------------------------------------------------------------------
// Twips

constexpr int twipsPerPixel = 15;

struct Twips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

int pixels(int twips);
int twips(int pixels);
void placeTwips(QWidget* w, Twips at);
void moveTwips(QWidget* w, int left, int top);     // a control inside its container
QPoint positionTwips(const QWidget* w);             // likewise, read back

// Text colour, as the user sees it, and background colour.
void setForeColor(QWidget* w, const QColor& color);
QColor foreColor(const QWidget* w);
void setBackColor(QWidget* w, const QColor& color);
QColor systemButtonTextColor();
// Font size in points, boldness and, where given, the family.
void setFontStyle(QWidget* w, double pointSize, bool bold = false, const QString& family = QString());

// ---------------------------------------------------------------------------------------------
// Text field

class TextBox : public QLineEdit {
    Q_OBJECT

public:
    explicit TextBox(QWidget* parent);
    // Sets the text; the Change handler runs at once when the text differs from what it held.
    void setText(const QString& text);
    void clear() { setText(QString()); }
    void onChange(std::function<void()> handler) { change_ = std::move(handler); }

private:
    void textTyped();
    std::function<void()> change_;
    QString last_;
};

// ---------------------------------------------------------------------------------------------
// Label: plain text, word-wrapped inside its box as labels of the time were; may react to clicks.

class Label : public QLabel {
    Q_OBJECT

public:
    explicit Label(QWidget* parent);
    void onClick(std::function<void()> handler) { click_ = std::move(handler); }
    void click();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    std::function<void()> click_;
};

// ---------------------------------------------------------------------------------------------
// Push button. A close or print button says so, so that automatic tests leave it alone.

class Button : public QPushButton {
    Q_OBJECT

public:
    enum class Role { Action, Close, Print };
    explicit Button(QWidget* parent, Role role = Role::Action);
    void onClick(std::function<void()> handler) { click_ = std::move(handler); }
    Role role() const { return role_; }

private:
    std::function<void()> click_;
    Role role_;
};

// ---------------------------------------------------------------------------------------------
// Control arrays: "lblinput(4)", "Option1(2)".

template <typename Control> class ControlArray {
public:
    explicit ControlArray(QString name) : name_(std::move(name)) {}
    ControlArray(const ControlArray&) = delete;
    ControlArray& operator=(const ControlArray&) = delete;

    Control* operator()(int index) const
    {
        const auto it = items_.find(index);
        Q_ASSERT_X(it != items_.end(), "ControlArray", "no control with this index");
        return it->second;
    }
    bool has(int index) const { return items_.count(index) > 0; }
    const QString& name() const { return name_; }
    QString nameOf(int index) const { return QStringLiteral("%1(%2)").arg(name_).arg(index); }
    void add(int index, Control* control) { items_[index] = control; }
    const std::map<int, Control*>& items() const { return items_; }

private:
    QString name_;
    std::map<int, Control*> items_;
};

// ---------------------------------------------------------------------------------------------
// Option buttons. Exactly one of a group is selected, or none before the first choice. Click runs
// when an option becomes selected, by the mouse, the cursor keys, or by receiving the focus while
// it is not selected; it reports the index.

class OptionGroup;

class OptionButton : public QRadioButton {
    Q_OBJECT

public:
    OptionButton(QWidget* parent, int index, std::shared_ptr<std::function<void(int)>> click);
    int index() const { return index_; }
    // Selects the option as a handler does; Click runs when it was not selected.
    void select();
    // Leaves the whole group with no option selected (no Click runs).
    void deselect();

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;
    bool hitButton(const QPoint& pos) const override;
    void focusInEvent(QFocusEvent* e) override;

private:
    void becameChecked(bool checked);
    int index_;
    bool quiet_ = false;
    std::shared_ptr<std::function<void(int)>> click_;
};

class OptionGroup : public ControlArray<OptionButton> {
public:
    explicit OptionGroup(QString name);
    void onClick(std::function<void(int)> handler) { *click_ = std::move(handler); }
    int selected() const; // the index of the selected option, -1 before any choice
    std::shared_ptr<std::function<void(int)>> clickHandler() const { return click_; }

private:
    std::shared_ptr<std::function<void(int)>> click_;
};

// ---------------------------------------------------------------------------------------------
// Frame: a titled box that groups controls; its children are placed relative to it.

class Frame : public QGroupBox {
    Q_OBJECT

public:
    explicit Frame(QWidget* parent) : QGroupBox(parent) {}
};

// ---------------------------------------------------------------------------------------------
// Combo box. Click runs when the user chooses an item (mouse or cursor keys) or a handler selects
// one; Change runs when the user types into an editable combo.

class Combo : public QComboBox {
    Q_OBJECT

public:
    Combo(QWidget* parent, bool editable);
    void onClick(std::function<void()> handler) { click_ = std::move(handler); }
    void onChange(std::function<void()> handler) { change_ = std::move(handler); }
    // Selects an item as a handler does; Click runs when the selection changes.
    void select(int index);
    // The text of the combo: the edit text of an editable one, else the chosen item.
    QString text() const { return currentText(); }
    // Sets the edit text of an editable combo; Change runs when it differs.
    void setText(const QString& text);

private:
    std::function<void()> click_;
    std::function<void()> change_;
    QString lastEdit_;
};

// ---------------------------------------------------------------------------------------------
// List box: Click runs when the selected row changes, by the user or by select().

class ListBox : public QListWidget {
    Q_OBJECT

public:
    explicit ListBox(QWidget* parent);
    void onClick(std::function<void()> handler) { click_ = std::move(handler); }
    void select(int row);

private:
    std::function<void()> click_;
    bool quiet_ = false;
};

// ---------------------------------------------------------------------------------------------
// Picture: an image from the resources (SVG drawn sharp at any scale), optionally clickable.

class Picture : public QWidget {
    Q_OBJECT

public:
    Picture(QWidget* parent, const QString& resource);
    void setResource(const QString& resource);
    const QString& resource() const { return resource_; }
    void onClick(std::function<void()> handler) { click_ = std::move(handler); }
    void click();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    QString resource_;
    std::function<void()> click_;
};

// Drawing: a diagram painted in code, in twips relative to its own top-left corner.
class Drawing : public QWidget {
    Q_OBJECT

public:
    using Painter = std::function<void(QPainter&)>;
    Drawing(QWidget* parent, Painter paint);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    Painter paint_;
};

// ---------------------------------------------------------------------------------------------
// Timer: runs while its interval is above zero and it is enabled. Under test it runs only when a
// test fires it, so that no result depends on the clock.

class Timer : public QObject {
    Q_OBJECT

public:
    explicit Timer(QObject* parent);
    void setInterval(int milliseconds);
    int interval() const { return interval_; }
    void setEnabled(bool enabled);
    bool isEnabled() const { return enabled_; }
    bool isRunning() const { return enabled_ && interval_ > 0; }
    void onTick(std::function<void()> handler) { tick_ = std::move(handler); }
    // One tick, as the clock would give it; nothing happens while the timer is stopped.
    void fire();

    static void useRealTime(bool real); // false in tests
    static bool realTime();

private:
    void update();
    QTimer timer_;
    int interval_ = 0;
    bool enabled_ = true;
    std::function<void()> tick_;
};
