#include "app/controls/TAbout.h"

#include "app/controls/ModalResult.h"

#include <QDesktopServices>
#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QUrl>
#include <functional>

namespace {

const char* const MakerAddress = "http://www.example.com/didivov";
const char* const PublisherAddress = "http://www.example.org/didivov";
const char* const ContactMail = "didivov@example.com";

QLabel* AddLine(QWidget* parent, int y, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->move(72, y);
    label->adjustSize();
    return label;
}

QLabel* AddLink(QWidget* parent, int x, int y, const QString& text)
{
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setUnderline(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    label->setPalette(palette);
    label->setCursor(Qt::PointingHandCursor);
    label->move(x, y);
    label->adjustSize();
    return label;
}

// The program icon, drawn rather than shipped.
QPixmap ProgramIcon()
{
    QPixmap icon(32, 32);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(32, 84, 150));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(QRect(1, 1, 30, 30), 5, 5);
    painter.setPen(Qt::white);
    QFont font;
    font.setPixelSize(14);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(icon.rect(), Qt::AlignCenter, QStringLiteral("DV"));
    return icon;
}

// Clicks on a label: QLabel has no clicked signal.
class TClickFilter : public QObject
{
public:
    TClickFilter(QObject* parent, std::function<void(QLabel*)> onClick)
        : QObject(parent), m_onClick(std::move(onClick))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonRelease)
            if (auto* label = qobject_cast<QLabel*>(watched)) {
                m_onClick(label);
                return true;
            }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void(QLabel*)> m_onClick;
};

} // namespace

TAbout::TAbout(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("About"));
    setWindowTitle(QStringLiteral("关于DID-IVOV"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(496, 250);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(227, 236, 238));
    setPalette(palette);
    setAutoFillBackground(true);
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(12);
    setFont(font);

    auto* panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(0, 0, 496, 217);
    auto* icon = new QLabel(panel);
    icon->setGeometry(16, 16, 32, 32);
    icon->setPixmap(ProgramIcon());

    AddLine(panel, 20, QStringLiteral("DID-IVOV 建筑冷热负荷计算软件 V4.0.234"));
    AddLine(panel, 40, QStringLiteral("DID-IVOV Building Load Calculation V4.0.234"));
    AddLine(panel, 70, QStringLiteral("发行："));
    Label13 = AddLink(panel, 110, 70, QString::fromLatin1(PublisherAddress));
    AddLine(panel, 95, QStringLiteral("开发：DID-IVOV 开发组    电话：010-00000000"));
    AddLine(panel, 125, QStringLiteral("E-mail: "));
    Label8 = AddLink(panel, 120, 125, QString::fromLatin1(ContactMail));
    AddLine(panel, 150, QStringLiteral("URL: "));
    Label7 = AddLink(panel, 110, 150, QString::fromLatin1(MakerAddress));

    auto* clicks = new TClickFilter(this, [this](QLabel* label) {
        if (label == Label8)
            Label8Click();
        else
            Label7Click(label);
    });
    Label7->installEventFilter(clicks);
    Label13->installEventFilter(clicks);
    Label8->installEventFilter(clicks);

    BMPButton1 = new QPushButton(QStringLiteral("关闭"), this);
    BMPButton1->setGeometry(210, 224, 75, 22);
    connect(BMPButton1, &QPushButton::clicked, this, [this] { done(mrOk); });

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

QString TAbout::MailLink()
{
    return QStringLiteral("mailto:") + QString::fromLatin1(ContactMail);
}

void TAbout::Label7Click(QLabel* label)
{
    // The address shown is the address opened.
    QDesktopServices::openUrl(QUrl(label->text()));
}

void TAbout::Label8Click()
{
    QDesktopServices::openUrl(QUrl(MailLink()));
}
