#include "calcwindow.h"

#include "handlers.h"
#include "windowmanager.h"

#include <QCloseEvent>
#include <QPainter>
#include <QSvgRenderer>

namespace {
// The toolkit the sizes were drawn for counted the title bar and the border in a window's size
// (and the menu bar, which Qt counts in the window too).
constexpr int frameWidthPixels = 8;
constexpr int frameHeightPixels = 30;

// The client area, with an optional picture behind the controls.
class ClientArea : public QWidget {
public:
    explicit ClientArea(QWidget* parent) : QWidget(parent) { setObjectName(QStringLiteral("client")); }
    void setBackground(const QString& resource)
    {
        background_ = resource;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (background_.isEmpty())
            return;
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        if (background_.endsWith(QLatin1String(".svg"))) {
            QSvgRenderer svg(background_);
            svg.render(&p, rect());
        } else {
            p.drawPixmap(rect(), QPixmap(background_));
        }
    }

private:
    QString background_;
};
} // namespace

CalcWindow::CalcWindow(const QString& formName, const QString& title) : formName_(formName)
{
    setObjectName(formName);
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose);
    client_ = new ClientArea(this);
    setCentralWidget(client_);
}

// ---------------------------------------------------------------------------------------------
// Size and place

void CalcWindow::setSizeTwips(int width, int height)
{
    setFixedSize(pixels(width) - frameWidthPixels, pixels(height) - frameHeightPixels);
}

void CalcWindow::moveTwips(int left, int top) { move(pixels(left), pixels(top)); }

void CalcWindow::setGeometryTwips(int left, int top, int width, int height)
{
    setSizeTwips(width, height);
    moveTwips(left, top);
}

int CalcWindow::widthTwips() const { return twips(width() + frameWidthPixels); }
int CalcWindow::heightTwips() const { return twips(height() + frameHeightPixels); }
int CalcWindow::leftTwips() const { return twips(x()); }
int CalcWindow::topTwips() const { return twips(y()); }

void CalcWindow::setLargestSizeTwips(int width, int height)
{
    largestSize_ = QSize(pixels(width) - frameWidthPixels, pixels(height) - frameHeightPixels);
}

QSize CalcWindow::largestClientSize() const
{
    if (!largestSize_.isValid())
        return client_->size();
    // Whatever the window holds besides the client area keeps its size as the window grows.
    return largestSize_ - (size() - client_->size());
}

void CalcWindow::setBackground(const QString& resource) { static_cast<ClientArea*>(client_)->setBackground(resource); }

// ---------------------------------------------------------------------------------------------
// Focus and messages

void CalcWindow::focusFirstControl()
{
    for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
        if (!(w->focusPolicy() & Qt::TabFocus) || !w->isEnabled() || !w->isVisibleTo(this) || w->window() != this)
            continue;
        if (auto* option = dynamic_cast<OptionButton*>(w)) {
            // Tab reaches the selected option of a group; with none selected, its first member, which
            // the focus then selects.
            HandlerContext::nested([option] { option->setFocus(Qt::TabFocusReason); });
            option->select();
            return;
        }
        HandlerContext::nested([w] { w->setFocus(Qt::TabFocusReason); });
        return;
    }
}

void CalcWindow::focusTo(QWidget* control)
{
    if (!control)
        return;
    if (!control->isEnabled() || !control->isVisibleTo(this))
        raiseFault(FaultKind::Focus);
    HandlerContext::nested([control] { control->setFocus(Qt::OtherFocusReason); });
}

void CalcWindow::warn(const QString& text, QWidget* focus, const QString& title)
{
    showMessage(text, title, MessageIcon::Warning);
    focusTo(focus);
}

// ---------------------------------------------------------------------------------------------
// Other windows

CalcWindow* CalcWindow::openWindow(const QString& form, const OpenSteps& steps)
{
    WindowManager& manager = WindowManager::instance();
    if (steps.moveThisTo)
        moveTwips(steps.moveThisTo->left, steps.moveThisTo->top);
    CalcWindow* other = manager.prepare(form);
    if (!other)
        return nullptr;
    if (steps.placeAt)
        other->moveTwips(steps.placeAt->left, steps.placeAt->top);
    const ShowAs how = isModal() ? ShowAs::Modal : steps.show;
    HandlerContext::nested([&] { manager.show(other, how, this); });
    return other;
}

CalcWindow* CalcWindow::openCoilCalculator(Placement self, Placement coil)
{
    return openWindow(QStringLiteral("frmbobine"), {self, coil, ShowAs::Modeless});
}

void CalcWindow::closeEvent(QCloseEvent* e)
{
    WindowManager::instance().forget(this);
    QMainWindow::closeEvent(e);
}

// ---------------------------------------------------------------------------------------------
// Control factories

