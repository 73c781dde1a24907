#include "calclib/dizedozev.h"
#include "tests/data/GeneratedDatabase.h"

#include <gtest/gtest.h>

#include <QMap>
#include <cmath>
#include <vector>

// The shipped construction and base-material libraries: their columns, the agreement of every
// construction's thermal values with its layers, and the records the program relies on.

namespace {

const QString kSystem = "System/SysData.dat";
const QString kIssue = "IssueData/SysData.dat";
const QString kProject = "Project/ProjectModule.dat";
const QString kMaterials = "lib/Material.mdb";
const QString kStandard = QStringLiteral("标准材料");

const QStringList kBase = {"ID", "Name", "catergory", "BMP", "Old_ID"};
const QStringList kLayeredColumns = {"InsulationMaterials",
                                     "Deta",
                                     "K_S",
                                     "K_W",
                                     "Beta",
                                     "D",
                                     "v_S",
                                     "v_W",
                                     "Kesi_S",
                                     "Kesi_W",
                                     "vn_S",
                                     "vn_W",
                                     "Kesin_S",
                                     "Kesin_W"};
const QStringList kGlazing = {"Pane", "GlassType", "FrameType", "K_S", "K_W"};
const QStringList kShading = {"ShieldType",      "InsideShieldMaterials", "OutsideShield_B",
                              "OutsideShield_H", "OutsideShield_l",       "OutsideShield_m",
                              "OutsideShield_f", "OutsideShield_g"};
const QStringList kExfiltration = {"ExfiltrationGrade", "ExfiltrationCoefficient"};

enum class Shape
{
    Layered,
    Basement,
    Glazing,
    Ground
};

struct Kind
{
    int code;
    QString table;
    Shape shape;
    QStringList columns; // besides kBase
};

// Columns exchanged by the record classes, the exchange-file column sets, the edit frames and the
// upgrade steps that reach a database of the current version.
const std::vector<Kind>& Kinds()
{
    static const std::vector<Kind> kinds = {
        {0, "OutsideWall_Lib", Shape::Layered, kLayeredColumns},
        {1, "InsideWall_Lib", Shape::Layered, kLayeredColumns},
        {2, "Ceiling_Lib", Shape::Layered, kLayeredColumns},
        {3, "Floor_Lib", Shape::Layered, kLayeredColumns},
        {4, "Roof_Lib", Shape::Layered, kLayeredColumns},
        {5, "BlindStorey_Lib", Shape::Layered, kLayeredColumns},
        {6, "OutsideWindow_Lib", Shape::Glazing,
         kGlazing + QStringList{"g", "Inside_Sunshade", "Outside_Sunshade", "Glass_Revise"} + kExfiltration +
             kShading},
        {7, "OutsideDoor_Lib", Shape::Glazing, kGlazing + QStringList{"g"} + kExfiltration + kShading},
        {8, "GlassCurtainWall_Lib", Shape::Glazing, kGlazing + QStringList{"g"} + kExfiltration},
        {9, "GlassRoof_Lib", Shape::Glazing, kGlazing + QStringList{"g"}},
        {10, "InsideWindow_Lib", Shape::Glazing, kGlazing},
        {11, "InsideDoor_Lib", Shape::Glazing, kGlazing},
        {12, "SkyWindow_Lib", Shape::Glazing, kGlazing + QStringList{"g"}},
        {13, "Ground_Lib", Shape::Ground, {"InsulationMaterials", "Deta", "GroundType", "K_S", "K_W"}},
        {14, "ProjectionFloor_Lib", Shape::Layered, kLayeredColumns},
        {15, "GapWall_Lib", Shape::Layered, kLayeredColumns},
        {19, "BasementWall_Lib", Shape::Basement, {"InsulationMaterials", "Deta", "K_S", "K_W", "Beta", "D"}},
    };
    return kinds;
}

const QStringList kLayerColumns = {"ID",        "StructID",   "MaterialID", "Type", "ComType",
                                   "Name",      "deta",       "lamda",      "pho",  "cp",
                                   "ItemIndex", "Multiplier", "Old_ID"};
const QStringList kMaterialEditColumns = {"struct_id", "type", "basematerial_id"};

double Real(const QVariant& v)
{
    return v.toDouble();
}

struct Layers
{
    std::vector<float> thickness, lambda, multiplier, density, specificHeat;
    std::vector<int> itemIndex;
};

Layers LoadLayers(const GeneratedDatabase& db, int kind, int id)
{
    Layers l;
    const QString select =
        "SELECT %1 FROM Material_detail WHERE StructID = ? AND Type = ? ORDER BY ItemIndex";
    const auto column = [&](const char* name) { return db.Column(QString(select).arg(name), {id, kind}); };
    for (const QVariant& v : column("deta"))
        l.thickness.push_back(v.toFloat());
    for (const QVariant& v : column("lamda"))
        l.lambda.push_back(v.toFloat());
    for (const QVariant& v : column("Multiplier"))
        l.multiplier.push_back(v.toFloat());
    for (const QVariant& v : column("pho"))
        l.density.push_back(v.toFloat());
    for (const QVariant& v : column("cp"))
        l.specificHeat.push_back(v.toFloat());
    for (const QVariant& v : column("ItemIndex"))
        l.itemIndex.push_back(v.toInt());
    return l;
}

// The editor stores two decimals, so a stored value agrees when it rounds to the same figure.
void ExpectAgrees(double stored, float computed, const QString& what)
{
    EXPECT_NEAR(stored, computed, 0.005 + 1e-5 * std::fabs(computed)) << qPrintable(what);
}

} // namespace

