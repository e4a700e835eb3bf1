// Every registered window, as it opens: no clipped caption, no control outside its container, no
// two captions on top of each other. Windows are laid out by hand in twips, so this is where a
// caption that is a little too long for its box shows up.

#include "app/menutree.h"
#include "app/startup.h"
#include "common/calcwindow.h"
#include "common/registry.h"
#include "common/windowmanager.h"
#include "tests/support/testsupport.h"

#include <QApplication>
#include <QStyleOptionButton>
#include <QTest>

namespace {
constexpr int tolerance = 1; // pixels

bool hasText(const QWidget* w)
{
    if (auto* l = qobject_cast<const QLabel*>(w))
        return !l->text().trimmed().isEmpty();
    if (auto* b = qobject_cast<const QAbstractButton*>(w))
        return !b->text().trimmed().isEmpty() || !b->icon().isNull();
    if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w))
        return true;
    return false;
}

// What does not fit in a control, or an empty string.
QString clipping(QWidget* w)
{
    const QFontMetrics fm = w->fontMetrics();
    if (auto* l = qobject_cast<QLabel*>(w)) {
        if (l->text().isEmpty() || !l->pixmap().isNull())
            return QString();
        if (l->wordWrap()) {
            const int needed = l->heightForWidth(l->width());
            if (needed > l->height() + tolerance)
                return QStringLiteral("needs %1 px of height, has %2").arg(needed).arg(l->height());
            // A single word longer than the width is cut even when wrapping.
            const int margins = 2 * l->frameWidth() + 2 * std::max(l->margin(), 0) + std::max(l->indent(), 0);
            for (const QString& word : l->text().split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
                if (fm.horizontalAdvance(word) > l->width() - margins + tolerance)
                    return QStringLiteral("the word \"%1\" is wider than the label").arg(word);
            return QString();
        }
        const QSize hint = l->sizeHint();
        if (hint.width() > l->width() + tolerance || fm.height() > l->height() + tolerance)
            return QStringLiteral("needs %1x%2 px, has %3x%4").arg(hint.width()).arg(hint.height()).arg(l->width()).arg(l->height());
        return QString();
    }
    if (auto* option = dynamic_cast<OptionButton*>(w)) {
        QStyleOptionButton opt;
        opt.initFrom(option);
        const int indicator = option->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &opt, option) + 8;
        const QRect used = fm.boundingRect(QRect(0, 0, option->width() - indicator, 10000),
                                           Qt::TextWordWrap | Qt::TextShowMnemonic, option->text());
        if (used.height() > option->height() + tolerance || used.width() > option->width() - indicator + tolerance)
            return QStringLiteral("its caption needs %1x%2 px beside the indicator, has %3x%4")
                .arg(used.width()).arg(used.height()).arg(option->width() - indicator).arg(option->height());
        return QString();
    }
    if (auto* button = qobject_cast<QPushButton*>(w)) {
        if (button->text().isEmpty())
            return QString();
        QString caption = button->text();
        caption.remove(QLatin1Char('&'));
        const int needed = fm.horizontalAdvance(caption) + 8;
        if (needed > button->width() + tolerance || fm.height() + 4 > button->height() + tolerance)
            return QStringLiteral("its caption needs %1 px, has %2x%3").arg(needed).arg(button->width()).arg(button->height());
        return QString();
    }
    if (auto* box = qobject_cast<QGroupBox*>(w)) {
        const int needed = fm.horizontalAdvance(box->title()) + 16;
        if (!box->title().isEmpty() && needed > box->width() + tolerance)
            return QStringLiteral("its title needs %1 px, has %2").arg(needed).arg(box->width());
        return QString();
    }
    if (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w)) {
        if (fm.height() + 4 > w->height() + tolerance)
            return QStringLiteral("too low for its text: %1 px").arg(w->height());
        return QString();
    }
    return QString();
}

bool isBackdrop(const QWidget* w)
{
    return dynamic_cast<const Picture*>(w) || dynamic_cast<const Drawing*>(w) || qobject_cast<const QGroupBox*>(w);
}
} // namespace

class TestLayout : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        messages = new RecordingMessages;
        WindowManager::instance().setQuitHandler([] {});
        freshMainWindow();
    }
    void cleanupTestCase()
    {
        WindowManager::instance().closeAll();
        delete messages;
    }

    void windowFitsItsContents_data()
    {
        QTest::addColumn<QString>("form");
        for (const QString& form : WindowRegistry::forms())
            QTest::newRow(form.toUtf8().constData()) << form;
        QTest::newRow("FRMVELSARINO") << QStringLiteral("FRMVELSARINO");
    }
    void windowFitsItsContents()
    {
        QFETCH(QString, form);
        WindowManager& manager = WindowManager::instance();
        CalcWindow* window = form == QLatin1String("FRMVELSARINO")
            ? manager.mainWindow()
            : manager.open(form, menuShowing(form).value_or(ShowAs::Modeless), manager.mainWindow());
        settle();
        QVERIFY(window);
        QStringList faults;
        const QList<QWidget*> controls = window->client()->findChildren<QWidget*>();
        for (QWidget* w : controls) {
            if (w->window() != window || !w->isVisibleTo(window) || w->objectName().isEmpty())
                continue;
            if (const QString c = clipping(w); !c.isEmpty())
                faults << QStringLiteral("%1: %2").arg(w->objectName(), c);
            QWidget* parent = w->parentWidget();
            // A window that grows to uncover a section below its edge is measured at its largest.
            const QRect room = parent == window->client() ? QRect(QPoint(0, 0), window->largestClientSize())
                                                          : parent ? parent->rect() : QRect();
            if (parent && !room.adjusted(-tolerance, -tolerance, tolerance, tolerance).contains(w->geometry()))
                faults << QStringLiteral("%1 stands outside %2").arg(w->objectName(), parent->objectName());
        }
        for (int i = 0; i < controls.size(); ++i) {
            QWidget* a = controls.at(i);
            if (a->window() != window || !a->isVisibleTo(window) || isBackdrop(a) || !hasText(a) || a->objectName().isEmpty())
                continue;
            for (int j = i + 1; j < controls.size(); ++j) {
                QWidget* b = controls.at(j);
                if (b->parentWidget() != a->parentWidget() || !b->isVisibleTo(window) || isBackdrop(b) || !hasText(b)
                    || b->objectName().isEmpty())
                    continue;
                const QRect overlap = a->geometry().intersected(b->geometry());
                if (overlap.width() > tolerance && overlap.height() > tolerance)
                    faults << QStringLiteral("%1 and %2 overlap").arg(a->objectName(), b->objectName());
            }
        }
        if (form != QLatin1String("FRMVELSARINO")) {
            window->close();
            settle();
        }
        messages->clear();
        if (!faults.isEmpty())
            QFAIL(qPrintable(faults.join(QStringLiteral("; "))));
    }

private:
    RecordingMessages* messages = nullptr;
};

int main(int argc, char* argv[])
{
    useHeadlessPlatform();
    QApplication app(argc, argv);
    prepareTestApplication(app);
    TestLayout test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_layout.moc"
