#include "partners/AddressBook.h"

#include "ui_AddressBook.h"

#include "db/Dataset.h"
#include "grid/CellText.h"
#include "grid/DatasetGrid.h"
#include "grid/DatasetModel.h"
#include "widgets/BusyCursor.h"
#include "widgets/Guarded.h"
#include "widgets/QuestionDialog.h"
#include "widgets/ScreenPlacement.h"

#include <QLocale>
#include <QShowEvent>

#include <stdexcept>

namespace {
const QString kQuery = QStringLiteral("select * from adresar order by nazevpodni");
const QString kDiscount = QStringLiteral("SLEVA");

// Titled by the field names, as the server reports them.
QList<DatasetModel::Column> modelColumns()
{
    QList<DatasetModel::Column> columns;
    for (const char* field : {"ICO", "NAZEVPODNI", "SIDLO", "ULICECISLO", "PSC", "POSTA", "TELEFON", "KOD_PLATCE"})
        columns.append({QString::fromLatin1(field), {}, Qt::AlignLeft | Qt::AlignVCenter, {}, 0});
    return columns;
}
}

AddressBook::AddressBook(Connection& connection, const QString& workstation, QWidget* parent)
    : QDialog(parent,
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint)
    , m_ui(std::make_unique<Ui::AddressBook>())
    , m_partners(std::make_unique<Dataset>(connection, kQuery))
    , m_model(std::make_unique<DatasetModel>(*m_partners, modelColumns()))
    , m_store(connection)
    , m_editor(connection, workstation)
    , m_question(new QuestionDialog(QStringLiteral("Reveda zizure"), this))
{
    m_ui->setupUi(this);
    m_partners->setObjectName(QStringLiteral("zqAdre"));
    m_question->setObjectName(QStringLiteral("dotaz"));
    m_ui->DBGrid1->setDatasetModel(m_model.get());
    m_ui->Panel1->hide();
    m_texts = {{m_ui->EditICO, QStringLiteral("ICO"), {}}, {m_ui->suiDBEdit1, QStringLiteral("KOD_PLATCE"), {}},
        {m_ui->DBEdit8, QStringLiteral("NAZEVPODNI"), {}}, {m_ui->DBEdit10, QStringLiteral("SIDLO"), {}},
        {m_ui->DBEdit7, QStringLiteral("ULICECISLO"), {}}, {m_ui->DBEdit1, QStringLiteral("PSC"), {}},
        {m_ui->DBEdit2, QStringLiteral("POSTA"), {}}, {m_ui->suiDBEdit2, QStringLiteral("EMAILOBJ"), {}},
        {m_ui->suiDBEdit3, kDiscount, {}}};

    connect(m_ui->Button1, &QPushButton::clicked, this, &AddressBook::accept);
    connect(m_ui->Button2, &QPushButton::clicked, this, &AddressBook::addPartner);
    connect(m_ui->Button3, &QPushButton::clicked, this, &AddressBook::correctPartner);
    connect(m_ui->suiButton1, &QPushButton::clicked, this, &AddressBook::deletePartner);
    connect(m_ui->Button4, &QPushButton::clicked, this, &AddressBook::savePartner);
    connect(m_ui->Button5, &QPushButton::clicked, this, &AddressBook::cancelEdit);
}

AddressBook::~AddressBook() = default;

void AddressBook::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    ScreenPlacement::centre(*this);
    m_ui->Panel1->hide();
    guarded([this] {
        BusyCursor busy;
        m_partners->open();
    });
}

void AddressBook::done(int result)
{
    // Every closing: an edit in progress is dropped, and the scratch table with it.
    m_ui->Panel1->hide();
    guarded([this] { m_editor.drop(); });
    m_partners->close();
    QDialog::done(result);
}

void AddressBook::beginEdit(const std::function<void(PartnerEditor&)>& begin)
{
    // An edit in progress is dropped; a failure leaves the panel hidden.
    m_ui->Panel1->hide();
    m_forced.clear();
    guarded([&] {
        try {
            begin(m_editor);
        } catch (const RowMissingError&) {
            m_partners->refresh();
            throw;
        }
        m_row = m_editor.row();
        showRow(m_row);
        m_ui->Panel1->show();
        m_ui->EditICO->setFocus();
    });
}

void AddressBook::addPartner()
{
    beginEdit([](PartnerEditor& e) { e.beginNew(); });
}

void AddressBook::correctPartner()
{
    beginEdit([this](PartnerEditor& e) {
        const QVariant id = m_partners->currentValue(u"id");
        if (!id.isValid())
            throw std::runtime_error("Seznam partnerů je prázdný, není co opravit.");
        e.beginCopy(id.toLongLong());
    });
}

void AddressBook::showRow(const Record& row)
{
    for (TextBinding& t : m_texts) {
        t.shown = row.value(t.field).toString();
        // The server sends decimals with a point; the user reads and types them in the regional format.
        if (t.field == kDiscount)
            t.shown.replace(u'.', QLocale().decimalPoint());
        t.edit->setText(t.shown);
    }
}

Record AddressBook::editedRow() const
{
    // Only what the user changed goes back; every other column keeps its stored value exactly.
    Record row = m_row;
    for (const TextBinding& t : m_texts) {
        const QString text = t.edit->text();
        if (text != t.shown || m_forced.contains(t.field))
            row.setValue(t.field, text);
    }
    return row;
}

void AddressBook::savePartner()
{
    guarded([this] {
        const Record row = editedRow();
        for (int i = 0; i < row.count(); ++i) {
            if (row.isEdited(i) && !m_forced.contains(row.field(i).name))
                m_forced << row.field(i).name;
        }
        const qint64 id = m_editor.save(row);
        m_ui->Panel1->hide();
        m_partners->refresh();
        const int saved
            = CellText::locate(*m_partners, m_partners->fieldIndex(u"id"), QString::number(id), Qt::CaseSensitive);
        if (saved >= 0)
            m_partners->setCurrentRow(saved);
    });
}

void AddressBook::cancelEdit()
{
    m_ui->Panel1->hide();
}

void AddressBook::deletePartner()
{
    guarded([this] {
        m_question->setText(QStringLiteral("Opravdu zrušit adresu?"));
        m_question->setButtonCount(2);
        m_question->setButton(0, QStringLiteral("Zrušit"), QuestionDialog::Ok);
        m_question->setButton(1, QStringLiteral("Ne"), QuestionDialog::Cancel);
        m_question->setIcon(QuestionDialog::Icon::Question);
        if (m_question->ask() != QuestionDialog::Ok)
            return;
        const int row = m_partners->currentRow();
        if (row < 0)
            throw std::runtime_error("zqAdre: Cannot perform this operation on an empty dataset");
        m_store.remove(m_partners->currentValue(u"id").toLongLong());
        m_partners->removeRow(row);
    });
}
