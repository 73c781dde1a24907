#include "app/controls/TMsgListForm.h"

#include <QListWidget>
#include <QVBoxLayout>

TMsgListForm::TMsgListForm(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("MsgListForm"));
    setWindowTitle(QStringLiteral("消息列表"));
    setWindowFlags((windowFlags() | Qt::WindowStaysOnTopHint) & ~Qt::WindowContextHelpButtonHint);
    setModal(false);
    resize(754, 143);

    ListBox1 = new QListWidget(this);
    ListBox1->setUniformItemSizes(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ListBox1);
}

void TMsgListForm::AddMessage(const QString& text)
{
    ListBox1->addItem(text);
    if (isVisible())
        return;
    if (QWidget* owner = parentWidget()) {
        // Centred on the main window.
        const QRect area = owner->window()->frameGeometry();
        move(area.center() - rect().center());
    }
    show();
}

QStringList TMsgListForm::Messages() const
{
    QStringList messages;
    messages.reserve(ListBox1->count());
    for (int i = 0; i < ListBox1->count(); ++i)
        messages.append(ListBox1->item(i)->text());
    return messages;
}

void TMsgListForm::reject()
{
    // The title bar's close button and Escape both end here.
    FormClose();
    QDialog::reject();
}

void TMsgListForm::FormClose()
{
    ListBox1->clear();
}
