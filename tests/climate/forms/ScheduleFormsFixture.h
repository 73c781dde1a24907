#pragma once
#include "model/CProjectData.h"
#include "tests/model/ProjectTreeFixture.h"

// The project open as the program has it for the schedule forms: a copy of the blank project
// (with its ten standard schedules) whose file the project host names, the tree store, the
// default values and the name lists, and a QApplication for the widgets.
class ScheduleFormsFixture : public ProjectTreeFixture
{
protected:
    void SetUp() override;
    void TearDown() override;

    QString Text(const QString& sql, const QVariantList& values = {})
    {
        return m_project.QueryString(CSQLStatement(sql, values));
    }
    double Real(const QString& sql, const QVariantList& values = {})
    {
        return m_project.QueryDouble(CSQLStatement(sql, values));
    }
    void Exec(const QString& sql, const QVariantList& values = {})
    {
        m_project.ExecSQL(CSQLStatement(sql, values));
    }

private:
    class CHost : public CProjectDataHost
    {
    public:
        QString Path;
        QString ProjectFilePath() const override { return Path; }
        void ShowCoordinateMode(bool) override {}
        void ClearRunSchemes() override {}
        void LoadRunSchemeFile(const QString&) override {}
        void SaveRunSchemeFile(const QString&) override {}
    };
    CHost m_projectHost;
};
