#include "app/Application.h"
#include "app/MainWindow.h"
#include "common/LogFile.h"
#include "db/Connection.h"

#include <QStandardPaths>

int main(int argc, char* argv[])
{
    Application app(argc, argv);
    LogFile::install(
        QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/vorlany.log"));
    Connection connection;
    MainWindow window(connection);
    window.show();
    return app.exec();
}
