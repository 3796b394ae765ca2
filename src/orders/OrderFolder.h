#pragma once

#include <QString>

#include <optional>

// The folder of an order on disk: the base folder, a separator ensured, then the order number.
// An order whose number is empty has the base folder itself. There is none for an empty base
// folder, nor for a number that would lead elsewhere (a separator in it, "." or "..").
namespace OrderFolder {
std::optional<QString> path(const QString& baseFolder, const QString& orderNumber);
// Creates the one level of the order's folder. An existing folder, a missing parent or any
// other failure is not reported: saving the order goes on regardless.
void create(const QString& baseFolder, const QString& orderNumber);
}