TEST(ConstructionLibrary, EveryExchangedColumnExistsInTheSystemAndTheBlankProject)
{
    for (const QString& file : {kSystem, kProject}) {
        GeneratedDatabase db(file);
        for (const Kind& kind : Kinds())
            EXPECT_EQ(db.MissingColumns(kind.table, kBase + kind.columns), QStringList())
                << qPrintable(file + " " + kind.table);
        EXPECT_EQ(db.MissingColumns("Material_detail", kLayerColumns), QStringList()) << qPrintable(file);
        EXPECT_EQ(db.MissingColumns("MaterialEdit", kMaterialEditColumns), QStringList()) << qPrintable(file);
    }
    GeneratedDatabase materials(kMaterials);
    EXPECT_EQ(
        materials.MissingColumns("Material", {"ID", "Name", "deta", "lamda", "pho", "cp", "Explain", "BMP"}),
        QStringList());
    EXPECT_EQ(materials.MissingColumns("tbl_tree", {"f_level", "f_index", "f_id", "f_parentid", "f_caption",
                                                    "f_imageindex", "f_type", "f_dataid"}),
              QStringList());
    EXPECT_EQ(
        materials.MissingColumns("Product", {"ID", "Totaldeta", "K", "Beta", "Mu", "kesi", "Muf", "Kesif"}),
        QStringList());
}

// New inserts every column of a system record into the project's table, so the two must agree.
TEST(ConstructionLibrary, BlankProjectTablesMatchTheSystemTablesAndAreEmpty)
{
    GeneratedDatabase system(kSystem);
    GeneratedDatabase project(kProject);
    QStringList tables = {"Material_detail", "MaterialEdit"};
    for (const Kind& kind : Kinds())
        tables << kind.table;
    for (const QString& table : tables) {
        const auto sorted = [&table](const GeneratedDatabase& db) {
            QStringList names;
            for (const QString& name : db.Columns(table))
                names << name.toLower();
            names.sort();
            return names;
        };
        EXPECT_EQ(sorted(system), sorted(project)) << qPrintable(table);
        EXPECT_EQ(project.Scalar("SELECT COUNT(*) FROM " + table).toInt(), 0) << qPrintable(table);
    }
}

TEST(ConstructionLibrary, AtLeastThreeStandardRecordsOfEveryKind)
{
    for (const QString& file : {kSystem, kIssue}) {
        GeneratedDatabase db(file);
        for (const Kind& kind : Kinds())
            EXPECT_GE(
                db.Scalar("SELECT COUNT(*) FROM " + kind.table + " WHERE catergory = ?", {kStandard}).toInt(),
                3)
                << qPrintable(file + " " + kind.table);
    }
}

