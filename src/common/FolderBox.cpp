#include "common/FolderBox.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>

FolderBox::FolderBox(QWidget* parent)
    : QWidget(parent)
    , m_edit(new QLineEdit(this))
    , m_button(new QToolButton(this))
{
    m_edit->setObjectName(QStringLiteral("folderEdit"));
    m_button->setObjectName(QStringLiteral("chooseButton"));
    m_button->setText(QStringLiteral("…"));
    m_button->setFocusPolicy(Qt::NoFocus);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_edit);
    layout->addWidget(m_button);
    setFocusProxy(m_edit);
    connect(m_button, &QToolButton::clicked, this, &FolderBox::chooseFolder);
}

QString FolderBox::text() const
{
    return m_edit->text();
}

void FolderBox::setText(const QString& text)
{
    m_edit->setText(text);
}

void FolderBox::chooseFolder()
{
    const QString folder = QFileDialog::getExistingDirectory(this, tr("Vyberte složku"), m_edit->text());
    if (!folder.isEmpty())
        m_edit->setText(folder);
}
