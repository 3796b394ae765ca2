#include "orders/OrderFolderActions.h"

#include "common/AppDir.h"
#include "common/FileCopy.h"
#include "common/FormStateStore.h"
#include "orders/OrderFolder.h"
#include "widgets/ErrorBox.h"
#include "widgets/ShellOpen.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QScopeGuard>

namespace {
const QString kRememberedFolderKey = QStringLiteral("OpenDialog1InitialDir");

// Points the store at "Vorlany.ini" for one access and back at the form-state file after it,
// also when the access throws.
template <typename Access> auto inRememberedFolderFile(FormStateStore& store, Access&& access)
{
    store.setFile(AppDir::file(QStringLiteral("Vorlany.ini")));
    store.setSection(QStringLiteral("TForm1"));
    const auto reset = qScopeGuard([&store] {
        store.setFile({});
        store.setSection({});
    });
    return access();
}

// Relative names elsewhere (working files, the once-a-day marker) rely on it.
void returnToApplicationDirectory()
{
    QDir::setCurrent(AppDir::path());
}
}

OrderFolderActions::OrderFolderActions(FormStateStore& formState, QWidget* parent, FileChooser chooseFile)
    : m_formState(formState)
    , m_parent(parent)
    , m_chooseFile(std::move(chooseFile))
{
}

void OrderFolderActions::openDocument(const QString& baseFolder, const std::optional<QString>& orderNumber) const
{
    const std::optional<QString> folder = existingFolder(baseFolder, orderNumber);
    if (!folder)
        return;
    const QString file = chooseFile(*folder);
    if (file.isEmpty())
        return;
    // A viewer that does not start is the desktop's business; nothing to report here.
    ShellOpen::open(file);
    returnToApplicationDirectory();
}

void OrderFolderActions::addFile(const QString& baseFolder, const std::optional<QString>& orderNumber) const
{
    const std::optional<QString> folder = existingFolder(baseFolder, orderNumber);
    if (!folder)
        return;
    const QString startFolder
        = inRememberedFolderFile(m_formState, [this] { return m_formState.readString(kRememberedFolderKey); });
    const QString file = chooseFile(startFolder);
    if (file.isEmpty())
        return;
    returnToApplicationDirectory();
    // Remembered before the copy, so that the next time starts there even when this copy fails.
    const QFileInfo source(file);
    inRememberedFolderFile(m_formState, [&] { m_formState.writeString(kRememberedFolderKey, source.absolutePath()); });
    // A failed copy is not reported: what the folder holds afterwards tells.
    if (FileCopy::copyKeepingDate(file, AppDir::appendSeparator(*folder) + source.fileName()))
        ErrorBox::message(ErrorBox::Icon::Information, ErrorBox::title(), QStringLiteral("soubor přenesen"), m_parent);
}

std::optional<QString> OrderFolderActions::existingFolder(
    const QString& baseFolder, const std::optional<QString>& orderNumber) const
{
    if (orderNumber) {
        const std::optional<QString> folder = OrderFolder::path(baseFolder, *orderNumber);
        if (folder && QFileInfo(*folder).isDir())
            return folder;
    }
    ErrorBox::message(
        ErrorBox::Icon::Error, ErrorBox::title(), QStringLiteral("pro tuto zakázku není adresář"), m_parent);
    return std::nullopt;
}

QString OrderFolderActions::chooseFile(const QString& startFolder) const
{
    if (m_chooseFile)
        return m_chooseFile(startFolder);
    return QFileDialog::getOpenFileName(m_parent, QString(), startFolder);
}
