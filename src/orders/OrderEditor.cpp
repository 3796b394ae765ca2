#include "orders/OrderEditor.h"

#include "orders/OrderFolder.h"

OrderEditor::OrderEditor(Connection& connection, const QString& workstation)
    : m_scratch(connection, QStringLiteral("vorlany"), ScratchTable::nameFor(workstation, QStringLiteral("vor")))
{
}

void OrderEditor::beginNew()
{
    const QString empty(u""_qs);
    m_scratch.beginNew({{QStringLiteral("id"), 0}, {QStringLiteral("ICO"), empty},
        {QStringLiteral("NAZEVPODNI"), empty}, {QStringLiteral("POPIS"), empty}, {QStringLiteral("ZAKAZKA"), empty},
        {QStringLiteral("DATUMOD"), {}, true}, {QStringLiteral("DATUMDO"), {}, true}});
}

void OrderEditor::beginCopy(qint64 id)
{
    m_scratch.beginCopy(id);
}

Record OrderEditor::row() const
{
    return m_scratch.read();
}

qint64 OrderEditor::save(const Record& edited, const QString& baseFolder)
{
    m_scratch.write(edited);
    OrderFolder::create(baseFolder, edited.value(u"ZAKAZKA").toString());
    return m_scratch.copyBack();
}
