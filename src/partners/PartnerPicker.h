#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class PartnerPicker;
}
class Connection;
class Dataset;
class DatasetModel;
class QShortcut;

// The partner picker: lists the partners so that the order being edited can take one over. It
// never writes and never opens or closes its list: the caller opens the list, clears the tag,
// calls pick(), then reads the tag and the list's current row, and closes the list when its own
// edit ends. It lives for the whole run, so a sort chosen in it stays for later showings.
class PartnerPicker : public QDialog {
    Q_OBJECT

public:
    explicit PartnerPicker(Connection& connection, QWidget* parent = nullptr);
    ~PartnerPicker() override;

    Dataset& partners() const { return *m_partners; }
    // 1 once a partner was taken over; the picker never sets it back to 0.
    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }

    // Shows the picker modally; returns when it has closed.
    void pick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void takeOver();
    void searchNames();
    void setKeysEnabled(bool enabled);

    std::unique_ptr<Ui::PartnerPicker> m_ui;
    std::unique_ptr<Dataset> m_partners;
    std::unique_ptr<DatasetModel> m_model;
    QShortcut* m_takeKey;
    QShortcut* m_searchKey;
    int m_tag = 0;
};
