#include "controls.h"

#include "handlers.h"

#include <QApplication>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QSvgRenderer>

#include <cmath>

// ---------------------------------------------------------------------------------------------
// Twips

int pixels(int twips) { return int(std::lround(double(twips) / twipsPerPixel)); }
int twips(int pixels) { return pixels * twipsPerPixel; }

void placeTwips(QWidget* w, Twips at) { w->setGeometry(pixels(at.left), pixels(at.top), pixels(at.width), pixels(at.height)); }
void moveTwips(QWidget* w, int left, int top) { w->move(pixels(left), pixels(top)); }
QPoint positionTwips(const QWidget* w) { return QPoint(twips(w->x()), twips(w->y())); }

void setForeColor(QWidget* w, const QColor& color)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, color);
    p.setColor(QPalette::ButtonText, color);
    p.setColor(QPalette::Text, color);
    w->setPalette(p);
}

QColor foreColor(const QWidget* w) { return w->palette().color(w->foregroundRole()); }

void setBackColor(QWidget* w, const QColor& color)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, color);
    p.setColor(QPalette::Base, color);
    p.setColor(QPalette::Button, color);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

QColor systemButtonTextColor() { return QApplication::palette().color(QPalette::ButtonText); }

void setFontStyle(QWidget* w, double pointSize, bool bold, const QString& family)
{
    QFont f = w->font();
    if (!family.isEmpty())
        f.setFamily(family);
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    w->setFont(f);
}

// ---------------------------------------------------------------------------------------------
// TextBox

TextBox::TextBox(QWidget* parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textEdited, this, [this] { textTyped(); });
}

void TextBox::setText(const QString& text)
{
    if (text == QLineEdit::text())
        return;
    QLineEdit::setText(text);
    last_ = text;
    if (change_)
        change_();
}

void TextBox::textTyped()
{
    if (QLineEdit::text() == last_)
        return;
    last_ = QLineEdit::text();
    if (change_)
        HandlerContext::run(change_);
}

// ---------------------------------------------------------------------------------------------
// Label

Label::Label(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void Label::click()
{
    if (click_)
        HandlerContext::run(click_);
}

void Label::mouseReleaseEvent(QMouseEvent* e)
{
    QLabel::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        click();
}

// ---------------------------------------------------------------------------------------------
// Button

Button::Button(QWidget* parent, Role role) : QPushButton(parent), role_(role)
{
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, [this] {
        if (click_)
            HandlerContext::run(click_);
    });
}

// ---------------------------------------------------------------------------------------------
// Option buttons

OptionButton::OptionButton(QWidget* parent, int index, std::shared_ptr<std::function<void(int)>> click)
    : QRadioButton(parent), index_(index), click_(std::move(click))
{
    connect(this, &QRadioButton::toggled, this, [this](bool checked) { becameChecked(checked); });
}

void OptionButton::becameChecked(bool checked)
{
    if (!checked || quiet_ || !*click_)
        return;
    const auto handler = click_;
    const int i = index_;
    HandlerContext::run([handler, i] { (*handler)(i); });
}

void OptionButton::select()
{
    if (isChecked())
        return;
    quiet_ = true;
    setChecked(true);
    quiet_ = false;
    if (*click_)
        (*click_)(index_);
}

void OptionButton::deselect()
{
    const bool exclusive = autoExclusive();
    setAutoExclusive(false);
    quiet_ = true;
    setChecked(false);
    quiet_ = false;
    setAutoExclusive(exclusive);
}

void OptionButton::focusInEvent(QFocusEvent* e)
{
    QRadioButton::focusInEvent(e);
    // An option that receives the focus while not selected becomes selected, as with the cursor keys.
    if (!isChecked() && e->reason() != Qt::ActiveWindowFocusReason && e->reason() != Qt::PopupFocusReason)
        setChecked(true);
}

namespace {
QRect indicatorRect(const QRadioButton* b, const QStyleOptionButton& opt)
{
    const QStyle* s = b->style();
    const int w = s->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &opt, b);
    const int h = s->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, &opt, b);
    return QRect(1, (b->height() - h) / 2, w, h);
}
} // namespace

QSize OptionButton::sizeHint() const
{
    QStyleOptionButton opt;
    initStyleOption(&opt);
    const int indicator = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &opt, this) + 6;
    const QSize caption = fontMetrics().size(Qt::TextShowMnemonic, text());
    return QSize(indicator + caption.width() + 2, std::max(caption.height(), indicator) + 2);
}

