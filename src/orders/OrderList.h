#pragma once

#include <QObject>
#include <QString>

#include <memory>
#include <optional>

class Connection;
class Dataset;
class OrderListModel;

// The list of all orders: the query, its rows in memory and the model the grid shows. Its
// current row is the order the main window's commands act on.
class OrderList : public QObject {
    Q_OBJECT

public:
    explicit OrderList(Connection& connection, QObject* parent = nullptr);
    ~OrderList() override;

    Dataset& dataset() const { return *m_dataset; }
    OrderListModel& model() const { return *m_model; }

    void open();
    // Queries again, sorts again and keeps the current order when it is unchanged.
    void refresh();

    // Makes the order current; false when the list does not hold it.
    bool makeCurrent(qint64 id);
    std::optional<qint64> currentId() const;
    QString currentOrderNumber() const;

private:
    std::unique_ptr<Dataset> m_dataset;
    std::unique_ptr<OrderListModel> m_model;
};