// Each default value naming a construction library holds the ID of a record that exists.
TEST(ConstructionLibrary, DefaultValuesNameExistingRecords)
{
    GeneratedDatabase db(kSystem);
    for (const Kind& kind : Kinds()) {
        const QString name = kind.table.left(kind.table.size() - 4) + "Name";
        const QVariant value = db.Scalar("SELECT I_Value FROM Initialization WHERE I_Name = ?", {name});
        ASSERT_TRUE(value.isValid()) << qPrintable(name);
        EXPECT_EQ(db.Scalar("SELECT COUNT(*) FROM " + kind.table + " WHERE ID = ?", {value.toInt()}).toInt(),
                  1)
            << qPrintable(name);
    }
}

// Recomputes every layered construction from its stored layers, the way "计算并返回" does.
TEST(ConstructionLibrary, ThermalValuesAgreeWithTheLayers)
{
    GeneratedDatabase db(kSystem);
    for (const Kind& kind : Kinds()) {
        if (kind.shape != Shape::Layered && kind.shape != Shape::Basement)
            continue;
        for (const QVariant& idValue : db.Column("SELECT ID FROM " + kind.table + " ORDER BY ID")) {
            const int id = idValue.toInt();
            const QString where = QString("%1 ID %2").arg(kind.table).arg(id);
            const Layers l = LoadLayers(db, kind.code, id);
            ASSERT_FALSE(l.thickness.empty()) << qPrintable(where + " has no layers");
            for (std::size_t i = 0; i < l.itemIndex.size(); ++i)
                EXPECT_EQ(l.itemIndex[i], static_cast<int>(i)) << qPrintable(where);
            float delta, k, beta, nu, xi, nuIn, xiIn, d;
            Get_WallParameters_D_Multiplier(static_cast<int32_t>(l.thickness.size()), l.thickness.data(),
                                            l.lambda.data(), l.multiplier.data(), l.density.data(),
                                            l.specificHeat.data(), &delta, &k, &beta, &nu, &xi, &nuIn, &xiIn,
                                            &d);
            const auto stored = [&](const QString& column) {
                return Real(db.Scalar("SELECT " + column + " FROM " + kind.table + " WHERE ID = ?", {id}));
            };
            ExpectAgrees(stored("Deta"), delta, where + " Deta");
            ExpectAgrees(stored("K_S"), k, where + " K_S");
            ExpectAgrees(stored("K_W"), k, where + " K_W");
            ExpectAgrees(stored("Beta"), beta, where + " Beta");
            ExpectAgrees(stored("D"), d, where + " D");
            if (kind.shape == Shape::Basement)
                continue;
            for (const char* season : {"_S", "_W"}) {
                ExpectAgrees(stored(QString("v") + season), nu, where + " v");
                ExpectAgrees(stored(QString("Kesi") + season), xi, where + " Kesi");
                ExpectAgrees(stored(QString("vn") + season), nuIn, where + " vn");
                ExpectAgrees(stored(QString("Kesin") + season), xiIn, where + " Kesin");
            }
        }
    }
}

// Steady-state values by hand (GB 50176: R = δ/λ, S = 0.2697·√(λρc), D = ΣR·S, films 8.7 and 23).
TEST(ConstructionLibrary, HandCalculatedWalls)
{
    struct Case
    {
        const char* table;
        const char* name;
        double delta, k, d;
    };
    const Case cases[] = {
        // R = 1/8.7 + 0.02/0.87 + 0.24/0.81 + 0.02/0.93 + 1/23 = 0.49921, K = 2.0032;
        // S = 10.628, 10.553, 11.307: D = 0.02299·10.628 + 0.29630·10.553 + 0.02151·11.307 = 3.614
        {"OutsideWall_Lib", "240粘土砖墙(内外抹灰)", 280, 2.0032, 3.614},
        // with 50 mm EPS (S 0.2869) and 10 mm cement mortar outside: R = 1.70797, K = 0.5855;
        // D = 0.2443 + 3.1267 + 1.21951·0.2869 + 0.01075·11.307 = 3.842
        {"OutsideWall_Lib", "240粘土砖墙+50模塑聚苯板外保温", 320, 0.5855, 3.842},
        // soil against the felt, no film given, so the outer 1/23 is counted:
        // R = 1/8.7 + 0.02/0.93 + 0.3/1.74 + 0.004/0.17 + 1/23 = 0.37587, K = 2.6605;
        // S = 11.307, 17.062, 3.302: D = 0.2432 + 2.9417 + 0.0777 = 3.263
        {"BasementWall_Lib", "300钢筋混凝土地下室外墙(无保温)", 324, 2.6605, 3.263},
    };
    GeneratedDatabase db(kSystem);
    for (const Case& c : cases) {
        const QString select = QString("SELECT %1 FROM ") + c.table + " WHERE Name = ?";
        EXPECT_NEAR(Real(db.Scalar(select.arg("Deta"), {QString(c.name)})), c.delta, 1e-6) << c.name;
        EXPECT_NEAR(Real(db.Scalar(select.arg("K_W"), {QString(c.name)})), c.k, 0.0005) << c.name;
        EXPECT_NEAR(Real(db.Scalar(select.arg("D"), {QString(c.name)})), c.d, 0.005) << c.name;
    }
}

