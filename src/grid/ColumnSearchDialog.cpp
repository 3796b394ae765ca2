#include "grid/ColumnSearchDialog.h"

#include "ui_ColumnSearchDialog.h"

#include "grid/CellText.h"
#include "grid/SearchValueModel.h"
#include "widgets/BusyCursor.h"
#include "widgets/ErrorBox.h"

#include <QApplication>
#include <QCollator>
#include <QKeyEvent>
#include <QLocale>
#include <QScopedValueRollback>

namespace {
constexpr int kListRows = 10;
constexpr int kTopPanel = 60;
constexpr int kBottomPanel = 39;
constexpr QChar kDegreeSign(0x00B0);
}

ColumnSearchDialog::ColumnSearchDialog(Dataset& dataset, const QString& fieldName, QPoint position, QWidget* parent)
    : QDialog(parent,
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
            | Qt::WindowStaysOnTopHint)
    , m_ui(std::make_unique<Ui::ColumnSearchDialog>())
    , m_dataset(dataset)
    , m_values(new SearchValueModel(this))
    , m_position(position)
    , m_collator(QLocale())
{
    m_ui->setupUi(this);
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
    // The list's font comes from the theme; the row height and the window's height follow it.
    m_ui->valueList->ensurePolished();
    m_values->setRowHeight(rowHeight());
    m_ui->valueList->setModel(m_values);
    m_ui->searchEdit->installEventFilter(this);
    m_ui->fieldBox->installEventFilter(this);

    if (m_dataset.currentRow() >= 0)
        m_savedRow = m_dataset.bookmark(m_dataset.currentRow());
    int selected = 0;
    for (int f = 0; f < m_dataset.fieldCount(); ++f) {
        const Field& field = m_dataset.field(f);
        // Long text is offered only when asked for, so that a click on such a column searches it.
        const bool requested = field.isNamed(fieldName);
        if (field.type == FieldType::Bytes || (field.isLarge() && !requested))
            continue;
        if (requested)
            selected = m_ui->fieldBox->count();
        m_ui->fieldBox->addItem(field.name, f);
    }
    m_ui->fieldBox->setCurrentIndex(selected);

    connect(m_ui->fieldBox, &QComboBox::currentIndexChanged, this, &ColumnSearchDialog::chooseField);
    connect(m_ui->searchEdit, &QLineEdit::textChanged, this, &ColumnSearchDialog::searchTextChanged);
    connect(m_ui->valueList->selectionModel(), &QItemSelectionModel::currentChanged, this,
        &ColumnSearchDialog::valueChosen);
    connect(m_ui->valueList, &QListView::doubleClicked, this, &ColumnSearchDialog::take);
    connect(m_ui->takeButton, &QPushButton::clicked, this, &ColumnSearchDialog::take);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &ColumnSearchDialog::reject);
    connect(m_ui->listModeBox, &QCheckBox::toggled, this, &ColumnSearchDialog::setListMode);
    connect(m_ui->partMatchingBox, &QCheckBox::toggled, this, &ColumnSearchDialog::setPartMatching);

    chooseField(selected);
    fitHeight();
    m_ui->searchEdit->setFocus();
}

ColumnSearchDialog::~ColumnSearchDialog() = default;

bool ColumnSearchDialog::search()
{
    return exec() == Accepted;
}

bool ColumnSearchDialog::partMatching() const
{
    return m_ui->partMatchingBox->isChecked();
}

void ColumnSearchDialog::chooseField(int index)
{
    if (index < 0)
        return;
    m_field = m_ui->fieldBox->itemData(index).toInt();
    {
        // The dataset's current row does not move during the walk, so the grid is not redrawn.
        BusyCursor busy;
        m_values->load(m_dataset, m_field);
    }
    if (partMatching()) {
        setSearchText(QString());
        selectShown(0);
    } else {
        startWithFirstValue();
    }
    updateDefaultButton();
}

void ColumnSearchDialog::startWithFirstValue()
{
    m_ui->searchEdit->setText(m_values->shownCount() > 0 ? m_values->textAt(0) : QString());
}

void ColumnSearchDialog::setSearchText(const QString& text)
{
    const QScopedValueRollback guard(m_settingText, true);
    m_ui->searchEdit->setText(text);
}

void ColumnSearchDialog::searchTextChanged(const QString& text)
{
    if (m_settingText)
        return;
    if (!m_ui->listModeBox->isChecked()) {
        updateDefaultButton();
        return;
    }
    if (partMatching()) {
        m_values->showContaining(text);
        selectShown(0);
    } else {
        const int found = m_values->lowerBound(text, m_collator);
        if (found >= 0)
            selectShown(found);
    }
    updateDefaultButton();
}

