#pragma once
#include "model/CProjectData.h"
#include "report/CIndexCheckValues.h"

#include <QDialog>
#include <QString>
#include <memory>

class QLineEdit;
class QPushButton;
class QToolButton;
class QWidget;
class CReportTemplate;
class TReportPrintViewer;

// "报表": the energy-check report of one building, laid out by its template with the check values,
// previewed in the window with zoom steps, prepared again by "刷新" with the project number and
// name as typed in the tool panel, printed and closed. The values are gathered once per window.
class TReport : public QDialog
{
    Q_OBJECT
public:
    // Reads the project parameters afresh; the tool panel starts with the project's number and name.
    explicit TReport(QWidget* owner = nullptr);
    ~TReport() override;

    void SetBuildingName(const QString& name) { m_buildingName = name; }
    void SetTemplatePath(const QString& path) { m_templatePath = path; }

    // Gathers the values, then shows the window modally. Without the template file, says
    // "未发现报表资源 <path>" and shows nothing. Failures of the checks raise.
    void LoadIndexCheckValues();
    // The gathering alone; false (after the message) without the template file.
    bool GatherValues();
    // Loads the template, lays the report out with the current values and texts and shows it.
    void LoadAndShow();
    // The value of a template variable (see CIndexCheckValues::Answer).
    QString frxReport1GetValue(const QString& name) const { return m_values.Answer(name); }
    void SetZoomPercent(int percent);
    void Button3Click(); // 打印

    QWidget* Panel1 = nullptr;
    QToolButton* btn1 = nullptr;
    QToolButton* btn2 = nullptr;
    QToolButton* btn3 = nullptr;
    QLineEdit* edt1 = nullptr;
    QLineEdit* edt2 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    TReportPrintViewer* frxPreview1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    CProjectData m_projectData;
    CIndexCheckValues m_values;
    std::unique_ptr<CReportTemplate> m_report;
    QString m_buildingName;
    QString m_templatePath;
    bool m_shown = false;
};
