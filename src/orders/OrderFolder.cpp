#include "orders/OrderFolder.h"

#include "common/AppDir.h"

#include <QDir>

std::optional<QString> OrderFolder::path(const QString& baseFolder, const QString& orderNumber)
{
    if (baseFolder.isEmpty() || orderNumber.contains(u'/') || orderNumber.contains(u'\\')
        || orderNumber == QLatin1String(".") || orderNumber == QLatin1String(".."))
        return std::nullopt;
    return AppDir::appendSeparator(baseFolder) + orderNumber;
}

void OrderFolder::create(const QString& baseFolder, const QString& orderNumber)
{
    if (const std::optional<QString> folder = path(baseFolder, orderNumber))
        QDir().mkdir(*folder);
}
