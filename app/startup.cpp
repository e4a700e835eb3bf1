#include "startup.h"

#include "common/numbers.h"
#include "common/windowmanager.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QStyleFactory>
#include <QTranslator>

void prepareApplication(QApplication& app)
{
    // The interface is Italian whatever the desktop's language, Qt's own Yes/No/OK included.
    auto* qtTexts = new QTranslator(&app);
    if (qtTexts->load(QStringLiteral("qtbase_it"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qtTexts);

    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // The windows were laid out for a narrow sans serif of 8 points.
    QFont font(QStringLiteral("Liberation Sans"));
    if (!QFontDatabase::families().contains(font.family()))
        font = QApplication::font();
    font.setPointSizeF(8.5);
    QApplication::setFont(font);

    RegionalSettings::use(RegionalSettings::fromSystemLocale());
}