void OptionButton::paintEvent(QPaintEvent*)
{
    // Qt's radio button does not wrap its caption; long captions here are meant to wrap inside the
    // option's box, so the indicator and the caption are drawn separately.
    QStylePainter p(this);
    QStyleOptionButton opt;
    initStyleOption(&opt);
    QStyleOptionButton indicator = opt;
    indicator.rect = indicatorRect(this, opt);
    p.drawPrimitive(QStyle::PE_IndicatorRadioButton, indicator);
    const QRect textArea = rect().adjusted(indicator.rect.right() + 6, 0, 0, 0);
    p.setPen(palette().color(foregroundRole()));
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
    const QRect used = p.boundingRect(textArea, flags, text());
    p.drawText(textArea, flags, text());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = used.adjusted(-1, 0, 1, 0).intersected(rect());
        p.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

bool OptionButton::hitButton(const QPoint& pos) const { return rect().contains(pos); }

OptionGroup::OptionGroup(QString name)
    : ControlArray<OptionButton>(std::move(name)), click_(std::make_shared<std::function<void(int)>>())
{
}

int OptionGroup::selected() const
{
    for (const auto& [index, option] : items())
        if (option->isChecked())
            return index;
    return -1;
}

// ---------------------------------------------------------------------------------------------
// Combo

Combo::Combo(QWidget* parent, bool editable) : QComboBox(parent)
{
    setEditable(editable);
    setMaxVisibleItems(20);
    connect(this, &QComboBox::activated, this, [this](int) {
        if (click_)
            HandlerContext::run(click_);
    });
    if (editable) {
        setInsertPolicy(QComboBox::NoInsert);
        connect(lineEdit(), &QLineEdit::textEdited, this, [this](const QString& t) {
            if (t == lastEdit_)
                return;
            lastEdit_ = t;
            if (change_)
                HandlerContext::run(change_);
        });
    }
}

void Combo::select(int index)
{
    if (index == currentIndex())
        return;
    setCurrentIndex(index);
    lastEdit_ = currentText();
    if (click_)
        click_();
}

void Combo::setText(const QString& text)
{
    if (text == currentText())
        return;
    setEditText(text);
    lastEdit_ = text;
    if (change_)
        change_();
}

// ---------------------------------------------------------------------------------------------
// ListBox

ListBox::ListBox(QWidget* parent) : QListWidget(parent)
{
    connect(this, &QListWidget::currentRowChanged, this, [this](int) {
        if (!quiet_ && click_)
            HandlerContext::run(click_);
    });
}

void ListBox::select(int row)
{
    if (row == currentRow())
        return;
    quiet_ = true;
    setCurrentRow(row);
    quiet_ = false;
    if (click_)
        click_();
}

// ---------------------------------------------------------------------------------------------
// Picture and Drawing

Picture::Picture(QWidget* parent, const QString& resource) : QWidget(parent), resource_(resource) {}

void Picture::setResource(const QString& resource)
{
    resource_ = resource;
    update();
}

void Picture::click()
{
    if (click_)
        HandlerContext::run(click_);
}

void Picture::paintEvent(QPaintEvent*)
{
    if (resource_.isEmpty())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (resource_.endsWith(QLatin1String(".svg"))) {
        QSvgRenderer svg(resource_);
        svg.render(&p, rect());
    } else {
        p.drawPixmap(rect(), QPixmap(resource_));
    }
}

void Picture::mouseReleaseEvent(QMouseEvent* e)
{
    QWidget::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        click();
}

Drawing::Drawing(QWidget* parent, Painter paint) : QWidget(parent), paint_(std::move(paint))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Drawing::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(1.0 / twipsPerPixel, 1.0 / twipsPerPixel);
    if (paint_)
        paint_(p);
}

// ---------------------------------------------------------------------------------------------
// Timer

namespace {
bool timersUseRealTime = true;
}

void Timer::useRealTime(bool real) { timersUseRealTime = real; }
bool Timer::realTime() { return timersUseRealTime; }

Timer::Timer(QObject* parent) : QObject(parent)
{
    connect(&timer_, &QTimer::timeout, this, [this] { fire(); });
}

void Timer::setInterval(int milliseconds)
{
    interval_ = milliseconds;
    update();
}

void Timer::setEnabled(bool enabled)
{
    enabled_ = enabled;
    update();
}

void Timer::update()
{
    if (isRunning() && timersUseRealTime)
        timer_.start(interval_);
    else
        timer_.stop();
}

void Timer::fire()
{
    if (isRunning() && tick_)
        HandlerContext::run(tick_);
}
