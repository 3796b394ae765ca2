#pragma once

#include "orders/OrderEditor.h"

#include <QDate>
#include <QTime>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace Ui {
class OrderEditPanel;
}
class Connection;
class DateBox;
class QLabel;
class QLineEdit;

// The edit panel under the order list: "Přidat" and "Opravit" fill it from a scratch copy of an
// order, "Zapsat" stores the edits, "Zpět" drops them, "Nabídka" takes the customer from the
// partner picker. It is hidden whenever no order is being edited; the base folder box sits on it.
class OrderEditPanel : public QWidget {
    Q_OBJECT

public:
    struct Partner {
        QString ico;
        QString name;
    };
    // Shows the partner picker; the partner taken over, or nothing when the user went back.
    using PickPartner = std::function<std::optional<Partner>()>;

    explicit OrderEditPanel(QWidget* parent = nullptr);
    ~OrderEditPanel() override;

    // What the panel works with, known once the settings are read.
    void setUp(Connection& connection, const QString& workstation, PickPartner pickPartner);

    QString baseFolder() const;
    void setBaseFolder(const QString& folder);

    void addOrder();
    // The order that is current in the list, if any.
    void correctOrder(std::optional<qint64> id);
    void saveOrder();
    void cancelEdit();
    void takePartner();

signals:
    void orderSaved(qint64 id);
    // The edit ended by "Zapsat" or "Zpět".
    void editEnded();
    // "Opravit" found the order gone; the list is out of date.
    void orderMissing();

private:
    struct TextBinding {
        QLineEdit* edit;
        QString field;
        QString shown;
    };
    struct DateBinding {
        DateBox* box;
        QString field;
        QLabel* label;
        QDate shown;
        QTime timeOfDay;
    };

    void beginEdit(const std::function<void(OrderEditor&)>& begin);
    void showRow(const Record& row);
    Record editedRow() const;
    OrderEditor& editor();

    std::unique_ptr<Ui::OrderEditPanel> m_ui;
    std::unique_ptr<OrderEditor> m_editor;
    // The scratch row as the edit began.
    Record m_row;
    PickPartner m_pickPartner;
    std::vector<TextBinding> m_texts;
    std::vector<DateBinding> m_dates;
    // Fields written even when they show what the edit began with: taken from the picker, or
    // sent to the scratch row by an earlier attempt to save (which may hold another value now).
    QStringList m_forced;
};
