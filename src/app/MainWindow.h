#pragma once

#include "app/ConnectionSettings.h"
#include "common/FormStateStore.h"
#include "orders/OrderEditPanel.h"
#include "orders/OrderFolderActions.h"

#include <QMainWindow>

#include <memory>

namespace Ui {
class MainWindow;
}
class Connection;
class OrderList;
class PartnerPicker;
class QuestionDialog;

// The main window: the order list, the button panel, the menu and the (hidden) edit panel.
// At its first showing it is centred on the screen, reads the connection settings and opens the
// order list; closing it keeps the base folder for the next run and ends the program.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(Connection& connection, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The start-up sequence; runs once, before the window is first drawn.
    void start();

    const ConnectionSettings& settings() const { return m_settings; }
    OrderList& orderList() const { return *m_orders; }
    QuestionDialog& question() const { return *m_question; }
    PartnerPicker& partnerPicker() const { return *m_picker; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    std::optional<OrderEditPanel::Partner> pickPartner();
    void correctCurrentOrder();
    void showSavedOrder(qint64 id);
    void restoreFormState();
    void saveFormState();
    void openOrderDocument();
    void addFileToOrder();
    void openAddressBook();
    // Nullopt when the list has no current order.
    std::optional<QString> currentOrderNumber() const;

    std::unique_ptr<Ui::MainWindow> m_ui;
    Connection& m_connection;
    OrderList* m_orders;
    QuestionDialog* m_question;
    PartnerPicker* m_picker = nullptr;
    FormStateStore m_formState {QStringLiteral("TForm1")};
    OrderFolderActions m_folderActions {m_formState, this};
    ConnectionSettings m_settings;
    bool m_started = false;
    bool m_centred = false;
};
