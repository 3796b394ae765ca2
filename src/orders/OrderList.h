#pragma once

#include <QObject>

#include <memory>

class Connection;
class Dataset;
class DatasetModel;

// The list of all orders: the query, its rows in memory and the model the grid shows.
class OrderList : public QObject
{
    Q_OBJECT

public:
    explicit OrderList(Connection& connection, QObject* parent = nullptr);
    ~OrderList() override;

    Dataset& dataset() const { return *m_dataset; }
    DatasetModel& model() const { return *m_model; }

    void open();

private:
    std::unique_ptr<Dataset> m_dataset;
    std::unique_ptr<DatasetModel> m_model;
};
