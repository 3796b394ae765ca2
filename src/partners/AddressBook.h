#pragma once

#include "db/Record.h"
#include "partners/PartnerEditor.h"
#include "partners/PartnerStore.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <vector>

namespace Ui {
class AddressBook;
}
class Connection;
class Dataset;
class DatasetModel;
class QLineEdit;
class QuestionDialog;

// The partner address book, opened for one modal use: lists the partners, adds and corrects one
// through this workstation's scratch copy on the edit panel, and deletes the current one after a
// question, straight from the list. Whenever it closes it drops the scratch table and its list.
class AddressBook : public QDialog {
    Q_OBJECT

public:
    AddressBook(Connection& connection, const QString& workstation, QWidget* parent = nullptr);
    ~AddressBook() override;

    Dataset& partners() const { return *m_partners; }

    void addPartner();
    void correctPartner();
    void savePartner();
    void cancelEdit();
    void deletePartner();

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct TextBinding {
        QLineEdit* edit;
        QString field;
        QString shown;
    };

    void beginEdit(const std::function<void(PartnerEditor&)>& begin);
    void showRow(const Record& row);
    Record editedRow() const;

    std::unique_ptr<Ui::AddressBook> m_ui;
    std::unique_ptr<Dataset> m_partners;
    std::unique_ptr<DatasetModel> m_model;
    PartnerStore m_store;
    PartnerEditor m_editor;
    QuestionDialog* m_question;
    // The scratch row as the edit began.
    Record m_row;
    std::vector<TextBinding> m_texts;
    // Fields sent to the scratch row by an earlier attempt to save, written again even when they
    // show what the edit began with.
    QStringList m_forced;
};
