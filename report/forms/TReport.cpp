#include "report/forms/TReport.h"

#include "app/controls/ModalResult.h"
#include "model/TDM_Project.h"
#include "platform/core/CTool.h"
#include "report/engine/CReportPaginator.h"
#include "report/engine/CReportTemplate.h"
#include "report/forms/TReportPrintViewer.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
QToolButton* ZoomButton(const QString& name, int percent)
{
    auto* button = new QToolButton;
    button->setObjectName(name);
    button->setProperty("Tag", percent);
    button->setText(QStringLiteral("%1%").arg(percent));
    button->setToolTip(QStringLiteral("%1%").arg(percent));
    button->setAutoRaise(true);
    return button;
}
} // namespace

TReport::TReport(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("Report"));
    setWindowTitle(QStringLiteral("报表"));
    setWindowFlags(Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowState(Qt::WindowMaximized);

    btn1 = ZoomButton(QStringLiteral("btn1"), 90);
    btn2 = ZoomButton(QStringLiteral("btn2"), 120);
    btn3 = ZoomButton(QStringLiteral("btn3"), 100);
    edt1 = new QLineEdit;
    edt1->setObjectName(QStringLiteral("edt1"));
    edt1->setMinimumWidth(120);
    edt2 = new QLineEdit;
    edt2->setObjectName(QStringLiteral("edt2"));
    edt2->setMinimumWidth(240);
    Button1 = new QPushButton(QStringLiteral("刷新"));
    Button1->setObjectName(QStringLiteral("Button1"));
    Button3 = new QPushButton(QStringLiteral("打印"));
    Button3->setObjectName(QStringLiteral("Button3"));
    Button2 = new QPushButton(QStringLiteral("关闭"));
    Button2->setObjectName(QStringLiteral("Button2"));

    Panel1 = new QWidget;
    Panel1->setObjectName(QStringLiteral("Panel1"));
    auto* panel = new QHBoxLayout(Panel1);
    for (QToolButton* zoom : {btn1, btn2, btn3}) {
        panel->addWidget(zoom);
        connect(zoom, &QToolButton::clicked, this,
                [this, zoom] { SetZoomPercent(zoom->property("Tag").toInt()); });
    }
    panel->addSpacing(12);
    panel->addWidget(new QLabel(QStringLiteral("编号")));
    panel->addWidget(edt1);
    panel->addWidget(new QLabel(QStringLiteral("工程名称")));
    panel->addWidget(edt2, 1);
    panel->addWidget(Button1);
    panel->addWidget(Button3);
    panel->addWidget(Button2);
    panel->addStretch();

    frxPreview1 = new TReportPrintViewer;
    frxPreview1->setObjectName(QStringLiteral("frxPreview1"));
    auto* scroll = new QScrollArea;
    scroll->setWidget(frxPreview1);
    scroll->setWidgetResizable(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel1);
    layout->addWidget(scroll, 1);
    frxPreview1->SetZoomPercent(100);

    connect(Button1, &QPushButton::clicked, this, &TReport::LoadAndShow);
    connect(Button3, &QPushButton::clicked, this, &TReport::Button3Click);
    connect(Button2, &QPushButton::clicked, this, [this] { done(mrOk); });

    m_projectData.DataSet = &TDM_Project::Current().qryTemp;
    m_projectData.LoadProjectData();
    edt2->setText(m_projectData.ProjectName);
    edt1->setText(m_projectData.ProjectNumber);
}

TReport::~TReport() = default;

bool TReport::GatherValues()
{
    if (!QFileInfo::exists(m_templatePath)) {
        CTool::Current().ShowMessageBox(QStringLiteral("错误"),
                                        QStringLiteral("未发现报表资源 ") + m_templatePath, 6, 1);
        return false;
    }
    m_values.Gather(m_buildingName, m_projectData);
    return true;
}

void TReport::LoadIndexCheckValues()
{
    if (GatherValues())
        exec();
}

void TReport::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    LoadAndShow();
}

void TReport::LoadAndShow()
{
    // A template that cannot be read leaves an empty report, as a missing one does.
    m_report = std::make_unique<CReportTemplate>();
    QString error;
    m_report->LoadFromFile(m_templatePath, error);
    m_values.SetText(QStringLiteral("PRJNO"), edt1->text());
    m_values.SetText(QStringLiteral("PRJNAME"), edt2->text());
    m_report->SetVariableCallback([this](const QString& name, QString& value) {
        value = frxReport1GetValue(name);
        return true;
    });
    frxPreview1->SetPages(CReportPaginator::Paginate(*m_report));
    raise();
    activateWindow();
}

void TReport::SetZoomPercent(int percent)
{
    frxPreview1->SetZoomPercent(percent);
}

void TReport::Button3Click()
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("打印"));
    if (dialog.exec() == QDialog::Accepted)
        frxPreview1->Print(printer);
}
