#include "partners/PartnerEditor.h"

#include "common/RegionalFormat.h"
#include "db/Connection.h"

#include <stdexcept>

namespace {
const QString kDiscount = QStringLiteral("SLEVA");
// adresar.SLEVA is DECIMAL(5,2): the server would round more decimals away and, unless strict,
// cut a larger number to 999.99.
constexpr int kDiscountWholeDigits = 3;
constexpr int kDiscountDecimals = 2;

void checkDiscount(const QString& text)
{
    if (text.trimmed().isEmpty())
        return;
    const std::optional<QString> plain = RegionalFormat::plainDecimal(text);
    if (!plain)
        throw std::invalid_argument(QStringLiteral("Sleva „%1“ není číslo.").arg(text.trimmed()).toStdString());
    QString whole = plain->section(u'.', 0, 0);
    QString fraction = plain->section(u'.', 1);
    if (whole.startsWith(u'-'))
        whole.remove(0, 1);
    while (whole.startsWith(u'0'))
        whole.remove(0, 1);
    while (fraction.endsWith(u'0'))
        fraction.chop(1);
    if (whole.size() > kDiscountWholeDigits || fraction.size() > kDiscountDecimals) {
        throw std::invalid_argument(QStringLiteral("Sleva „%1“ se do pole nevejde: nejvýš %2 číslice před "
                                                   "desetinnou čárkou a %3 za ní.")
                                        .arg(text.trimmed())
                                        .arg(kDiscountWholeDigits)
                                        .arg(kDiscountDecimals)
                                        .toStdString());
    }
}
}

PartnerEditor::PartnerEditor(Connection& connection, const QString& workstation)
    : m_connection(connection)
    , m_scratch(connection, QStringLiteral("adresar"), ScratchTable::nameFor(workstation, QStringLiteral("adr")))
{
}

void PartnerEditor::beginNew()
{
    const QString empty(u""_qs);
    m_scratch.beginNew({{QStringLiteral("id"), 0}, {QStringLiteral("ICO"), empty},
        {QStringLiteral("NAZEVPODNI"), empty}, {QStringLiteral("SIDLO"), empty}, {QStringLiteral("ULICECISLO"), empty},
        {QStringLiteral("PSC"), empty}, {QStringLiteral("POSTA"), empty}});
}

void PartnerEditor::beginCopy(qint64 id)
{
    m_scratch.beginCopy(id);
}

Record PartnerEditor::row() const
{
    return m_scratch.read();
}

qint64 PartnerEditor::save(const Record& edited)
{
    const int discount = edited.indexOf(kDiscount);
    if (discount >= 0 && edited.isEdited(discount) && edited.value(discount).typeId() == QMetaType::QString)
        checkDiscount(edited.value(discount).toString());
    return m_scratch.save(edited);
}

void PartnerEditor::drop()
{
    m_connection.execute(QStringLiteral("DROP TABLE IF EXISTS ") + Connection::quoteIdentifier(m_scratch.name()));
}