// K = (1 - f)·Ug + f·Uf and g = (1 - f)·SHGC from the centre-of-glass figures; a pane between two
// rooms swaps the outer film 1/23 for an inner one 1/8.7.
TEST(ConstructionLibrary, GlazingFromCentreOfGlassAndFrame)
{
    struct Case
    {
        const char* table;
        const char* name;
        double k, g; // g < 0: the table has no g
    };
    const Case cases[] = {
        {"OutsideWindow_Lib", "双层透明中空玻璃断热铝合金窗", 2.92, 0.57}, // 0.75·2.73 + 0.25·3.5; 0.75·0.76
        {"OutsideWindow_Lib", "单层透明玻璃铝合金窗", 5.91, 0.65},         // 0.75·5.91 + 0.25·5.9; 0.645
        {"OutsideWindow_Lib", "三层Low-E中空玻璃塑钢窗", 1.27, 0.40},      // 0.765 + 0.5; 0.3975
        {"OutsideDoor_Lib", "双层Low-E中空玻璃断热铝合金门", 2.32, 0.46}, // 0.7·1.82 + 0.3·3.5; 0.455
        {"GlassCurtainWall_Lib", "双层Low-E中空玻璃断热铝合金幕墙", 2.07, 0.55}, // 0.85·1.82 + 0.15·3.5
        {"SkyWindow_Lib", "单层透明玻璃铝合金天窗", 5.91, 0.65},
        // 1/(1/4.9325 - 1/23 + 1/8.7) = 3.647
        {"InsideWindow_Lib", "单层透明玻璃木框内窗", 3.65, -1},
        // 0.6·2.73 + 0.4·2.0 = 2.438; 1/(1/2.438 - 1/23 + 1/8.7) = 2.076
        {"InsideDoor_Lib", "双层中空玻璃木门", 2.08, -1},
    };
    GeneratedDatabase db(kSystem);
    for (const Case& c : cases) {
        const QString select = QString("SELECT %1 FROM ") + c.table + " WHERE Name = ? AND catergory = ?";
        const QVariantList key = {QString(c.name), kStandard};
        EXPECT_NEAR(Real(db.Scalar(select.arg("K_S"), key)), c.k, 1e-9) << c.name;
        EXPECT_NEAR(Real(db.Scalar(select.arg("K_W"), key)), c.k, 1e-9) << c.name;
        if (c.g >= 0) {
            EXPECT_NEAR(Real(db.Scalar(select.arg("g"), key)), c.g, 1e-9) << c.name;
        }
    }
}

