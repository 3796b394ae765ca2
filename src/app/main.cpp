#include "app/Application.h"
#include "app/MainWindow.h"
#include "db/Connection.h"

int main(int argc, char* argv[])
{
    Application app(argc, argv);
    Connection connection;
    MainWindow window(connection);
    window.show();
    return app.exec();
}
