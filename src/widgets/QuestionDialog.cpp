#include "widgets/QuestionDialog.h"

#include "common/MessageHook.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

QuestionDialog::QuestionDialog(const QString& caption, QWidget* parent)
    : QDialog(parent)
    , m_icon(new QLabel(this))
    , m_text(new QLabel(this))
{
    setObjectName(QStringLiteral("questionDialog"));
    setWindowTitle(caption);
    m_text->setObjectName(QStringLiteral("textLabel"));
    m_text->setWordWrap(true);
    m_text->setMinimumWidth(260);

    auto* top = new QHBoxLayout;
    top->addWidget(m_icon, 0, Qt::AlignTop);
    top->addWidget(m_text, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    const std::array<QString, 3> captions {tr("OK"), tr("Storno"), tr("Ano")};
    for (std::size_t i = 0; i < m_buttons.size(); ++i) {
        m_buttons[i] = new QPushButton(captions[i], this);
        m_buttons[i]->setObjectName(QStringLiteral("button%1").arg(i + 1));
        // Enter means the OK button wherever the focus is, so no button takes it for itself.
        m_buttons[i]->setAutoDefault(false);
        connect(m_buttons[i], &QPushButton::clicked, this, [this, i] { done(m_results[i]); });
        buttons->addWidget(m_buttons[i]);
    }
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);

    setIcon(Icon::Question);
    updateButtons();
}

void QuestionDialog::setText(const QString& text)
{
    m_text->setText(text);
}

QString QuestionDialog::text() const
{
    return m_text->text();
}

void QuestionDialog::setIcon(Icon icon)
{
    const QStyle::StandardPixmap pixmap = icon == Icon::Question ? QStyle::SP_MessageBoxQuestion
        : icon == Icon::Information                              ? QStyle::SP_MessageBoxInformation
                                                                 : QStyle::SP_MessageBoxCritical;
    m_icon->setPixmap(style()->standardIcon(pixmap).pixmap(32, 32));
}

void QuestionDialog::setButtonCount(int count)
{
    m_count = std::clamp(count, 1, int(m_buttons.size()));
    updateButtons();
}

void QuestionDialog::setButton(int index, const QString& caption, int result)
{
    m_buttons.at(index)->setText(caption);
    m_results.at(index) = result;
    updateButtons();
}

void QuestionDialog::updateButtons()
{
    for (std::size_t i = 0; i < m_buttons.size(); ++i) {
        const bool shown = int(i) < m_count;
        m_buttons[i]->setVisible(shown);
        m_buttons[i]->setDefault(shown && m_results[i] == Ok);
    }
}

int QuestionDialog::ask()
{
    if (MessageHook* hook = MessageHook::active())
        return hook->record(QStringLiteral("question"), windowTitle(), text());
    return exec();
}

void QuestionDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        for (int i = 0; i < m_count; ++i) {
            if (m_results[i] == Ok) {
                done(Ok);
                return;
            }
        }
        return;
    }
    QDialog::keyPressEvent(event);
}

void QuestionDialog::reject()
{
    done(Cancel);
}