TEST(ConstructionLibrary, GlazingRecordsAreConsistent)
{
    // Crack infiltration coefficient by air-permeability grade, GB 50019-2003.
    const QMap<QString, double> coefficient = {
        {"I", 0.1}, {"II", 0.3}, {"III", 0.5}, {"IV", 0.8}, {"V", 1.2}};
    GeneratedDatabase db(kSystem);
    for (const Kind& kind : Kinds()) {
        if (kind.shape != Shape::Glazing)
            continue;
        EXPECT_EQ(db.Scalar("SELECT COUNT(*) FROM " + kind.table + " WHERE K_S <> K_W OR K_W <= 0").toInt(),
                  0)
            << qPrintable(kind.table);
        if (kind.columns.contains("g")) {
            EXPECT_EQ(
                db.Scalar("SELECT COUNT(*) FROM " + kind.table + " WHERE NOT (g > 0 AND g < 1)").toInt(), 0)
                << qPrintable(kind.table);
        }
        if (!kind.columns.contains("ExfiltrationGrade"))
            continue;
        const QVariantList grades = db.Column("SELECT ExfiltrationGrade FROM " + kind.table + " ORDER BY ID");
        const QVariantList values =
            db.Column("SELECT ExfiltrationCoefficient FROM " + kind.table + " ORDER BY ID");
        for (int i = 0; i < grades.size(); ++i) {
            ASSERT_TRUE(coefficient.contains(grades[i].toString())) << qPrintable(kind.table);
            EXPECT_DOUBLE_EQ(values[i].toDouble(), coefficient[grades[i].toString()])
                << qPrintable(kind.table);
        }
    }
    // The calculation multiplies a window's g by these three factors: 0 would lose its solar gain.
    EXPECT_EQ(db.Scalar("SELECT COUNT(*) FROM OutsideWindow_Lib WHERE Inside_Sunshade <> 1 OR "
                        "Outside_Sunshade <> 1 OR Glass_Revise <> 1")
                  .toInt(),
              0);
}

// The four ground zones, K 0.47, 0.23, 0.12 and 0.07 W/(m²·℃), ground category 0.
TEST(ConstructionLibrary, FourGroundZones)
{
    const std::pair<const char*, double> zones[] = {
        {"第一地带", 0.47}, {"第二地带", 0.23}, {"第三地带", 0.12}, {"第四地带", 0.07}};
    GeneratedDatabase db(kSystem);
    for (const auto& [name, k] : zones) {
        const QVariantList key = {QString(name), kStandard};
        EXPECT_DOUBLE_EQ(
            Real(db.Scalar("SELECT K_S FROM Ground_Lib WHERE Name = ? AND catergory = ? AND GroundType = 0",
                           key)),
            k)
            << name;
        EXPECT_DOUBLE_EQ(Real(db.Scalar("SELECT K_W FROM Ground_Lib WHERE Name = ?", {QString(name)})), k)
            << name;
    }
}

// Library code finds records by name and category as the Jet database did, ignoring letter case.
TEST(ConstructionLibrary, NamesAndCategoriesCompareWithoutCase)
{
    GeneratedDatabase db(kSystem);
    EXPECT_EQ(db.Scalar("SELECT COUNT(*) FROM GlassCurtainWall_Lib WHERE Name = ? AND catergory = ?",
                        {QStringLiteral("双层low-e中空玻璃断热铝合金幕墙"), kStandard})
                  .toInt(),
              1);
}

// The stored layers are the base materials they were taken from.
TEST(ConstructionLibrary, LayersAreBaseMaterials)
{
    GeneratedDatabase system(kSystem);
    GeneratedDatabase materials(kMaterials);
    const QVariantList ids = system.Column("SELECT ID FROM Material_detail ORDER BY ID");
    ASSERT_FALSE(ids.isEmpty());
    for (const QVariant& id : ids) {
        const auto layer = [&](const char* column) {
            return system.Scalar(QString("SELECT %1 FROM Material_detail WHERE ID = ?").arg(column), {id});
        };
        const int materialId = layer("MaterialID").toInt();
        const auto base = [&](const char* column) {
            return materials.Scalar(QString("SELECT %1 FROM Material WHERE ID = ?").arg(column),
                                    {materialId});
        };
        const QString where = QString("layer %1, material %2").arg(id.toInt()).arg(materialId);
        ASSERT_TRUE(base("ID").isValid()) << qPrintable(where);
        EXPECT_EQ(layer("Name").toString(), base("Name").toString()) << qPrintable(where);
        EXPECT_DOUBLE_EQ(layer("lamda").toDouble(), base("lamda").toDouble()) << qPrintable(where);
        EXPECT_DOUBLE_EQ(layer("pho").toDouble(), base("pho").toDouble()) << qPrintable(where);
        EXPECT_DOUBLE_EQ(layer("cp").toDouble(), base("cp").toDouble()) << qPrintable(where);
        EXPECT_EQ(
            layer("ComType").toInt(),
            materials
                .Scalar("SELECT f_type FROM tbl_tree WHERE f_dataid = ? AND f_imageindex = 1", {materialId})
                .toInt())
            << qPrintable(where);
    }
}

