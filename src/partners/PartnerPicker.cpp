#include "partners/PartnerPicker.h"

#include "ui_PartnerPicker.h"

#include "db/Dataset.h"
#include "grid/DatasetGrid.h"
#include "grid/DatasetModel.h"

#include <QShortcut>
#include <QShowEvent>

namespace {
const QString kQuery = QStringLiteral("select * from adresar order by ico");

enum class Column { Ico, Name, Seat, Street, PostCode, PostOffice };

constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;

// In the order of Column; titles at the left, cells aligned as their fields are.
QList<DatasetModel::Column> modelColumns()
{
    return {
        {QStringLiteral("ICO"), QStringLiteral("IČO"), kLeft, {}, 65},
        {QStringLiteral("NAZEVPODNI"), QStringLiteral("Název podniku"), kLeft, {}, 180},
        {QStringLiteral("SIDLO"), QStringLiteral("Sídlo"), kLeft, {}, 180},
        {QStringLiteral("ULICECISLO"), QStringLiteral("Ulice , číslo"), kLeft, {}, 180},
        {QStringLiteral("PSC"), QStringLiteral("PSČ"), kLeft, {}, 0},
        {QStringLiteral("POSTA"), QStringLiteral("Pošta"), kLeft, {}, 150},
    };
}
}

PartnerPicker::PartnerPicker(Connection& connection, QWidget* parent)
    : QDialog(parent,
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowCloseButtonHint)
    , m_ui(std::make_unique<Ui::PartnerPicker>())
    , m_partners(std::make_unique<Dataset>(connection, kQuery))
    , m_model(std::make_unique<DatasetModel>(*m_partners, modelColumns()))
    , m_takeKey(new QShortcut(this))
    , m_searchKey(new QShortcut(this))
{
    m_ui->setupUi(this);
    m_partners->setObjectName(QStringLiteral("zqAdre"));
    DatasetGrid* grid = m_ui->DBGrid1;
    grid->setDatasetModel(m_model.get());
    grid->setSearchPosition(QPoint(600, 200));

    // Enter and F3 belong to the whole window, whichever control has the focus ("Zpět" too),
    // but stand aside while the search window is open, so that Enter takes the value there.
    m_takeKey->setKeys({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    m_takeKey->setContext(Qt::WindowShortcut);
    m_searchKey->setKey(QKeySequence(Qt::Key_F3));
    m_searchKey->setContext(Qt::WindowShortcut);
    connect(m_takeKey, &QShortcut::activated, this, &PartnerPicker::takeOver);
    connect(m_searchKey, &QShortcut::activated, this, &PartnerPicker::searchNames);
    connect(grid, &DatasetGrid::searchStarted, this, [this] { setKeysEnabled(false); });
    connect(grid, &DatasetGrid::searchFinished, this, [this] { setKeysEnabled(true); });

    connect(grid, &DatasetGrid::rowDoubleClicked, this, &PartnerPicker::takeOver);
    connect(m_ui->Button1, &QPushButton::clicked, this, &PartnerPicker::takeOver);
    connect(m_ui->Button2, &QPushButton::clicked, this, &PartnerPicker::reject);
}

PartnerPicker::~PartnerPicker() = default;

void PartnerPicker::pick()
{
    exec();
}

void PartnerPicker::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Every showing starts at the same place, wherever the user moved the window the last time.
    if (!event->spontaneous())
        move(0, 100);
}

void PartnerPicker::takeOver()
{
    m_tag = 1;
    accept();
}

void PartnerPicker::searchNames()
{
    m_ui->DBGrid1->sortAndSearch(int(Column::Name));
}

void PartnerPicker::setKeysEnabled(bool enabled)
{
    m_takeKey->setEnabled(enabled);
    m_searchKey->setEnabled(enabled);
}
