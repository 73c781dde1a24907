#pragma once
#include <QDialog>

class QPlainTextEdit;
class QPushButton;
#include <QStringList>

// The load list window "负荷数据显示": a read-only memo of text lines, "确定" and "取消". The
// caller replaces the memo's lines (SetLines is the fast way for many lines) and runs exec();
// the result is not used.
class TViewMaxLoadForm : public QDialog
{
    Q_OBJECT
public:
    explicit TViewMaxLoadForm(QWidget* owner = nullptr);

    void SetLines(const QStringList& lines);
    QStringList Lines() const;
    void reject() override;

    QPlainTextEdit* Memo1;
    QPushButton* Button1;
    QPushButton* Button2;
};
