// The program and its plug-ins reach the calculation library only through the shared objects in the
// program folder, so these tests load them the same way.
#include "calclib/dizedozev.h"
#include "calclib/rozadizo.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <cmath>
#include <cstdlib>
#include <string>

namespace {

class SharedObject
{
public:
    explicit SharedObject(const char* fileName)
    {
        const char* dir = std::getenv("DIDIVOV_BIN_DIR");
        const std::string path = std::string(dir ? dir : DIDIVOV_BIN_DIR_DEFAULT) + "/" + fileName;
        m_handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    }
    ~SharedObject()
    {
        if (m_handle)
            dlclose(m_handle);
    }
    SharedObject(const SharedObject&) = delete;
    SharedObject& operator=(const SharedObject&) = delete;
    bool Loaded() const { return m_handle != nullptr; }
    void* Symbol(const char* name) const { return m_handle ? dlsym(m_handle, name) : nullptr; }

private:
    void* m_handle = nullptr;
};

const char* const kExported[] = {"SetLibDir",
                                 "SetDesignContext",
                                 "ResetDesignContext",
                                 "SetHeatingSwingFactor",
                                 "SetRoomOpeningArea",
                                 "GetMax",
                                 "GetDB",
                                 "GetDB12",
                                 "GetWB12",
                                 "GetDB12_Heating",
                                 "GetTWN",
                                 "GetpMonthly",
                                 "GetpDaily",
                                 "GetIsUsingepsilon",
                                 "GetIndoortRH",
                                 "GetMaxSHG12",
                                 "SunriseSunset",
                                 "Get8760hData",
                                 "Read8760hData",
                                 "GetAverageWD",
                                 "GetTimefromTable",
                                 "Get_WallParameters_D_Multiplier",
                                 "GetCL_Person",
                                 "GetDL_Person",
                                 "GetCL_Light",
                                 "GetCL_HeatingEquipment",
                                 "GetCL_ElectricEquipment",
                                 "GetCL_ElectronicEquipment",
                                 "GetDL_Equipment",
                                 "GetCL_Addition_Food",
                                 "GetDL_Addition_Food",
                                 "GetCL_ChemicalReaction",
                                 "GetCL_Addition_Vapor_Precision",
                                 "GetDL_Addition_Vapor_Precision",
                                 "GetCL_Addition_Infiltration_N",
                                 "GetDL_Addition_Infiltration",
                                 "GetCL_FreshAir_D",
                                 "GetCL_Enclose_Simple",
                                 "GetCL_FanAndDuct",
                                 "GetDL_Enclosure",
                                 "GetCL_PumpAndPipe",
                                 "GetCL_OutEnclose_Wall_v2005_Angle",
                                 "GetCL_OutEnclose_Roof",
                                 "GetCL_OutEnclose_Window",
                                 "GetCL_OutEnclose_Window_2014_Angle",
                                 "GetCL_OutEnclose_Solar_Daily_Angle",
                                 "GetCL_SkyWindow_Solar_Angle",
                                 "GetCL_SkyWindow_Solar_Daily_Angle",
                                 "GetCL_InEnclose_Wall_v2005",
                                 "GetCL_InEnclose_Window_v2005",
                                 "GetCL_InEnclose_Floor_v2005",
                                 "GetCL_ProjectionFloor",
                                 "GetCL_GapWall",
                                 "GetCL_Ground",
                                 "GetCL_BasementWall",
                                 "GetHL_OutWall_Angle_v2012",
                                 "GetHL_OutWindow_Angle_v2012",
                                 "GetHL_IndoorWindow_v2012",
                                 "GetHL_IndoorWall_v2012",
                                 "GetHL_Ceiling_v2012",
                                 "GetHL_Floor_v2012",
                                 "GetHL_Skylight_Angle_v2012",
                                 "GetHL_Roof_Angle_v2012",
                                 "GetHL_BlindStory_v2012",
                                 "GetHL_Ground_v2012",
                                 "GetHL_BasementWall_v2012",
                                 "GetHL_OutFloor_v2012",
                                 "GetHL_FengWall_v2012",
                                 "GetHL_Others",
                                 "CheckMinK_OutWall",
                                 "CheckMinK_OutDoor",
                                 "CheckMinK_IndoorWall_v2005",
                                 "CheckMinK_Ceiling_v2005",
                                 "CheckMinK_Floor_v2005",
                                 "CheckMinK_Roof",
                                 "CheckMinK_OutFloor",
                                 "CheckMinK_BlindStory",
                                 "CheckMinK_Ground",
                                 "CheckMinK_FengWall",
                                 "CheckMinK_BasementWall"};

} // namespace

