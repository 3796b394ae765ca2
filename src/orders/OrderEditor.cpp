#include "orders/OrderEditor.h"

#include "orders/OrderFolder.h"

#include <stdexcept>

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
    for (int i = 0; i < edited.count(); ++i) {
        const Field& field = edited.field(i);
        const QString text = edited.value(i).toString();
        if (edited.isEdited(i) && field.length > 0 && text.size() > field.length) {
            throw std::invalid_argument(QStringLiteral("Text v poli %1 je delší, než pole pojme (%2 znaků z %3). "
                                                       "Zkraťte ho, nic nebylo zapsáno.")
                                            .arg(field.name)
                                            .arg(text.size())
                                            .arg(field.length)
                                            .toStdString());
        }
    }
    m_scratch.write(edited);
    OrderFolder::create(baseFolder, edited.value(u"ZAKAZKA").toString());
    return m_scratch.copyBack();
}
