#include "library/forms/TEditPicture.h"

#include "platform/core/CProgramFolder.h"
#include "platform/core/CTool.h"

#include <QButtonGroup>
#include <QFile>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const QString kFilter = QStringLiteral("Bitmaps (*.bmp)");
}

TEditPicture::TEditPicture(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("EditPicture"));
    resize(252, 176);
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::StyledPanel);
    Edit_BMP = new QLabel(Panel1);
    Edit_BMP->setObjectName(QStringLiteral("Edit_BMP"));
    Edit_BMP->hide();
    Edit_BMP->installEventFilter(this);
    Label1 = new QLabel(QStringLiteral("暂无图片"), Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    auto* panelLayout = new QVBoxLayout(Panel1);
    panelLayout->addWidget(Label1, 0, Qt::AlignCenter);

    auto* side = new QVBoxLayout;
    side->setSpacing(2);
    auto* group = new QButtonGroup(this);
    auto mode = [&](const char* name, const QString& hint, const QString& glyph, int tag) {
        auto* button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(name));
        button->setToolTip(hint);
        button->setText(glyph);
        button->setCheckable(true);
        button->setFixedSize(30, 24);
        group->addButton(button, tag);
        side->addWidget(button);
        return button;
    };
    SpeedButton3 = mode("SpeedButton3", QStringLiteral("适当位置"), QStringLiteral("适"), 0);
    SpeedButton2 = mode("SpeedButton2", QStringLiteral("充满拉伸"), QStringLiteral("充"), 1);
    SpeedButton1 = mode("SpeedButton1", QStringLiteral("实际大小"), QStringLiteral("实"), 2);
    SpeedButton3->setChecked(true);
    connect(group, &QButtonGroup::idClicked, this, &TEditPicture::SetViewMode);
    auto button = [&](const char* name, const QString& caption) {
        auto* push = new QPushButton(caption, this);
        push->setObjectName(QString::fromLatin1(name));
        push->setFixedWidth(34);
        side->addWidget(push);
        return push;
    };
    QING = button("QING", QStringLiteral("清除"));
    Button3 = button("Button3", QStringLiteral("导入"));
    Button4 = button("Button4", QStringLiteral("导出"));
    side->addStretch();
    connect(QING, &QPushButton::clicked, this, &TEditPicture::QINGClick);
    connect(Button3, &QPushButton::clicked, this, &TEditPicture::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TEditPicture::Button4Click);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Panel1, 1);
    layout->addLayout(side);
}

bool TEditPicture::ShowsPicture() const
{
    return !Edit_BMP->isHidden();
}

void TEditPicture::ShowNothing()
{
    m_image = QImage();
    Edit_BMP->clear();
    Edit_BMP->hide();
    Label1->show();
}

void TEditPicture::ShowImage(const QImage& image)
{
    m_image = image;
    Label1->hide();
    Edit_BMP->show();
    SetViewMode(m_viewMode);
}

void TEditPicture::LoadPicture(const QByteArray& stored, const QString& recordName)
{
    SpeedButton3->setEnabled(true);
    m_bytes = stored;
    ShowNothing();
    if (!stored.isEmpty()) {
        // Stored bytes are untrusted: what cannot be read shows as no picture.
        QImage image;
        if (image.loadFromData(stored))
            ShowImage(image);
        return;
    }
    if (recordName.isEmpty())
        return;
    const QString fallback = CProgramFolder::Resolve(QStringLiteral("Lib\\img\\%1.jpg").arg(recordName));
    QImage image;
    if (QFile::exists(fallback) && image.load(fallback)) {
        // The fallback is shown fitted; the record's own picture stays empty.
        SpeedButton3->setEnabled(false);
        m_image = image;
        Label1->hide();
        Edit_BMP->show();
        FitInPanel();
    }
}

void TEditPicture::FitInPanel()
{
    Edit_BMP->move(0, 0);
    if (m_image.isNull())
        return;
    const double ratio = std::max(double(m_image.width()) / std::max(1, Panel1->width()),
                                  double(m_image.height()) / std::max(1, Panel1->height()));
    const QSize size(int(m_image.width() / ratio), int(m_image.height() / ratio));
    Edit_BMP->setPixmap(QPixmap::fromImage(m_image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    Edit_BMP->resize(size);
    Edit_BMP->move((Panel1->width() - size.width()) / 2, (Panel1->height() - size.height()) / 2);
    Edit_BMP->setCursor(Qt::ArrowCursor);
}

void TEditPicture::SetViewMode(int mode)
{
    Edit_BMP->move(0, 0);
    if (mode < 0 || mode > 2)
        return;
    m_viewMode = mode;
    if (m_image.isNull())
        return;
    switch (mode) {
    case 0:
        SpeedButton3->setChecked(true);
        FitInPanel();
        break;
    case 1:
        SpeedButton2->setChecked(true);
        Edit_BMP->setPixmap(QPixmap::fromImage(m_image.scaled(Panel1->size(), Qt::IgnoreAspectRatio)));
        Edit_BMP->resize(Panel1->size());
        Edit_BMP->setCursor(Qt::ArrowCursor);
        break;
    default:
        SpeedButton1->setChecked(true);
        Edit_BMP->setPixmap(QPixmap::fromImage(m_image));
        Edit_BMP->resize(m_image.size());
        Edit_BMP->setCursor(Qt::PointingHandCursor);
        break;
    }
}

void TEditPicture::QINGClick()
{
    m_bytes.clear();
    ShowNothing();
}

void TEditPicture::Button3Click()
{
    QString file;
    if (!CTool::Current().GetOpenFileName(QStringLiteral("导入图片"), kFilter, file))
        return;
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) {
        CTool::Current().ShowMessage(QStringLiteral("无法读取文件：%1").arg(file));
        return;
    }
    const QByteArray bytes = in.readAll();
    QImage image;
    if (!image.loadFromData(bytes)) {
        CTool::Current().ShowMessage(QStringLiteral("所选文件不是可以读取的图片：%1").arg(file));
        return;
    }
    m_bytes = bytes;
    SpeedButton3->setEnabled(true);
    ShowImage(image);
}

void TEditPicture::Button4Click()
{
    if (!ShowsPicture() || m_bytes.isEmpty())
        return;
    QString file;
    if (!CTool::Current().GetSaveFileName(QStringLiteral("导出图片"), kFilter, file))
        return;
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(m_bytes) != m_bytes.size() || !out.commit())
        CTool::Current().ShowMessage(QStringLiteral("无法写入文件：%1").arg(file));
}

bool TEditPicture::eventFilter(QObject* watched, QEvent* event)
{
    // Panning works in actual size only.
    if (watched == Edit_BMP)
        if (const auto offset = m_drag.Handle(event, m_viewMode == 2))
            Edit_BMP->move(Edit_BMP->pos() + *offset);
    return QWidget::eventFilter(watched, event);
}
