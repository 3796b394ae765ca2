#include "orders/OrderEditPanel.h"

#include "ui_OrderEditPanel.h"

#include "widgets/DateBox.h"
#include "widgets/Guarded.h"

#include <QIntValidator>
#include <QLabel>

#include <climits>
#include <stdexcept>

namespace {
const QString kOrderNumber = QStringLiteral("ZAKAZKA");
const QString kCentre = QStringLiteral("STREDISKO");

// A label's text without the accelerator marks, for messages.
QString captionOf(const QLabel* label)
{
    return label->text().remove(u'&');
}
}

OrderEditPanel::OrderEditPanel(QWidget* parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::OrderEditPanel>())
{
    m_ui->setupUi(this);
    m_texts = {{m_ui->DBEdit10, kOrderNumber, {}}, {m_ui->DBEdit7, QStringLiteral("POPIS"), {}},
        {m_ui->suiDBEdit1, QStringLiteral("POPIS2"), {}}, {m_ui->suiDBEdit2, kCentre, {}},
        {m_ui->EditICO, QStringLiteral("ICO"), {}}, {m_ui->DBEdit8, QStringLiteral("NAZEVPODNI"), {}}};
    m_dates = {{m_ui->DBDateEdit1, QStringLiteral("DATUMOD"), m_ui->labelOd, {}, {}},
        {m_ui->DBDateEdit2, QStringLiteral("DATUMDO"), m_ui->labelDo, {}, {}}};
    m_ui->suiDBEdit2->setValidator(new QIntValidator(INT_MIN, INT_MAX, this));

    connect(m_ui->Button4, &QPushButton::clicked, this, &OrderEditPanel::saveOrder);
    connect(m_ui->Button5, &QPushButton::clicked, this, &OrderEditPanel::cancelEdit);
    connect(m_ui->Button6, &QPushButton::clicked, this, &OrderEditPanel::takePartner);
}

OrderEditPanel::~OrderEditPanel() = default;

void OrderEditPanel::setUp(Connection& connection, const QString& workstation, PickPartner pickPartner)
{
    m_editor = std::make_unique<OrderEditor>(connection, workstation);
    m_pickPartner = std::move(pickPartner);
}

OrderEditor& OrderEditPanel::editor()
{
    if (!m_editor)
        throw std::logic_error("the edit panel is not set up");
    return *m_editor;
}

QString OrderEditPanel::baseFolder() const
{
    return m_ui->DirectoryEdit1->text();
}

void OrderEditPanel::setBaseFolder(const QString& folder)
{
    m_ui->DirectoryEdit1->setText(folder);
}

void OrderEditPanel::beginEdit(const std::function<void(OrderEditor&)>& begin)
{
    // An edit in progress is dropped; a failure leaves the panel hidden.
    hide();
    m_forced.clear();
    guarded([&] {
        try {
            begin(editor());
        } catch (const RowMissingError&) {
            emit orderMissing();
            throw;
        }
        m_row = editor().row();
        showRow(m_row);
        show();
        m_ui->DBEdit10->setFocus();
    });
}

void OrderEditPanel::addOrder()
{
    beginEdit([](OrderEditor& e) { e.beginNew(); });
}

void OrderEditPanel::correctOrder(std::optional<qint64> id)
{
    beginEdit([id](OrderEditor& e) {
        if (!id)
            throw std::runtime_error("Seznam zakázek je prázdný, není co opravit.");
        e.beginCopy(*id);
    });
}

void OrderEditPanel::showRow(const Record& row)
{
    for (TextBinding& t : m_texts) {
        t.shown = row.value(t.field).toString();
        t.edit->setText(t.shown);
    }
    for (DateBinding& d : m_dates) {
        const QDateTime stored = row.value(d.field).toDateTime();
        d.shown = stored.date();
        d.timeOfDay = stored.isValid() ? stored.time() : QTime(0, 0);
        d.box->setDate(d.shown);
    }
}

Record OrderEditPanel::editedRow() const
{
    // Only what the user changed goes back; every other column keeps its stored value exactly.
    Record row = m_row;
    for (const TextBinding& t : m_texts) {
        const QString text = t.edit->text();
        if (text == t.shown && !m_forced.contains(t.field))
            continue;
        if (t.field != kCentre) {
            row.setValue(t.field, text);
            continue;
        }
        bool ok = true;
        const qlonglong number = text.trimmed().toLongLong(&ok);
        if (!text.trimmed().isEmpty() && (!ok || number < INT_MIN || number > INT_MAX))
            throw std::invalid_argument(
                QStringLiteral("Středisko „%1“ není celé číslo v rozsahu pole.").arg(text).toStdString());
        row.setValue(t.field, text.trimmed().isEmpty() ? QVariant() : QVariant(number));
    }
    for (const DateBinding& d : m_dates) {
        const std::optional<QDate> date = d.box->date();
        if (!date) {
            throw std::invalid_argument(QStringLiteral("V poli „%1“ není platné datum: „%2“.")
                                            .arg(captionOf(d.label), d.box->text())
                                            .toStdString());
        }
        if (*date == d.shown && !m_forced.contains(d.field))
            continue;
        // The box edits the day; the time of day stored with it stays.
        row.setValue(d.field, date->isValid() ? QVariant(QDateTime(*date, d.timeOfDay)) : QVariant());
    }
    return row;
}

void OrderEditPanel::saveOrder()
{
    guarded([this] {
        const Record row = editedRow();
        for (int i = 0; i < row.count(); ++i) {
            if (row.isEdited(i) && !m_forced.contains(row.field(i).name))
                m_forced << row.field(i).name;
        }
        const qint64 id = editor().save(row, baseFolder());
        hide();
        emit editEnded();
        emit orderSaved(id);
    });
}

void OrderEditPanel::cancelEdit()
{
    hide();
    emit editEnded();
}

void OrderEditPanel::takePartner()
{
    guarded([this] {
        const std::optional<Partner> partner = m_pickPartner ? m_pickPartner() : std::nullopt;
        if (!partner)
            return;
        m_ui->EditICO->setText(partner->ico);
        m_ui->DBEdit8->setText(partner->name);
        for (const QString& field : {QStringLiteral("ICO"), QStringLiteral("NAZEVPODNI")}) {
            if (!m_forced.contains(field))
                m_forced << field;
        }
        m_ui->EditICO->setFocus();
    });
}
