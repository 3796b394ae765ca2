#include "widgets/FolderBox.h"

#include <QFileDialog>
#include <QToolButton>

FolderBox::FolderBox(QWidget* parent)
    : ButtonEdit(QStringLiteral("…"), parent)
{
    connect(button(), &QToolButton::clicked, this, &FolderBox::chooseFolder);
}

void FolderBox::chooseFolder()
{
    const QString folder = QFileDialog::getExistingDirectory(this, tr("Vyberte složku"), text());
    if (!folder.isEmpty())
        setText(folder);
}
