#include "app/controls/TViewMaxLoadForm.h"

#include "app/controls/ModalResult.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

TViewMaxLoadForm::TViewMaxLoadForm(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("ViewMaxLoadForm"));
    setWindowTitle(QStringLiteral("负荷数据显示"));
    setWindowFlags((windowFlags() | Qt::WindowMaximizeButtonHint) & ~Qt::WindowContextHelpButtonHint);
    setSizeGripEnabled(true);
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(13);
    setFont(font);
    resize(614, 481);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setPlainText(QStringLiteral("Memo1"));
    Button1 = new QPushButton(QStringLiteral("确定"), this);
    Button1->setDefault(true);
    Button2 = new QPushButton(QStringLiteral("取消"), this);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Memo1, 1);
    layout->addLayout(buttons);

    connect(Button1, &QPushButton::clicked, this, [this] { done(mrOk); });
    connect(Button2, &QPushButton::clicked, this, [this] { done(mrCancel); });

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TViewMaxLoadForm::SetLines(const QStringList& lines)
{
    // One text for all lines: appending line by line re-lays the document each time.
    Memo1->setPlainText(lines.join(QLatin1Char('\n')));
}

QStringList TViewMaxLoadForm::Lines() const
{
    const QString text = Memo1->toPlainText();
    if (text.isEmpty())
        return QStringList();
    return text.split(QLatin1Char('\n'));
}

void TViewMaxLoadForm::reject()
{
    done(mrCancel);
}