template <typename Control> Control* CalcWindow::place(Control* c, const QString& name, Twips at)
{
    c->setObjectName(name);
    placeTwips(c, at);
    c->show();
    return c;
}

Label* CalcWindow::label(const QString& name, const QString& caption, Twips at, QWidget* parent)
{
    auto* l = place(new Label(parentOr(parent)), name, at);
    l->setText(caption);
    return l;
}

Label* CalcWindow::label(ControlArray<Label>& array, int index, const QString& caption, Twips at, QWidget* parent)
{
    Label* l = label(array.nameOf(index), caption, at, parent);
    array.add(index, l);
    return l;
}

Label* CalcWindow::resultLabel(const QString& name, Twips at, QWidget* parent)
{
    Label* l = label(name, QString(), at, parent);
    showAsResult(l);
    return l;
}

void CalcWindow::showAsResult(Label* l)
{
    // A thin sunken edge all round, drawn by the style as it draws a text field.
    l->setFrameShape(QFrame::StyledPanel);
    l->setFrameShadow(QFrame::Sunken);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    l->setIndent(4);
    l->setWordWrap(false);
    setBackColor(l, Qt::white);
}

TextBox* CalcWindow::textBox(const QString& name, Twips at, QWidget* parent, const QString& text)
{
    auto* t = place(new TextBox(parentOr(parent)), name, at);
    t->setText(text);
    return t;
}

TextBox* CalcWindow::textBox(ControlArray<TextBox>& array, int index, Twips at, QWidget* parent)
{
    TextBox* t = textBox(array.nameOf(index), at, parent);
    array.add(index, t);
    return t;
}

Button* CalcWindow::button(const QString& name, const QString& caption, Twips at, QWidget* parent)
{
    auto* b = place(new Button(parentOr(parent)), name, at);
    b->setText(caption);
    return b;
}

Button* CalcWindow::closeButton(const QString& name, const QString& caption, Twips at, QWidget* parent)
{
    auto* b = place(new Button(parentOr(parent), Button::Role::Close), name, at);
    b->setText(caption);
    b->onClick([this] { close(); });
    return b;
}

Button* CalcWindow::printButton(const QString& name, const QString& caption, Twips at, QWidget* parent)
{
    auto* b = place(new Button(parentOr(parent), Button::Role::Print), name, at);
    b->setText(caption);
    return b;
}

Frame* CalcWindow::frame(const QString& name, const QString& caption, Twips at, QWidget* parent)
{
    auto* f = place(new Frame(parentOr(parent)), name, at);
    f->setTitle(caption);
    return f;
}

OptionButton* CalcWindow::option(OptionGroup& group, int index, const QString& caption, Twips at, QWidget* parent)
{
    auto* o = place(new OptionButton(parentOr(parent), index, group.clickHandler()), group.nameOf(index), at);
    o->setText(caption);
    group.add(index, o);
    return o;
}

OptionGroup& CalcWindow::options(const QString& name, std::initializer_list<Item> items, QWidget* parent)
{
    optionGroups_.push_back(std::make_unique<OptionGroup>(name));
    OptionGroup& group = *optionGroups_.back();
    for (const Item& item : items)
        option(group, item.index, item.caption, item.at, parent);
    return group;
}

ControlArray<Label>& CalcWindow::labels(const QString& name, std::initializer_list<Item> items, QWidget* parent)
{
    labelArrays_.push_back(std::make_unique<ControlArray<Label>>(name));
    ControlArray<Label>& array = *labelArrays_.back();
    for (const Item& item : items)
        label(array, item.index, item.caption, item.at, parent);
    return array;
}

ControlArray<TextBox>& CalcWindow::textBoxes(const QString& name, std::initializer_list<Item> items, QWidget* parent)
{
    textBoxArrays_.push_back(std::make_unique<ControlArray<TextBox>>(name));
    ControlArray<TextBox>& array = *textBoxArrays_.back();
    for (const Item& item : items) {
        textBox(array, item.index, item.at, parent);
        array(item.index)->setText(item.caption);
    }
    return array;
}

Combo* CalcWindow::combo(const QString& name, Twips at, QWidget* parent, bool editable)
{
    return place(new Combo(parentOr(parent), editable), name, at);
}

ListBox* CalcWindow::listBox(const QString& name, Twips at, QWidget* parent)
{
    return place(new ListBox(parentOr(parent)), name, at);
}

Picture* CalcWindow::picture(const QString& name, const QString& resource, Twips at, QWidget* parent)
{
    return place(new Picture(parentOr(parent), resource), name, at);
}

Drawing* CalcWindow::drawing(const QString& name, Twips at, Drawing::Painter paint, QWidget* parent)
{
    return place(new Drawing(parentOr(parent), std::move(paint)), name, at);
}

Timer* CalcWindow::timer(const QString& name)
{
    auto* t = new Timer(this);
    t->setObjectName(name);
    return t;
}