TEST(LibraryAbi, EveryFunctionIsExportedUnderItsPlainName)
{
    SharedObject lib("libdizedozev.so");
    ASSERT_TRUE(lib.Loaded()) << dlerror();
    for (const char* name : kExported)
        EXPECT_NE(lib.Symbol(name), nullptr) << name;
    // Internals stay hidden: nothing of the psychrometrics module leaks under a C++ name.
    EXPECT_EQ(lib.Symbol("_ZN7calclib3psy18SaturationPressureEd"), nullptr);
}

// The psychrometric library is looked up by name at run time; its third output is the wet bulb.
TEST(LibraryAbi, PsychrometricLibraryGivesWetBulb)
{
    SharedObject lib("librozadizo.so");
    ASSERT_TRUE(lib.Loaded()) << dlerror();
    auto fn = reinterpret_cast<decltype(&ptRH_all)>(lib.Symbol("ptRH_all"));
    ASSERT_NE(fn, nullptr);
    float out[8] = {};
    // ASHRAE Fundamentals ch. 1 Example 1 read backwards: 40 ℃ at 14 % RH has a wet bulb near 20 ℃.
    fn(101325.0f, 40.0f, 0.1396f, &out[0], &out[1], &out[2], &out[3], &out[4], &out[5], &out[6], &out[7]);
    EXPECT_NEAR(out[0], 6.4, 0.1);  // g/kg
    EXPECT_NEAR(out[1], 56.7, 0.2); // kJ/kg
    EXPECT_NEAR(out[2], 20.0, 0.1);
    EXPECT_NEAR(out[7], 0.896, 0.002);
    // Hostile input: finite outputs, wet bulb never above the dry bulb.
    for (float rh : {-1.0f, 0.0f, 1.0f, 7.0f, NAN}) {
        fn(NAN, 25.0f, rh, &out[0], &out[1], &out[2], &out[3], &out[4], &out[5], &out[6], &out[7]);
        for (float v : out)
            EXPECT_TRUE(std::isfinite(v)) << rh;
        EXPECT_LE(out[2], 25.0f);
    }
    fn(101325.0f, 25.0f, 0.5f, nullptr, nullptr, &out[2], nullptr, nullptr, nullptr, nullptr, nullptr);
    EXPECT_NEAR(out[2], 17.9, 0.2);
}

namespace {

constexpr float kNaN = NAN;

template <typename T, int N> struct Out
{
    T v[N];
    Out()
    {
        for (T& x : v)
            x = static_cast<T>(NAN);
    }
    bool AllFinite() const
    {
        for (T x : v)
            if (!std::isfinite(x))
                return false;
        return true;
    }
};

template <typename F> F Get(const SharedObject& lib, const char* name, F)
{
    return reinterpret_cast<F>(lib.Symbol(name));
}
#define CALCLIB_FN(lib, name) Get(lib, #name, &name)

} // namespace

