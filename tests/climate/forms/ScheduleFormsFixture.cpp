#include "tests/climate/forms/ScheduleFormsFixture.h"

#include "tests/app/TestApplication.h"

void ScheduleFormsFixture::SetUp()
{
    EnsureTestApplication();
    ProjectTreeFixture::SetUp();
    m_projectHost.Path = m_project.ProjectCon.FileName();
    CProjectData::SetHost(&m_projectHost);
}

void ScheduleFormsFixture::TearDown()
{
    CProjectData::SetHost(nullptr);
    ProjectTreeFixture::TearDown();
}
