#include "app/MainWindow.h"

#include "ui_MainWindow.h"

#include "common/AppDir.h"
#include "common/IniFile.h"
#include "db/Connection.h"
#include "orders/OrderList.h"
#include "orders/OrderListModel.h"
#include "widgets/Guarded.h"
#include "widgets/QuestionDialog.h"

#include <QCloseEvent>
#include <QScreen>

#include <algorithm>

namespace {
const QString kBaseFolderKey = QStringLiteral("DirectoryEdit1_Text");
}

MainWindow::MainWindow(Connection& connection, QWidget* parent)
    : QMainWindow(parent)
    , m_ui(std::make_unique<Ui::MainWindow>())
    , m_connection(connection)
    , m_orders(new OrderList(connection, this))
    , m_question(new QuestionDialog(QStringLiteral("Tarmek05"), this))
{
    m_ui->setupUi(this);
    m_question->setObjectName(QStringLiteral("dotaz"));
    m_ui->DBGrid1->setDatasetModel(&m_orders->model());
    m_ui->DBGrid1->setColumnWidths({80, 250, 250, 65, 200, 30, 65, 65});

    connect(m_ui->okButton, &QPushButton::clicked, this, &MainWindow::close);
    connect(m_ui->Opravdu1, &QAction::triggered, this, &MainWindow::close);
}

MainWindow::~MainWindow() = default;

void MainWindow::showEvent(QShowEvent* event)
{
    if (!m_centred) {
        m_centred = true;
        centreOnScreen();
    }
    if (!m_started)
        start();
    QMainWindow::showEvent(event);
}

void MainWindow::centreOnScreen()
{
    const QRect screen = this->screen()->availableGeometry();
    QRect frame = frameGeometry();
    frame.moveCenter(screen.center());
    // A window larger than the screen keeps its title bar on it.
    move(std::max(frame.left(), screen.left()), std::max(frame.top(), screen.top()));
}

void MainWindow::start()
{
    if (m_started)
        return;
    m_started = true;

    guarded([this] { restoreFormState(); });
    m_connection.close();
    m_settings = ConnectionSettings::read(IniFile(AppDir::file(ConnectionSettings::fileName())));
    m_connection.setSettings(m_settings.server);

    if (m_settings.versionCheckMode == QLatin1String("X"))
        m_ui->Kontrolaverze1->setVisible(false);
    guarded([this] { m_orders->open(); });
    m_ui->Panel1->hide();
}

void MainWindow::restoreFormState()
{
    m_ui->DirectoryEdit1->setText(m_formState.restoreValue(kBaseFolderKey));
}

void MainWindow::saveFormState()
{
    m_formState.saveValues({{kBaseFolderKey, m_ui->DirectoryEdit1->text()}});
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    guarded([this] { saveFormState(); });
    event->accept();
}
