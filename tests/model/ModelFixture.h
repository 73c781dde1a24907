#pragma once
#include "model/TDM_Project.h"
#include "model/TDM_SysParam.h"
#include "platform/core/CTool.h"
#include "tests/support/CFakeToolDialogs.h"
#include "tests/support/CTestProgramFolder.h"

#include <gtest/gtest.h>
#include <memory>

// A private program folder, the fake dialogs, the system data module opened on it and a project
// data module opened on a copy of the blank project database.
class ModelFixture : public ::testing::Test
{
protected:
    ModelFixture();
    void SetUp() override;

    CFakeToolDialogs& Dialogs() { return static_cast<CFakeToolDialogs&>(m_tool.Dialogs()); }
    // Rows of a one-column query on the project database.
    QStringList ProjectColumn(const QString& sql);

    CTestProgramFolder m_folder;
    CTool m_tool;
    TDM_SysParam m_sysParam;
    TDM_Project m_project;
};
