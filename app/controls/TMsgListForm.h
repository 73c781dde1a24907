#pragma once
#include <QDialog>

class QListWidget;

// The message list window "消息列表" where a calculation reports room failures and missing
// materials. It stays on top, is only shown and hidden during the run, and closing it clears it.
class TMsgListForm : public QDialog
{
    Q_OBJECT
public:
    explicit TMsgListForm(QWidget* owner = nullptr);

    // Appends the text and shows the window when it is hidden.
    void AddMessage(const QString& text);
    QStringList Messages() const;

    QListWidget* ListBox1;

    void reject() override;

private:
    void FormClose();
};