// The category trees load as the base-material tree expects: every material node points at its row,
// categories carry -1, node ids are unique and siblings are numbered 0, 1, 2 … without gaps.
TEST(ConstructionLibrary, BaseMaterialTreesAreWellFormed)
{
    GeneratedDatabase db(kMaterials);
    for (int type = 0; type < 4; ++type)
        EXPECT_GT(
            db.Scalar("SELECT COUNT(*) FROM tbl_tree WHERE f_type = ? AND f_imageindex = 1", {type}).toInt(),
            0)
            << "material type " << type;
    EXPECT_EQ(db.Scalar("SELECT COUNT(*) FROM tbl_tree t WHERE f_imageindex = 1 AND NOT EXISTS "
                        "(SELECT 1 FROM Material m WHERE m.ID = t.f_dataid AND m.Name = t.f_caption)")
                  .toInt(),
              0);
    EXPECT_EQ(db.Scalar("SELECT COUNT(*) FROM tbl_tree WHERE f_imageindex = 0 AND f_dataid <> -1").toInt(),
              0);
    EXPECT_EQ(db.Scalar("SELECT COUNT(*) FROM Material m WHERE NOT EXISTS "
                        "(SELECT 1 FROM tbl_tree t WHERE t.f_dataid = m.ID AND t.f_imageindex = 1)")
                  .toInt(),
              0);
    EXPECT_EQ(
        db.Scalar(
              "SELECT COUNT(*) FROM (SELECT f_type, f_parentid, COUNT(*) AS n, MIN(f_index) AS lo, "
              "MAX(f_index) AS hi, COUNT(DISTINCT f_index) AS d FROM tbl_tree GROUP BY f_type, f_parentid) "
              "WHERE lo <> 0 OR hi <> n - 1 OR d <> n")
            .toInt(),
        0);
    EXPECT_EQ(
        db.Scalar(
              "SELECT COUNT(*) FROM tbl_tree c WHERE f_parentid <> -1 AND NOT EXISTS (SELECT 1 FROM "
              "tbl_tree p WHERE p.f_id = c.f_parentid AND p.f_type = c.f_type AND p.f_level = c.f_level - 1)")
            .toInt(),
        0);
    // Air layers carry a coefficient only; the surface films have no thickness.
    EXPECT_EQ(
        db.Scalar(
              "SELECT COUNT(*) FROM Material m JOIN tbl_tree t ON t.f_dataid = m.ID AND t.f_imageindex = 1 "
              "WHERE t.f_type > 0 AND (m.pho <> 0 OR m.cp <> 0 OR m.lamda <= 0 OR "
              "(t.f_type < 3 AND m.deta <> 0) OR (t.f_type = 3 AND m.deta <= 0))")
            .toInt(),
        0);
}

// General materials carry the figures of GB 50176-93 附录四 附表4.1.
TEST(ConstructionLibrary, BaseMaterialsFollowGB50176)
{
    struct Case
    {
        const char* name;
        double lambda, density, specificHeat;
    };
    const Case cases[] = {
        {"钢筋混凝土", 1.74, 2500, 0.92},
        {"水泥砂浆", 0.93, 1800, 1.05},
        {"重砂浆砌筑粘土砖砌体", 0.81, 1800, 1.05},
        {"加气混凝土、泡沫混凝土(ρ=500)", 0.19, 500, 1.05},
    };
    GeneratedDatabase db(kMaterials);
    for (const Case& c : cases) {
        const QString select = "SELECT %1 FROM Material WHERE Name = ?";
        EXPECT_DOUBLE_EQ(Real(db.Scalar(select.arg("lamda"), {QString(c.name)})), c.lambda) << c.name;
        EXPECT_DOUBLE_EQ(Real(db.Scalar(select.arg("pho"), {QString(c.name)})), c.density) << c.name;
        EXPECT_DOUBLE_EQ(Real(db.Scalar(select.arg("cp"), {QString(c.name)})), c.specificHeat) << c.name;
    }
}
