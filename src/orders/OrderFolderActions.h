#pragma once

#include <QString>

#include <functional>
#include <optional>

class FormStateStore;
class QWidget;

// The main window's two commands on the folder of the list's current order: open a file of it
// with the desktop's program, and copy a file into it. The folder the last copied file came from
// is remembered in "Vorlany.ini" for the next copy.
class OrderFolderActions {
public:
    // Shows a file chooser starting in the folder and returns the chosen file, empty when none.
    using FileChooser = std::function<QString(const QString& startFolder)>;

    // An empty chooser means the file dialog, without title or filter.
    OrderFolderActions(FormStateStore& formState, QWidget* parent, FileChooser chooseFile = {});

    // The order number is nullopt when the list has no current order.
    void openDocument(const QString& baseFolder, const std::optional<QString>& orderNumber) const;
    // Throws "Unable to write to <file>" when the remembered folder cannot be written; nothing is
    // copied then.
    void addFile(const QString& baseFolder, const std::optional<QString>& orderNumber) const;

private:
    // The order's folder when it exists; otherwise says so and gives nullopt.
    std::optional<QString> existingFolder(const QString& baseFolder, const std::optional<QString>& orderNumber) const;
    QString chooseFile(const QString& startFolder) const;

    FormStateStore& m_formState;
    QWidget* m_parent;
    FileChooser m_chooseFile;
};
