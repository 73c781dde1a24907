#include "calc/CCalculate_Manager.h"
#include "tests/model/ModelFixture.h"

#include <array>

// Schedules written into the project: "时间表长" comes first in the table and uses day schedule
// "日程A1" every month; "时间表" uses week "W1": design day "日程A" (hour h: 4h %, 100 % at 23),
// winter design day none, Monday "日程缺失" (no such day schedule). "日程A1" (first in its table)
// holds 50 % all day.
class ScheduleLookupTest : public ModelFixture
{
protected:
    void SetUp() override
    {
        ModelFixture::SetUp();
        InsertDay(QStringLiteral("日程A1"), [](int) { return 50.0; });
        InsertDay(QStringLiteral("日程A"), [](int h) { return h == 23 ? 100.0 : 4.0 * h; });
        const int longWeek = InsertWeek(QStringLiteral("日程A1"), QString(), QString());
        const int week = InsertWeek(QStringLiteral("日程A"), QString(), QStringLiteral("日程缺失"));
        InsertSchedule(QStringLiteral("时间表长"), longWeek);
        InsertSchedule(QStringLiteral("时间表"), week);
    }

    void Exec(const CSQLStatement& statement) { m_project.ExecSQL(statement); }

    template <typename Value> void InsertDay(const QString& name, Value value)
    {
        QStringList columns{QStringLiteral("DayScheduleName")};
        QStringList marks{QStringLiteral("?")};
        QVariantList values{name};
        for (int h = 0; h < 24; ++h) {
            columns << QStringLiteral("Value_%1").arg(h);
            marks << QStringLiteral("?");
            values << value(h);
        }
        Exec({QStringLiteral("insert into DaySchedule (%1) values (%2)")
                  .arg(columns.join(','), marks.join(',')),
              values});
    }

    int InsertWeek(const QString& designDay, const QString& winterDay, const QString& monday)
    {
        Exec({"insert into WeekSchedule (DaySchedule_DesignDay, DaySchedule_WinterDesignDay, "
              "DaySchedule_Monday) "
              "values (?, ?, ?)",
              {designDay, winterDay, monday}});
        return m_project.QueryInt(CSQLStatement("select max(ID) from WeekSchedule"));
    }

    void InsertSchedule(const QString& name, int week)
    {
        QStringList columns{QStringLiteral("Name"), QStringLiteral("ScheduleType")};
        QVariantList values{name, 0};
        for (int month = 1; month <= 12; ++month) {
            columns << QStringLiteral("WeekSchedule_%1").arg(month);
            values << week;
        }
        Exec({QStringLiteral("insert into Schedule (%1) values (?,?,?,?,?,?,?,?,?,?,?,?,?,?)")
                  .arg(columns.join(',')),
              values});
    }

    static std::array<float, 24> Day(CCalculate_Manager& manager, const QString& name, int month, int dayType)
    {
        std::array<float, 24> values;
        values.fill(-1);
        manager.GetDaySchedule(name, month, dayType, values.data());
        return values;
    }

    static std::array<float, 24> Zeros() { return {}; }
};

TEST_F(ScheduleLookupTest, DayScheduleGivesItsPercentagesAsFractions)
{
    CCalculate_Manager manager;
    const std::array<float, 24> values = Day(manager, QStringLiteral("时间表"), 7, 1);
    EXPECT_FLOAT_EQ(values[0], 0.0f);
    EXPECT_FLOAT_EQ(values[10], 0.4f);
    EXPECT_FLOAT_EQ(values[23], 1.0f);
    // Every month names the same week here.
    EXPECT_EQ(Day(manager, QStringLiteral("时间表"), 1, 1), values);
    EXPECT_FLOAT_EQ(Day(manager, QStringLiteral("时间表长"), 7, 1)[5], 0.5f);
}

TEST_F(ScheduleLookupTest, NamesMatchExactlyNeverAsAPrefix)
{
    CCalculate_Manager manager;
    // "时间" and "" begin every schedule name; they name none.
    EXPECT_EQ(Day(manager, QStringLiteral("时间"), 7, 1), Zeros());
    EXPECT_EQ(Day(manager, QString(), 7, 1), Zeros());
    EXPECT_EQ(manager.FindSchedule(QStringLiteral("时间")), -1);
    // "日程A" is not "日程A1", which comes first in the table.
    EXPECT_FLOAT_EQ(Day(manager, QStringLiteral("时间表"), 7, 1)[5], 0.2f);
    EXPECT_EQ(manager.FindDaySchedule(QStringLiteral("日程")), -1);
}

TEST_F(ScheduleLookupTest, MissingPartsGiveZeros)
{
    CCalculate_Manager manager;
    EXPECT_EQ(Day(manager, QStringLiteral("无此时间表"), 7, 1), Zeros());
    EXPECT_EQ(Day(manager, QStringLiteral("时间表"), 7, 2), Zeros()) << "no day schedule named";
    EXPECT_EQ(Day(manager, QStringLiteral("时间表"), 7, 3), Zeros()) << "the named day schedule is missing";
}

TEST_F(ScheduleLookupTest, MonthAndDayTypeOutOfRangeRaiseWithTheCondition)
{
    struct SCase
    {
        int month;
        int dayType;
        const char* condition;
    };
    CCalculate_Manager manager;
    for (const SCase& c : {SCase{0, 1, "p_Month>=1"}, SCase{13, 1, "p_Month<=12"}, SCase{1, 11, "p_Day<=10"},
                           SCase{1, 0, "p_Day>=1"}}) {
        std::array<float, 24> values;
        values.fill(-1);
        try {
            manager.GetDaySchedule(QStringLiteral("时间表"), c.month, c.dayType, values.data());
            ADD_FAILURE() << c.condition;
        } catch (const Exception& error) {
            EXPECT_EQ(error.Message(), QString::fromLatin1(c.condition));
        }
        EXPECT_EQ(values, Zeros());
    }
}

TEST_F(ScheduleLookupTest, EachScheduleIsReadOncePerRun)
{
    CCalculate_Manager first;
    const std::array<float, 24> before = Day(first, QStringLiteral("时间表"), 7, 1);
    Exec(CSQLStatement("update DaySchedule set Value_10 = 90"));
    EXPECT_EQ(Day(first, QStringLiteral("时间表"), 7, 1), before);
    EXPECT_EQ(first.FindSchedule(QStringLiteral("时间表")), first.FindSchedule(QStringLiteral("时间表")));

    // A new run reads the tables again; the index remembered from the first run (its second
    // schedule) does not fit the new run's list and is ignored.
    Day(first, QStringLiteral("时间表长"), 7, 1);
    CCalculate_Manager second;
    EXPECT_EQ(second.FindSchedule(QStringLiteral("时间表")), 0);
    EXPECT_FLOAT_EQ(Day(second, QStringLiteral("时间表"), 7, 1)[10], 0.9f);
}
