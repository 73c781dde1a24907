#include "tests/calc/CalcFixture.h"

#include <gtest/gtest.h>

// The progress reporter with a recording window; no project needed.
class ProgressTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CCalMsgOutput::SetFormFactory([this](QObject*) -> std::unique_ptr<CMsgOutputFormBase> {
            return std::make_unique<FakeMsgOutputForm>(m_form);
        });
    }
    void TearDown() override { CCalMsgOutput::SetFormFactory(nullptr); }

    SFormRecord m_form;
};

TEST_F(ProgressTest, PlainCommandDisablesItsOwnerWhileTheWindowIsShown)
{
    {
        CCalMsgOutput progress(QStringLiteral("正在计算最大负荷"), nullptr);
        EXPECT_EQ(CCalMsgOutput::GetCurrent(), &progress);
        EXPECT_EQ(m_form.Caption, QStringLiteral("正在计算最大负荷"));
        EXPECT_TRUE(m_form.Shown);
        EXPECT_FALSE(m_form.OwnerEnabled);
        EXPECT_EQ(m_form.EventPasses, 1);
        EXPECT_FALSE(progress.IsStopped());
    }
    EXPECT_EQ(CCalMsgOutput::GetCurrent(), nullptr);
    EXPECT_TRUE(m_form.OwnerEnabled);
    EXPECT_EQ(m_form.OwnerRaised, 1);
    EXPECT_FALSE(m_form.Closed);
    EXPECT_TRUE(m_form.Destroyed);
}

TEST_F(ProgressTest, WorkRunsWhileTheWindowIsShownAndTheOwnerStaysEnabled)
{
    bool ran = false;
    {
        CCalMsgOutput progress(QStringLiteral("计算书"), nullptr, [&] {
            ran = true;
            EXPECT_TRUE(m_form.Shown);
            EXPECT_NE(CCalMsgOutput::GetCurrent(), nullptr);
        });
        EXPECT_TRUE(ran);
        EXPECT_TRUE(m_form.OwnerEnabled);
    }
    EXPECT_TRUE(m_form.Closed);
    EXPECT_EQ(m_form.OwnerRaised, 0);

    // Work that fails leaves no current reporter behind.
    EXPECT_THROW(
        CCalMsgOutput(QStringLiteral("计算书"), nullptr, [] { throw Exception(QStringLiteral("失败")); }),
        Exception);
    EXPECT_EQ(CCalMsgOutput::GetCurrent(), nullptr);
}

TEST_F(ProgressTest, GaugeShowsOnTheFirstStepAndHidesOnTheLast)
{
    CCalMsgOutput progress(QStringLiteral("负荷计算"), nullptr);
    progress.SetCalcMessage(QStringLiteral("正在计算负荷"));
    EXPECT_EQ(m_form.MainLine, QStringLiteral("正在计算负荷"));
    EXPECT_FALSE(m_form.GaugeVisible);
    progress.SetProgressMax(10);
    EXPECT_EQ(m_form.Maximum, 10);

    progress.StepProgress(QStringLiteral("正在计算[房间1]"));
    EXPECT_TRUE(m_form.GaugeVisible);
    EXPECT_EQ(m_form.Position, 1);
    EXPECT_EQ(m_form.StepLine, QStringLiteral("正在计算[房间1]"));
    EXPECT_TRUE(m_form.RemainingLine.isEmpty());

    progress.StepProgress(QString());
    EXPECT_EQ(m_form.StepLine, QStringLiteral("正在计算[房间1]")) << "an empty text keeps the step line";
    EXPECT_TRUE(m_form.RemainingLine.startsWith(QStringLiteral("大约还剩")));
    for (int i = 3; i <= 9; ++i)
        progress.StepProgress(QStringLiteral("x"));
    EXPECT_TRUE(m_form.GaugeVisible);
    progress.StepProgress(QStringLiteral("正在计算[房间10]"));
    EXPECT_FALSE(m_form.GaugeVisible);
    EXPECT_TRUE(m_form.StepLine.isEmpty());
    EXPECT_TRUE(m_form.RemainingLine.isEmpty());
    // Every step let input through, besides the one pass when the window was shown.
    EXPECT_EQ(m_form.EventPasses, 11);
}

TEST_F(ProgressTest, RemainingTimeIsEstimatedFromTheStepsDone)
{
    struct SCase
    {
        int maximum;
        int position;
        qint64 elapsed;
        const char* text;
    };
    const SCase cases[] = {
        {100, 2, 5000, "大约还剩8分15秒"},   // 99 x 5000 / 1 / 1000 = 495 s
        {100, 2, 500, "大约还剩49秒"},       // 49.5 s, truncated
        {3726, 2, 1000, "大约还剩1小时2分"}, // 3725 s
        {10, 12, 5000, "大约还剩0秒"},       // more steps than the maximum
    };
    for (const SCase& c : cases)
        EXPECT_EQ(CCalMsgOutput::RemainingTimeText(c.maximum, c.position, c.elapsed),
                  QString::fromUtf8(c.text))
            << c.maximum << " " << c.position;
}

TEST_F(ProgressTest, StopFlagStaysAndDisablingTheButtonKeepsTheWindow)
{
    CCalMsgOutput progress(QStringLiteral("负荷计算"), nullptr);
    EXPECT_FALSE(CCalMsgOutput::IsCurrentStopped());
    progress.Stop();
    progress.StepProgress(QStringLiteral("x"));
    progress.SetCalcMessage(QStringLiteral("准备输出"));
    EXPECT_TRUE(CCalMsgOutput::IsCurrentStopped());
    progress.DisableCancel();
    EXPECT_FALSE(m_form.CancelEnabled);
    EXPECT_FALSE(m_form.Closed);
}

TEST_F(ProgressTest, AFailingWindowNeverEndsTheCommand)
{
    m_form.Fail = true;
    CCalMsgOutput progress(QStringLiteral("负荷计算"), nullptr);
    progress.SetProgressMax(3);
    EXPECT_NO_THROW(progress.SetCalcMessage(QStringLiteral("正在计算负荷")));
    EXPECT_NO_THROW(progress.StepProgress(QStringLiteral("x")));
    EXPECT_EQ(progress.Position(), 1);

    // Without a window the reporter still keeps its gauge and its flag.
    CCalMsgOutput::SetFormFactory(nullptr);
    CCalMsgOutput silent(QStringLiteral("负荷计算"), nullptr);
    silent.SetProgressMax(2);
    silent.StepProgress(QStringLiteral("x"));
    silent.Stop();
    EXPECT_TRUE(CCalMsgOutput::IsCurrentStopped());
}
