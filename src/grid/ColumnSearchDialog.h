#pragma once

#include "db/Dataset.h"

#include <QCollator>
#include <QDialog>
#include <QPoint>

#include <memory>

namespace Ui {
class ColumnSearchDialog;
}
class SearchValueModel;

// The column search window: lists one field's values of every row of a dataset, narrows them as
// the user types and makes the row of the chosen value the dataset's current row at once.
// "storno" and closing bring back the row that was current when it opened. Any list can use it.
class ColumnSearchDialog : public QDialog {
    Q_OBJECT

public:
    // Position (0, 0) centres the window over the window that opens it; any other position is
    // the top left corner on the screen.
    ColumnSearchDialog(Dataset& dataset, const QString& fieldName, QPoint position, QWidget* parent = nullptr);
    ~ColumnSearchDialog() override;

    // Shows the window modally; true when "převzít" closed it.
    bool search();

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void chooseField(int index);
    void searchTextChanged(const QString& text);
    void valueChosen(const QModelIndex& current);
    void setListMode(bool on);
    void setPartMatching(bool on);
    void take();
    void selectShown(int shownRow);
    void setSearchText(const QString& text);
    // Without part matching the text starts as the first value.
    void startWithFirstValue();
    void updateDefaultButton();
    // Two pixels taller than the list's characters.
    int rowHeight() const;
    void fitHeight();
    bool acceptsCharacter(QChar c) const;
    bool partMatching() const;

    std::unique_ptr<Ui::ColumnSearchDialog> m_ui;
    Dataset& m_dataset;
    SearchValueModel* m_values;
    Dataset::Bookmark m_savedRow = -1;
    int m_field = -1;
    QPoint m_position;
    QCollator m_collator; // for the lower-bound search: regional, without regard to case
    bool m_settingText = false;
    bool m_selectingByText = false;
};