// Whatever the program passes (an empty field read as NaN, a negative area, garbage codes), every
// function fills every output with finite numbers and does not crash.
TEST(LibraryAbi, HostileInputGivesFiniteCompleteOutputs)
{
    SharedObject lib("libdizedozev.so");
    ASSERT_TRUE(lib.Loaded());
    for (const char* name : kExported)
        ASSERT_NE(lib.Symbol(name), nullptr) << name;

    float nanIn[24];
    double nanInD[24];
    for (int i = 0; i < 24; ++i) {
        nanIn[i] = kNaN;
        nanInD[i] = NAN;
    }
    const float* schedules[] = {nanIn, nullptr};
    const double* schedulesD[] = {nanInD, nullptr};

    for (float x : {kNaN, -5.0f}) {
        for (int code : {-1, 99}) {
            for (int s = 0; s < 2; ++s) {
                const float* sch = schedules[s];
                const double* schD = schedulesD[s];
                SCOPED_TRACE(::testing::Message() << "x=" << x << " code=" << code << " schedule#" << s);
                {
                    Out<float, 24> a, b;
                    CALCLIB_FN(lib, GetCL_Person)(x, x, code, x, code, x, code, code, x, sch, a.v, b.v);
                    EXPECT_TRUE(a.AllFinite() && b.AllFinite()) << "GetCL_Person";
                }
                {
                    Out<float, 24> a;
                    CALCLIB_FN(lib, GetDL_Person)(x, x, x, code, x, sch, a.v);
                    EXPECT_TRUE(a.AllFinite()) << "GetDL_Person";
                }
                {
                    Out<float, 24> a;
                    CALCLIB_FN(lib, GetCL_Light)(code, x, x, x, x, x, code, code, code, x, sch, a.v);
                    EXPECT_TRUE(a.AllFinite()) << "GetCL_Light";
                }
                {
                    Out<float, 24> a;
                    CALCLIB_FN(lib, GetCL_HeatingEquipment)(code, x, x, x, x, x, code, code, x, sch, a.v);
                    EXPECT_TRUE(a.AllFinite()) << "GetCL_HeatingEquipment";
                }
                {
                    Out<float, 24> a;
                    CALCLIB_FN(lib, GetCL_ElectricEquipment)(code, x, x, x, x, code, code, code, x, sch, a.v);
                    EXPECT_TRUE(a.AllFinite()) << "GetCL_ElectricEquipment";
                }
                {
                    Out<float, 24> a;
                    CALCLIB_FN(lib, GetCL_ElectronicEquipment)(code, x, x, x, x, code, code, x, sch, a.v);
                    EXPECT_TRUE(a.AllFinite()) << "GetCL_ElectronicEquipment";
                }
                {
                    Out<float, 24> a;
                    CALCLIB_FN(lib, GetDL_Equipment)(code, x, sch, a.v);
                    EXPECT_TRUE(a.AllFinite()) << "GetDL_Equipment";
                }
                {
                    Out<float, 24> a, b;
                    CALCLIB_FN(lib, GetCL_Addition_Food)(code, x, code, code, x, sch, a.v);
                    CALCLIB_FN(lib, GetDL_Addition_Food)(code, x, sch, b.v);
                    EXPECT_TRUE(a.AllFinite() && b.AllFinite()) << "food";
                }
                {
                    Out<double, 24> a, b, c;
                    CALCLIB_FN(lib, GetCL_ChemicalReaction)(x, x, x, x, x, schD, a.v, b.v, c.v);
                    EXPECT_TRUE(a.AllFinite() && b.AllFinite() && c.AllFinite()) << "GetCL_ChemicalReaction";
                }
                {
                    Out<float, 24> a, b;
                    CALCLIB_FN(lib, GetCL_Addition_Vapor_Precision)(x, x, code, code, x, sch, a.v, x, x, x);
                    CALCLIB_FN(lib, GetDL_Addition_Vapor_Precision)(x, x, code, x, sch, b.v, x, x, x);
                    EXPECT_TRUE(a.AllFinite() && b.AllFinite()) << "water surface";
                }
                {
                    Out<float, 24> a, b, c;
                    CALCLIB_FN(lib, GetCL_Addition_Infiltration_N)
                    (x, x, x, x, x, nanIn, nullptr, x, code, sch, a.v, b.v, x);
                    CALCLIB_FN(lib, GetDL_Addition_Infiltration)
                    (x, x, x, x, x, nullptr, nanIn, x, code, sch, c.v);
                    EXPECT_TRUE(a.AllFinite() && b.AllFinite() && c.AllFinite()) << "infiltration";
                }
                {
                    Out<float, 24> a, b, c, d;
                    CALCLIB_FN(lib, GetCL_FreshAir_D)(x, x, x, x, nanIn, nanIn, sch, a.v, b.v, c.v, d.v);
                    EXPECT_TRUE(a.AllFinite() && b.AllFinite() && c.AllFinite() && d.AllFinite())
                        << "fresh air";
                }
                {
                    Out<float, 24> a;
                    CALCLIB_FN(lib, GetCL_Enclose_Simple)(x, x, a.v);
                    EXPECT_TRUE(a.AllFinite()) << "GetCL_Enclose_Simple";
                }
                {
                    Out<double, 24> a, b, c, d;
                    CALCLIB_FN(lib, GetCL_FanAndDuct)(x, x, x, schD, a.v);
                    CALCLIB_FN(lib, GetDL_Enclosure)(x, schD, b.v, c.v);
                    CALCLIB_FN(lib, GetCL_PumpAndPipe)(x, x, x, schD, d.v);
                    EXPECT_TRUE(a.AllFinite() && b.AllFinite() && c.AllFinite() && d.AllFinite())
                        << "room level";
                }
            }
            {
                Out<float, 1> mx, mn;
                CALCLIB_FN(lib, GetMax)(nanIn, mx.v, mn.v);
                Out<float, 24> db, twn;
                CALCLIB_FN(lib, GetDB)(x, x, db.v);
                CALCLIB_FN(lib, GetTWN)(x, x, twn.v);
                EXPECT_TRUE(mx.AllFinite() && mn.AllFinite() && db.AllFinite() && twn.AllFinite()) << "daily";
                Out<float, 288> db12, wb12, heat12;
                CALCLIB_FN(lib, GetDB12)(x, x, x, db12.v);
                CALCLIB_FN(lib, GetWB12)(x, x, x, x, x, x, x, wb12.v);
                CALCLIB_FN(lib, GetDB12_Heating)(x, x, x, heat12.v);
                EXPECT_TRUE(db12.AllFinite() && wb12.AllFinite() && heat12.AllFinite()) << "monthly";
                Out<float, 12> pm;
                Out<float, 365> pd, rise, set;
                CALCLIB_FN(lib, GetpMonthly)(x, x, pm.v);
                CALCLIB_FN(lib, GetpDaily)(x, x, pd.v);
                CALCLIB_FN(lib, SunriseSunset)(x, rise.v, set.v);
                EXPECT_TRUE(pm.AllFinite() && pd.AllFinite() && rise.AllFinite() && set.AllFinite())
                    << "yearly";
                Out<float, 1> t, rh;
                CALCLIB_FN(lib, GetIsUsingepsilon)(x, x, x, nanIn, nullptr);
                CALCLIB_FN(lib, GetIndoortRH)(x, x, x, x, x, nullptr, nanIn, t.v, rh.v);
                Out<float, 108> shg;
                CALCLIB_FN(lib, GetMaxSHG12)(x, x, x, code, shg.v, x, code, code);
                EXPECT_TRUE(shg.AllFinite()) << "GetMaxSHG12";
                int32_t begin = -7, end = -7;
                CALCLIB_FN(lib, GetTimefromTable)(nanIn, &begin, &end);
                EXPECT_EQ(begin, 0);
                EXPECT_EQ(end, 0);
                Out<float, 8> wall;
                const float layer[2] = {x, x};
                CALCLIB_FN(lib, Get_WallParameters_D_Multiplier)
                (2, layer, layer, layer, layer, layer, &wall.v[0], &wall.v[1], &wall.v[2], &wall.v[3],
                 &wall.v[4], &wall.v[5], &wall.v[6], &wall.v[7]);
                EXPECT_TRUE(wall.AllFinite()) << "Get_WallParameters_D_Multiplier";
                CALCLIB_FN(lib, Get_WallParameters_D_Multiplier)
                (code, nullptr, nullptr, nullptr, nullptr, nullptr, &wall.v[0], &wall.v[1], &wall.v[2],
                 &wall.v[3], &wall.v[4], &wall.v[5], &wall.v[6], &wall.v[7]);
                EXPECT_TRUE(wall.AllFinite()) << "Get_WallParameters_D_Multiplier null layers";
            }
        }
    }
}
