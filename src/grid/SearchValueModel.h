#pragma once

#include "db/Dataset.h"

#include <QAbstractListModel>
#include <QStringList>

#include <vector>

class QCollator;

// The column search window's values: for every row of a dataset, in its order, the row's
// bookmark and the field's text; and which of them the list shows.
class SearchValueModel : public QAbstractListModel {
    Q_OBJECT

public:
    explicit SearchValueModel(QObject* parent = nullptr);

    // Reads the field of every row; all values shown.
    void load(const Dataset& dataset, int field);
    void setRowHeight(int height) { m_rowHeight = height; }

    int valueCount() const { return int(m_texts.size()); }
    int shownCount() const { return int(m_shown.size()); }
    Dataset::Bookmark bookmarkAt(int shownRow) const
    {
        return m_bookmarks[std::size_t(m_shown[std::size_t(shownRow)])];
    }
    QString textAt(int shownRow) const { return m_texts[m_shown[std::size_t(shownRow)]]; }

    void showAll();
    // The values that contain the text, both upper-cased by the regional rules.
    void showContaining(const QString& text);
    // The first shown value whose beginning of the text's length does not sort before the text
    // (values presumed ascending); -1 when every value sorts before it.
    int lowerBound(const QString& text, const QCollator& collator) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    void setShown(std::vector<int> shown);

    std::vector<Dataset::Bookmark> m_bookmarks;
    QStringList m_texts;
    QStringList m_upper; // filled at the first narrowing
    std::vector<int> m_shown;
    QString m_shownFilter; // the upper-cased text m_shown was narrowed by; null when all are shown
    int m_rowHeight = 0;
};
