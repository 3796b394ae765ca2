#include "app/Application.h"

#include "widgets/ErrorBox.h"

#include <QFile>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <exception>

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
{
    // A workstation without regional settings still gets Czech dates and sorting.
    if (QLocale::system().language() == QLocale::C)
        QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));

    installCzechTexts(*this);
    applyTheme(*this);
}

bool Application::installCzechTexts(QApplication& app)
{
    auto* translator = new QTranslator(&app);
    if (!translator->load(QLocale(QLocale::Czech), QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return app.installTranslator(translator);
}

void Application::applyTheme(QApplication& app)
{
    // The resources live in a static library: without this the linker may drop them.
    Q_INIT_RESOURCE(resources);
    // The theme names Tahoma; where it is missing, the closest installed sans serif stands in.
    QFont::insertSubstitutions(
        QStringLiteral("Tahoma"), {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(
        QStringLiteral("Courier New"), {QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")});
    QFile sheet(QStringLiteral(":/theme.qss"));
    if (sheet.open(QIODevice::ReadOnly))
        app.setStyleSheet(QString::fromUtf8(sheet.readAll()));
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        ErrorBox::show(QString::fromUtf8(e.what()));
    }
    return false;
}
