#include "tests/report/BookFixture.h"

#include "calc/CCalMsgOutput.h"
#include "calc/CCalculate_Manager.h"
#include "report/CCalculationBook.h"
#include "report/COutputParam.h"
#include "report/engine/CQORReport.h"

BookFixture::BookFixture() = default;
BookFixture::~BookFixture() = default;

void BookFixture::SetUp()
{
    CProjectData::SetCurrent(&m_parameters);
    m_parameters.DesignType = 3;
    ProjectTreeFixture::SetUp();
    CCalMsgOutput::SetFormFactory([this](QObject*) -> std::unique_ptr<CMsgOutputFormBase> {
        return std::make_unique<FakeMsgOutputForm>(m_form);
    });
    m_weather = std::make_unique<CLIB_WeatherParameter>(&m_project.WeatherParameter);
    m_weather->Load();
    m_options.LoadOutputParams();
}

void BookFixture::TearDown()
{
    m_book.reset();
    m_manager.reset();
    CCalMsgOutput::SetFormFactory(nullptr);
    CProjectData::SetCurrent(nullptr);
    ProjectTreeFixture::TearDown();
}

void BookFixture::SetFlags(const std::vector<int>& ids, int flag)
{
    const QString column = QString::fromLatin1(COutputParam::FlagColumns()[static_cast<size_t>(m_parameters.DesignType)]);
    for (int id : ids)
        m_project.ExecSQL(CSQLStatement(QStringLiteral("update OutputOption set %1 = ? where ID = ?").arg(column),
                                        {flag, id}));
    m_options.LoadOutputParams();
}

void BookFixture::OnlySections(const std::vector<int>& ids)
{
    for (int id : SectionOptions)
        SetFlags({id}, 0);
    SetFlags(ids, 1);
}

CQORReport& BookFixture::Assemble()
{
    Show();
    m_book.reset();
    m_manager = std::make_unique<CCalculate_Manager>();
    m_manager->BuildCalcStructureFrom(m_host.View.TopItem(0));
    m_book = std::make_unique<CCalculationBook>(*m_manager);
    CCalMsgOutput progress(QStringLiteral("正在计算并输出负荷"), nullptr,
                           [this] { m_bookReport = m_book->OutputCalculationBook(); });
    return *m_bookReport;
}

QStringList BookFixture::Titles() const
{
    QStringList titles;
    for (int i = 0; i < m_bookReport->SubReportCount(); ++i) {
        const CQORReport* section = m_bookReport->SubReport(i);
        titles << (section->HasParameter(QStringLiteral("DesignTypeName")) ? QStringLiteral("封面")
                                                                            : section->Parameter(QStringLiteral("subtitle")));
    }
    return titles;
}

CQORReport* BookFixture::Section(const QString& caption) const
{
    for (int i = 0; i < m_bookReport->SubReportCount(); ++i) {
        CQORReport* section = m_bookReport->SubReport(i);
        if (section->Parameter(QStringLiteral("subtitle")).endsWith(QStringLiteral("、") + caption))
            return section;
    }
    return nullptr;
}

QString BookFixture::Rows(const CQORReport& report)
{
    QStringList rows;
    for (int r = 0; r < report.RecordCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < report.FieldCount(); ++c)
            cells << report.Cell(r, c);
        while (!cells.isEmpty() && cells.last().isEmpty())
            cells.removeLast();
        rows << cells.join(QLatin1Char(','));
    }
    return rows.join(QLatin1Char('|'));
}

int BookFixture::AddRecord(const QString& table, const QString& columns, const QVariantList& values)
{
    QStringList marks;
    for (int i = 0; i < values.size(); ++i)
        marks << QStringLiteral("?");
    m_project.ExecSQL(CSQLStatement(
        QStringLiteral("insert into %1 (%2) values (%3)").arg(table, columns, marks.join(QLatin1Char(','))), values));
    return m_project.QueryInt(CSQLStatement(QStringLiteral("select max(ID) from %1").arg(table)));
}
