#pragma once
#include "calc/CCalMsgOutput.h"
#include "climate/CLIB_WeatherParameter.h"
#include "report/COutputParams.h"
#include "tests/calc/CalcFixture.h"

#include <QStringList>
#include <vector>
#include <memory>

class CCalculate_Manager;
class CCalculationBook;
class CQORReport;

// The form of a progress window whose stop button is pressed when a line appears.
class StopAtLine : public FakeMsgOutputForm
{
public:
    StopAtLine(SFormRecord& record, const QString& line) : FakeMsgOutputForm(record), m_line(line) {}
    void SetMainLine(const QString& text) override
    {
        FakeMsgOutputForm::SetMainLine(text);
        if (text == m_line)
            CCalMsgOutput::Current().Stop();
    }

private:
    QString m_line;
};

// A blank project with what the calculation book reads: the project parameters (design type 3),
// the project weather, the output options, the calculation host and the progress window's fake.
// Tests build their own tree, then Assemble the book of the whole project.
class BookFixture : public ProjectTreeFixture
{
protected:
    // The option IDs of the thirteen numbered entries of the book.
    static constexpr int SectionOptions[] = {10, 19, 38, 67, 79, 80, 192, 310, 457, 467, 468, 469, 613};

    BookFixture();
    ~BookFixture() override;
    void SetUp() override;
    void TearDown() override;

    // Writes the flag of the options for the current design type into the table and reloads.
    void SetFlags(const std::vector<int>& ids, int flag);
    // Every entry off but the listed ones.
    void OnlySections(const std::vector<int>& ids);
    // Builds the structure of the whole project and lays the book out under a progress reporter.
    CQORReport& Assemble();
    // The sub-reports of the book: "封面" for the cover, else their "subtitle".
    QStringList Titles() const;
    // The report of a section by its title's caption ("建筑概况"); null when absent.
    CQORReport* Section(const QString& caption) const;
    // Cells of a report, rows joined by "|" and cells by ",".
    static QString Rows(const CQORReport& report);
    // Adds a library record and returns its ID.
    int AddRecord(const QString& table, const QString& columns, const QVariantList& values);
    template <typename T> T& Element(CNodeData* node) { return dynamic_cast<T&>(*node->LoadElement()); }

    CProjectData m_parameters;
    FakeCalcHost m_calcHost;
    SFormRecord m_form;
    std::unique_ptr<CLIB_WeatherParameter> m_weather;
    COutputParams m_options;
    std::unique_ptr<CCalculate_Manager> m_manager;
    std::unique_ptr<CCalculationBook> m_book;
    CQORReport* m_bookReport = nullptr;
};
