#pragma once
#include <QDialog>

class QLabel;
class CQORReport;
class CReportTemplate;
class TReportPrintViewer;

// The report preview window "报表预览": the pages of one report tree, page by page, zoomed to fit
// the window, printed from its tool bar. Created for one preview and destroyed after it.
class TTQORPreviewForm_5 : public QDialog
{
    Q_OBJECT
public:
    explicit TTQORPreviewForm_5(QWidget* parent = nullptr);

    // Lays the report out and shows its first page.
    void SetReport(CQORReport* report);
    CQORReport* Report() const { return m_report; }

    TReportPrintViewer* GRPrintViewer1 = nullptr;

private:
    void PrintPages();
    void ShowPageNumber(int index, int count);

    CQORReport* m_report = nullptr;
    CReportTemplate* m_reportObject = nullptr;
    QLabel* m_pageLabel = nullptr;
};
