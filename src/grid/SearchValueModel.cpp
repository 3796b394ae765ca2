#include "grid/SearchValueModel.h"

#include "grid/CellText.h"

#include <QCollator>
#include <QLocale>
#include <QSize>

#include <algorithm>
#include <numeric>

SearchValueModel::SearchValueModel(QObject* parent)
    : QAbstractListModel(parent)
{
}

void SearchValueModel::load(const Dataset& dataset, int field)
{
    beginResetModel();
    const int rows = dataset.rowCount();
    m_bookmarks.resize(std::size_t(rows));
    m_texts.clear();
    m_texts.reserve(rows);
    for (int row = 0; row < rows; ++row) {
        m_bookmarks[std::size_t(row)] = dataset.bookmark(row);
        m_texts.append(CellText::text(dataset, row, field));
    }
    m_upper.clear();
    m_shown.resize(std::size_t(rows));
    std::iota(m_shown.begin(), m_shown.end(), 0);
    m_shownFilter = QString();
    endResetModel();
}

void SearchValueModel::setShown(std::vector<int> shown)
{
    beginResetModel();
    m_shown = std::move(shown);
    endResetModel();
}

void SearchValueModel::showAll()
{
    if (m_shownFilter.isNull() && m_shown.size() == std::size_t(m_texts.size()))
        return;
    std::vector<int> all(std::size_t(m_texts.size()));
    std::iota(all.begin(), all.end(), 0);
    m_shownFilter = QString();
    setShown(std::move(all));
}

void SearchValueModel::showContaining(const QString& text)
{
    if (text.isEmpty()) {
        showAll();
        return;
    }
    const QLocale locale;
    if (m_upper.isEmpty() && !m_texts.isEmpty()) {
        m_upper.reserve(m_texts.size());
        for (const QString& t : std::as_const(m_texts))
            m_upper.append(locale.toUpper(t));
    }
    const QString upper = locale.toUpper(text);
    // Typing on narrows what is shown already; anything else starts from all values.
    const bool narrowing = !m_shownFilter.isNull() && upper.contains(m_shownFilter);
    std::vector<int> shown;
    auto consider = [&](int i) {
        if (m_upper[i].contains(upper))
            shown.push_back(i);
    };
    if (narrowing) {
        for (const int i : m_shown)
            consider(i);
    } else {
        for (int i = 0; i < m_upper.size(); ++i)
            consider(i);
    }
    m_shownFilter = upper;
    setShown(std::move(shown));
}

int SearchValueModel::lowerBound(const QString& text, const QCollator& collator) const
{
    const auto it = std::partition_point(m_shown.begin(), m_shown.end(),
        [&](int i) { return collator.compare(QStringView(m_texts[i]).left(text.size()), text) < 0; });
    return it == m_shown.end() ? -1 : int(it - m_shown.begin());
}

int SearchValueModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_shown.size());
}

QVariant SearchValueModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return textAt(index.row());
    if (role == Qt::SizeHintRole && m_rowHeight > 0)
        return QSize(1, m_rowHeight);
    return {};
}
