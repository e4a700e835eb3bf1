#pragma once
// The base of every window of the program.
//
// A window declares its controls as members, in tab order, with the factories below:
//
//     Label* lblformule = label("lblformule", "", {360, 840, 5400, 255});
//     TextBox* txtinput1 = textBox("txtinput1", {2400, 1300, 1500, 315});
//     Button* cmdcalcola = button("cmdcalcola", "CALCOLA", {360, 3600, 1500, 420});
//
// connects its handlers in the constructor (onClick, onChange), and writes each handler as the
// plain steps of its calculation. Arithmetic faults, message boxes, focus and the opening of other
// windows are the base's business.

#include "controls.h"
#include "messages.h"

#include <QMainWindow>

#include <initializer_list>
#include <memory>
#include <optional>
#include <vector>

enum class ShowAs { Modal, Modeless };

class CalcWindow : public QMainWindow {
    Q_OBJECT

public:
    CalcWindow(const QString& formName, const QString& title);

    const QString& formName() const { return formName_; }

    // The load of the window: runs once each time the window is created, before it is shown.
    virtual void load() {}

    // Size and place of the whole window in twips, title bar and border included, as the window
    // sizes of the calculators are given.
    void setSizeTwips(int width, int height);
    void moveTwips(int left, int top);
    // A control inside its container, in twips.
    static void moveTwips(QWidget* control, int left, int top) { ::moveTwips(control, left, top); }
    void setGeometryTwips(int left, int top, int width, int height);
    int widthTwips() const;
    int heightTwips() const;
    int leftTwips() const;
    int topTwips() const;
    // A window that grows while in use, to uncover a section below its bottom edge, declares the
    // largest size it takes (frame included, as above); the layout check measures that section
    // against it.
    void setLargestSizeTwips(int width, int height);
    // The client area at that size, in pixels; the present client area when none was declared.
    QSize largestClientSize() const;

    // The area the controls stand in.
    QWidget* client() const { return client_; }
    // A picture filling the client area behind the controls.
    void setBackground(const QString& resource);

    bool isModal() const { return windowModality() != Qt::NonModal; }

    // The first control of the tab order takes the focus; an option button of a group with no
    // choice yet becomes selected and runs its Click.
    void focusFirstControl();

    // Moves the focus to a control, as after a message; a hidden or disabled control is a fault.
    void focusTo(QWidget* control);
    // A warning message, then the focus to the named field (none if null).
    void warn(const QString& text, QWidget* focus, const QString& title = errorTitle);

    // Opens another window from this one: this window may move first, the other is placed and
    // shown. A modal window opens others only modal.
    struct Placement {
        int left = 0;
        int top = 0;
    };
    struct OpenSteps {
        std::optional<Placement> moveThisTo;
        std::optional<Placement> placeAt;
        ShowAs show = ShowAs::Modeless;
    };
    CalcWindow* openWindow(const QString& form, const OpenSteps& steps);
    // The window that joins the program's calculators to the coil calculator: moves this window to
    // Left 180, Top 180 and opens frmbobine at Left 4100, Top 2800.
    CalcWindow* openCoilCalculator(Placement self = {180, 180}, Placement coil = {4100, 2800});

protected:
    // Control factories. The parent is the client area unless a frame or picture is given.
    Label* label(const QString& name, const QString& caption, Twips at, QWidget* parent = nullptr);
    Label* label(ControlArray<Label>& array, int index, const QString& caption, Twips at, QWidget* parent = nullptr);
    // A label that shows a result: sunken, on a white ground.
    Label* resultLabel(const QString& name, Twips at, QWidget* parent = nullptr);
    static void showAsResult(Label* label);
    TextBox* textBox(const QString& name, Twips at, QWidget* parent = nullptr, const QString& text = QString());
    TextBox* textBox(ControlArray<TextBox>& array, int index, Twips at, QWidget* parent = nullptr);
    Button* button(const QString& name, const QString& caption, Twips at, QWidget* parent = nullptr);
    Button* closeButton(const QString& name, const QString& caption, Twips at, QWidget* parent = nullptr);
    Button* printButton(const QString& name, const QString& caption, Twips at, QWidget* parent = nullptr);
    Frame* frame(const QString& name, const QString& caption, Twips at, QWidget* parent = nullptr);
    OptionButton* option(OptionGroup& group, int index, const QString& caption, Twips at, QWidget* parent = nullptr);
    // A whole control array in one declaration, owned by the window:
    //     OptionGroup& Option1 = options("Option1", {{0, "VOLT  e  AMPERE", {120, 300, 2700, 390}}, ...}, Frame1);
    struct Item {
        int index;
        QString caption;
        Twips at;
    };
    OptionGroup& options(const QString& name, std::initializer_list<Item> items, QWidget* parent = nullptr);
    ControlArray<Label>& labels(const QString& name, std::initializer_list<Item> items, QWidget* parent = nullptr);
    ControlArray<TextBox>& textBoxes(const QString& name, std::initializer_list<Item> items, QWidget* parent = nullptr);
    Combo* combo(const QString& name, Twips at, QWidget* parent = nullptr, bool editable = false);
    ListBox* listBox(const QString& name, Twips at, QWidget* parent = nullptr);
    Picture* picture(const QString& name, const QString& resource, Twips at, QWidget* parent = nullptr);
    Drawing* drawing(const QString& name, Twips at, Drawing::Painter paint, QWidget* parent = nullptr);
    Timer* timer(const QString& name);

    void closeEvent(QCloseEvent* e) override;

private:
    template <typename Control> Control* place(Control* c, const QString& name, Twips at);
    QWidget* parentOr(QWidget* parent) const { return parent ? parent : client_; }

    QString formName_;
    QWidget* client_;
    QSize largestSize_; // invalid until declared
    std::vector<std::unique_ptr<OptionGroup>> optionGroups_;
    std::vector<std::unique_ptr<ControlArray<Label>>> labelArrays_;
    std::vector<std::unique_ptr<ControlArray<TextBox>>> textBoxArrays_;
};
