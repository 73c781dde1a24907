#include "calc/forms/TMsgOutputForm.h"

#include "calc/CCalMsgOutput.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <memory>

namespace {
QLabel* MakeLabel(QWidget* parent, int left, int top, int pixelSize, bool bold)
{
    auto* label = new QLabel(parent);
    QFont font = label->font();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    label->setFont(font);
    label->move(left, top);
    label->resize(parent->width() - left - 8, pixelSize + 4);
    return label;
}
} // namespace

TMsgOutputForm::TMsgOutputForm(QWidget* owner)
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_owner(owner)
{
    setWindowTitle(QStringLiteral("负荷计算"));
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(482, 112);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(227, 236, 238));
    setPalette(palette);
    setAutoFillBackground(true);
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(13);
    setFont(font);

    Label1 = MakeLabel(this, 16, 13, 13, true);
    Label2 = MakeLabel(this, 16, 32, 13, false);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setGeometry(16, 48, 457, 17);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setStyleSheet(QStringLiteral("QProgressBar::chunk { background-color: blue; }"));
    Label3 = MakeLabel(this, 16, 69, 11, false);
    Label3->resize(360, 15);
    Button1 = new QPushButton(QStringLiteral("终止"), this);
    Button1->setGeometry(384, 72, 91, 33);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });

    Label1->clear();
    Label2->clear();
    Label3->clear();
    ProgressBar1->hide();
}

void TMsgOutputForm::Install()
{
    CCalMsgOutput::SetFormFactory([](QObject* owner) -> std::unique_ptr<CMsgOutputFormBase> {
        return std::make_unique<TMsgOutputForm>(qobject_cast<QWidget*>(owner));
    });
}

void TMsgOutputForm::Button1Click()
{
    if (CCalMsgOutput* current = CCalMsgOutput::GetCurrent())
        current->Stop();
}

void TMsgOutputForm::SetCaption(const QString& caption)
{
    setWindowTitle(caption);
}

void TMsgOutputForm::SetMainLine(const QString& text)
{
    Label1->setText(text);
}

void TMsgOutputForm::SetStepLine(const QString& text)
{
    Label2->setText(text);
}

void TMsgOutputForm::SetRemainingLine(const QString& text)
{
    Label3->setText(text);
}

void TMsgOutputForm::SetGaugeVisible(bool visible)
{
    ProgressBar1->setVisible(visible);
}

void TMsgOutputForm::SetGauge(int position, int maximum)
{
    ProgressBar1->setMaximum(maximum);
    ProgressBar1->setValue(std::min(position, maximum));
}

void TMsgOutputForm::SetCancelEnabled(bool enabled)
{
    Button1->setEnabled(enabled);
}

void TMsgOutputForm::ShowWindow()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();
}

void TMsgOutputForm::CloseWindow()
{
    close();
}

void TMsgOutputForm::SetOwnerEnabled(bool enabled)
{
    if (m_owner)
        m_owner->setEnabled(enabled);
}

void TMsgOutputForm::BringOwnerToFront()
{
    if (m_owner) {
        m_owner->raise();
        m_owner->activateWindow();
    }
}

void TMsgOutputForm::Repaint()
{
    repaint();
}

void TMsgOutputForm::ProcessEvents()
{
    repaint();
    QCoreApplication::processEvents();
}
