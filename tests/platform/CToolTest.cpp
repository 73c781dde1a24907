#include "platform/core/CTool.h"
#include "platform/core/CWaitCursor.h"
#include "tests/support/CFakeToolDialogs.h"

#include <gtest/gtest.h>

TEST(EnsureSuffix, AppendsTheSuffixOnlyWhenMissing)
{
    struct Case
    {
        const char* text;
        const char* suffix;
        const char* expected;
    };
    const Case cases[] = {
        {"plan", ".dat", "plan.dat"},
        {"plan.dat", ".dat", "plan.dat"},
        {"plan.DAT", ".dat", "plan.DAT"},
        {"Office.vlz", ".VLZ", "Office.vlz"},
        {"at", ".dat", "at.dat"},
        {"", ".dat", ".dat"},
        {"plan.dat.bak", ".dat", "plan.dat.bak.dat"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EnsureSuffix(c.text, c.suffix), QString(c.expected)) << c.text << " + " << c.suffix;
}

TEST(CWaitCursor, NestedCursorsRestoreInReverseOrder)
{
    CTool tool(std::make_unique<CFakeToolDialogs>());
    auto& fake = static_cast<CFakeToolDialogs&>(tool.Dialogs());
    {
        CWaitCursor outer;
        EXPECT_EQ(fake.WaitDepth, 1);
        {
            CWaitCursor inner;
            EXPECT_EQ(fake.WaitDepth, 2);
        }
        EXPECT_EQ(fake.WaitDepth, 1);
    }
    EXPECT_EQ(fake.WaitDepth, 0);
}

TEST(CWaitCursor, DoesNothingWithoutATool)
{
    ASSERT_FALSE(CTool::Exists());
    EXPECT_NO_THROW({ CWaitCursor cursor; });
}