void ColumnSearchDialog::selectShown(int shownRow)
{
    const QScopedValueRollback guard(m_selectingByText, true);
    if (shownRow < 0 || shownRow >= m_values->shownCount()) {
        m_ui->valueList->setCurrentIndex({});
        return;
    }
    const QModelIndex index = m_values->index(shownRow);
    m_ui->valueList->setCurrentIndex(index);
    m_ui->valueList->scrollTo(index);
}

void ColumnSearchDialog::valueChosen(const QModelIndex& current)
{
    if (!current.isValid())
        return;
    m_dataset.setCurrentRow(m_dataset.rowOf(m_values->bookmarkAt(current.row())));
    if (!m_selectingByText && !partMatching()) {
        setSearchText(m_values->textAt(current.row()));
        m_ui->searchEdit->selectAll();
    }
    updateDefaultButton();
}

void ColumnSearchDialog::updateDefaultButton()
{
    const QModelIndex current = m_ui->valueList->currentIndex();
    const bool isDefault = !m_ui->listModeBox->isChecked()
        || (current.isValid() && (partMatching() || m_ui->searchEdit->text() == m_values->textAt(current.row())));
    m_ui->takeButton->setDefault(isDefault);
}

void ColumnSearchDialog::setListMode(bool on)
{
    m_ui->valueList->setVisible(on);
    m_ui->partMatchingBox->setVisible(on);
    fitHeight();
    if (on)
        searchTextChanged(m_ui->searchEdit->text());
    updateDefaultButton();
}

void ColumnSearchDialog::setPartMatching(bool on)
{
    if (on) {
        searchTextChanged(m_ui->searchEdit->text());
        return;
    }
    m_values->showAll();
    startWithFirstValue();
}

void ColumnSearchDialog::take()
{
    if (!m_ui->listModeBox->isChecked()) {
        const int found = CellText::locate(m_dataset, m_field, m_ui->searchEdit->text(), Qt::CaseInsensitive);
        if (found < 0) {
            QApplication::beep();
            ErrorBox::message(ErrorBox::Icon::Error, QStringLiteral("Error"), QStringLiteral("Record not found"), this);
            return;
        }
        m_dataset.setCurrentRow(found);
    }
    accept();
}

void ColumnSearchDialog::reject()
{
    if (m_savedRow >= 0)
        m_dataset.setCurrentRow(m_dataset.rowOf(m_savedRow));
    QDialog::reject();
}

int ColumnSearchDialog::rowHeight() const
{
    return m_ui->valueList->fontMetrics().height() + 2;
}

void ColumnSearchDialog::fitHeight()
{
    const int height = m_ui->listModeBox->isChecked() ? kListRows * rowHeight() + kTopPanel + kBottomPanel + 45
                                                      : kTopPanel + kBottomPanel + 35;
    setFixedSize(435, height);
}

void ColumnSearchDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_position.isNull()) {
        move(m_position);
    } else if (QWidget* opener = parentWidget() ? parentWidget()->window() : nullptr) {
        move(opener->frameGeometry().center() - rect().center());
    }
}

bool ColumnSearchDialog::acceptsCharacter(QChar c) const
{
    if (c == kDegreeSign)
        return false;
    if (m_values->valueCount() == 0 || m_field < 0)
        return true;
    const Field& field = m_dataset.field(m_field);
    const QLocale locale;
    if (c.isDigit())
        return true;
    if (field.type == FieldType::Integer)
        return c == u'+' || c == u'-';
    if (field.isNumeric())
        return c == u'+' || c == u'-' || c == u'.' || c == u',' || c == u'e' || c == u'E' || locale.decimalPoint() == c;
    if (field.isDate() || field.type == FieldType::Time)
        return c == u'.' || c == u'/' || c == u'-' || c == u':' || c == u' ';
    return true;
}

bool ColumnSearchDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (watched == m_ui->fieldBox && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
        m_ui->searchEdit->setFocus();
        return true;
    }
    if (watched != m_ui->searchEdit)
        return QDialog::eventFilter(watched, event);
    switch (key->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (m_ui->listModeBox->isChecked()) {
            QApplication::sendEvent(m_ui->valueList, event);
            return true;
        }
        break;
    default:
        for (const QChar c : key->text()) {
            if (c.isPrint() && !acceptsCharacter(c)) {
                QApplication::beep();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}
