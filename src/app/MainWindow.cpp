#include "app/MainWindow.h"

#include "ui_MainWindow.h"

#include "common/AppDir.h"
#include "common/IniFile.h"
#include "db/Connection.h"
#include "db/Dataset.h"
#include "db/WorkstationLock.h"
#include "grid/DatasetGrid.h"
#include "orders/OrderEditPanel.h"
#include "orders/OrderList.h"
#include "orders/OrderListModel.h"
#include "partners/AddressBook.h"
#include "partners/PartnerPicker.h"
#include "widgets/ErrorBox.h"
#include "widgets/Guarded.h"
#include "widgets/QuestionDialog.h"
#include "widgets/ScreenPlacement.h"

#include <QCloseEvent>

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
    // After the form: the picker names its grid and panel as this window does, and a search by
    // name must find this window's own first.
    m_picker = new PartnerPicker(connection, this);
    m_question->setObjectName(QStringLiteral("dotaz"));
    m_ui->DBGrid1->setDatasetModel(&m_orders->model());

    OrderEditPanel* panel = m_ui->Panel1;
    connect(m_ui->Button2, &QPushButton::clicked, panel, &OrderEditPanel::addOrder);
    connect(m_ui->ButtonOpravit, &QPushButton::clicked, this, &MainWindow::correctCurrentOrder);
    connect(m_ui->DBGrid1, &DatasetGrid::rowDoubleClicked, this, &MainWindow::correctCurrentOrder);
    connect(panel, &OrderEditPanel::orderSaved, this, &MainWindow::showSavedOrder);
    connect(panel, &OrderEditPanel::editEnded, this, [this] { m_picker->partners().close(); });
    connect(panel, &OrderEditPanel::orderMissing, this, [this] { guarded([this] { m_orders->refresh(); }); });
    connect(m_ui->okButton, &QPushButton::clicked, this, &MainWindow::close);
    connect(m_ui->Opravdu1, &QAction::triggered, this, &MainWindow::close);
    connect(m_ui->suiButton5, &QPushButton::clicked, this, &MainWindow::openOrderDocument);
    connect(m_ui->suiButton6, &QPushButton::clicked, this, &MainWindow::addFileToOrder);
    connect(m_ui->Adresar1, &QAction::triggered, this, &MainWindow::openAddressBook);
}

MainWindow::~MainWindow() = default;

void MainWindow::showEvent(QShowEvent* event)
{
    if (!m_centred) {
        m_centred = true;
        ScreenPlacement::centre(*this);
    }
    if (!m_started)
        start();
    QMainWindow::showEvent(event);
}

void MainWindow::start()
{
    if (m_started)
        return;
    m_started = true;

    guarded([this] { restoreFormState(); });
    m_connection.close();
    // Refused settings leave the list closed and the connection refusing: better no connection
    // than the wrong port, the default server or a scratch table shared with another workstation.
    bool configured = true;
    try {
        m_settings = ConnectionSettings::read(IniFile(AppDir::file(ConnectionSettings::fileName())));
        m_connection.setSettings(m_settings.server);
    } catch (const std::exception& e) {
        configured = false;
        Connection::Settings refused;
        refused.refusal = QString::fromUtf8(e.what());
        m_connection.setSettings(refused);
        ErrorBox::show(refused.refusal);
    }

    if (m_settings.versionCheckMode == QLatin1String("X"))
        m_ui->Kontrolaverze1->setVisible(false);
    if (configured && guarded([this] { m_orders->open(); })
        && WorkstationLock(m_connection, m_settings.workstation).take() == WorkstationLock::Result::HeldElsewhere) {
        ErrorBox::message(ErrorBox::Icon::Information, ErrorBox::title(),
            QStringLiteral("Číslo stanice CisloPC=%1 už používá jiná připojená stanice. Současné úpravy se mohou "
                           "navzájem přepsat; nastavte v souboru %2 každé stanici jiné číslo.")
                .arg(m_settings.workstation, m_settings.file),
            this);
    }
    m_ui->Panel1->setUp(m_connection, m_settings.workstation, [this] { return pickPartner(); });
    m_ui->Panel1->hide();
}

std::optional<OrderEditPanel::Partner> MainWindow::pickPartner()
{
    // The list is read at the first take-over of an edit; later ones show the same rows.
    Dataset& partners = m_picker->partners();
    if (!partners.isOpen())
        partners.open();
    m_picker->setTag(0);
    m_picker->pick();
    if (m_picker->tag() <= 0)
        return std::nullopt;
    return OrderEditPanel::Partner {
        partners.currentValue(u"ico").toString(), partners.currentValue(u"nazevpodni").toString()};
}

void MainWindow::correctCurrentOrder()
{
    m_ui->Panel1->correctOrder(m_orders->currentId());
}

void MainWindow::showSavedOrder(qint64 id)
{
    guarded([this, id] {
        m_orders->refresh();
        m_orders->makeCurrent(id);
    });
}

void MainWindow::openAddressBook()
{
    AddressBook book(m_connection, m_settings.workstation, this);
    book.exec();
}

void MainWindow::restoreFormState()
{
    m_ui->Panel1->setBaseFolder(m_formState.restoreValue(kBaseFolderKey));
}

void MainWindow::saveFormState()
{
    m_formState.saveValues({{kBaseFolderKey, m_ui->Panel1->baseFolder()}});
}

void MainWindow::openOrderDocument()
{
    guarded([this] { m_folderActions.openDocument(m_ui->Panel1->baseFolder(), currentOrderNumber()); });
}

void MainWindow::addFileToOrder()
{
    guarded([this] { m_folderActions.addFile(m_ui->Panel1->baseFolder(), currentOrderNumber()); });
}

std::optional<QString> MainWindow::currentOrderNumber() const
{
    if (!m_orders->currentId())
        return std::nullopt;
    return m_orders->currentOrderNumber();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    guarded([this] { saveFormState(); });
    event->accept();
}
