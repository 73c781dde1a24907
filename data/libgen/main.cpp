// Writes the SQL of the shipped construction records:
//   didivov_libgen <output.sql> <layers.txt>...
//
// Layered constructions carry their layers (table Material_detail) and the thermal values that the
// calculation library computes from them, exactly as the layer editor's "计算并返回" would store
// them; glazing records are derived from centre-of-glass figures and a frame allowance; ground
// records are taken as given. Record IDs count from 1 in each table in input order, so that the
// default records named in Initialization stay put when records are added at the end.
//
// Input: UTF-8 text, one item per line, fields separated by '|', '#' starts a comment line.
//   M|<material ID in lib\Material.mdb>|<layer type 0..3>|<name>|<λ or film coefficient>|<ρ>|<c>|<source>
//   C|<kind code>|<name>|<insulation material>      layered construction, followed by its layers
//   L|<material ID>|<thickness mm>[|<λ correction factor>]   inside first, outside last
//   W|<kind code>|<name>|<Pane>|<GlassType>|<FrameType>|<U centre of glass>|<SHGC centre of glass>|
//     <frame area fraction>|<U frame>|<air-permeability grade>|<air-permeability coefficient>|<source>
//   G|<kind code>|<name>|<insulation material>|<thickness mm>|<GroundType>|<K>|<source>
// The output is written only when the whole input is valid.
#include "calclib/dizedozev.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

const char* const kCategory = "标准材料";
const char* const kLayeredColumns = "(ID, Name, catergory, InsulationMaterials, Deta, K_S, K_W, Beta, D, "
                                    "v_S, v_W, Kesi_S, Kesi_W, vn_S, vn_W, Kesin_S, Kesin_W)";
const char* const kLayerColumns =
    "(ID, StructID, MaterialID, Type, ComType, Name, deta, lamda, pho, cp, ItemIndex, Multiplier)";

enum class Shape
{
    Layered,  // full layered column set, layer editor
    Basement, // layers given, only Deta, K, Beta, D stored
    Glazing,
    Ground,
};

struct Kind
{
    int code;
    const char* table;
    const char* name;
    Shape shape;
    bool hasG = false;
    bool hasExfiltration = false;
    bool inside = false; // both faces indoors
};

const Kind kKinds[] = {
    {0, "OutsideWall_Lib", "外墙", Shape::Layered},
    {1, "InsideWall_Lib", "内墙", Shape::Layered},
    {2, "Ceiling_Lib", "楼板", Shape::Layered},
    {3, "Floor_Lib", "地板", Shape::Layered},
    {4, "Roof_Lib", "屋顶", Shape::Layered},
    {5, "BlindStorey_Lib", "闷顶", Shape::Layered},
    {6, "OutsideWindow_Lib", "外窗", Shape::Glazing, true, true},
    {7, "OutsideDoor_Lib", "外门", Shape::Glazing, true, true},
    {8, "GlassCurtainWall_Lib", "玻璃幕墙", Shape::Glazing, true, true},
    {9, "GlassRoof_Lib", "玻璃屋顶", Shape::Glazing, true},
    {10, "InsideWindow_Lib", "内窗", Shape::Glazing, false, false, true},
    {11, "InsideDoor_Lib", "内门", Shape::Glazing, false, false, true},
    {12, "SkyWindow_Lib", "天窗", Shape::Glazing, true},
    {13, "Ground_Lib", "地面", Shape::Ground},
    {14, "ProjectionFloor_Lib", "悬空地板", Shape::Layered},
    {15, "GapWall_Lib", "缝墙", Shape::Layered},
    {19, "BasementWall_Lib", "地下室外墙", Shape::Basement},
};

// Surface coefficients of GB 50176 used to turn an outdoor glazing figure into one for a pane
// between two rooms: the outer film 1/23 is replaced by a second inner film 1/8.7.
constexpr double kOutsideFilm = 23.0;
constexpr double kInsideFilm = 8.7;

struct Material
{
    int id = 0;
    int type = 0;
    std::string name;
    double lambda = 0, density = 0, specificHeat = 0;
    std::string source;
};

struct Layer
{
    const Material* material = nullptr;
    double thickness = 0;
    double multiplier = 1;
};

struct Record
{
    const Kind* kind = nullptr;
    int id = 0;
    std::string name;
    std::string insulation;
    std::vector<Layer> layers;
    // glazing
    std::string pane, glassType, frameType, grade;
    double uGlass = 0, shgcGlass = 0, frameFraction = 0, uFrame = 0, exfiltration = 0;
    // ground
    double thickness = 0, k = 0;
    int groundType = 0;
    std::string source;
    std::string where; // file and line, for messages
};

[[noreturn]] void Fail(const std::string& where, const std::string& what)
{
    throw std::runtime_error(where + ": " + what);
}

std::string Trim(const std::string& s)
{
    const auto b = s.find_first_not_of(" \t\r");
    if (b == std::string::npos)
        return {};
    return s.substr(b, s.find_last_not_of(" \t\r") - b + 1);
}

std::vector<std::string> Split(const std::string& line)
{
    std::vector<std::string> fields;
    std::string::size_type start = 0;
    for (;;) {
        const auto bar = line.find('|', start);
        fields.push_back(
            Trim(line.substr(start, bar == std::string::npos ? std::string::npos : bar - start)));
        if (bar == std::string::npos)
            return fields;
        start = bar + 1;
    }
}

double Number(const std::string& text, const std::string& where)
{
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        Fail(where, "not a number: '" + text + "'");
    return value;
}

int Integer(const std::string& text, const std::string& where)
{
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        Fail(where, "not an integer: '" + text + "'");
    return value;
}

// Shortest text that reads back as the same value, so the database holds what was computed.
template <typename T> std::string Real(T value)
{
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (ec != std::errc())
        throw std::runtime_error("cannot format a number");
    return std::string(buffer, end);
}

// Half-up as a hand calculation rounds; the small bias keeps 0.645 from becoming 0.64 in binary.
double Round2(double value)
{
    return std::floor(value * 100.0 + 0.5 + 1e-9) / 100.0;
}

std::string Text(const std::string& s)
{
    std::string quoted = "'";
    for (char c : s) {
        quoted += c;
        if (c == '\'')
            quoted += '\'';
    }
    return quoted + "'";
}

const Kind& KindOf(int code, const std::string& where)
{
    for (const Kind& kind : kKinds)
        if (kind.code == code)
            return kind;
    Fail(where, "no construction library has kind code " + std::to_string(code));
}

struct Input
{
    std::map<int, Material> materials;
    std::vector<Record> records;
};

void Expect(const std::vector<std::string>& f, std::size_t low, std::size_t high, const std::string& where)
{
    if (f.size() < low || f.size() > high)
        Fail(where, "wrong number of fields");
}

void Read(const std::string& path, Input& input)
{
    std::ifstream file(path);
    if (!file)
        throw std::runtime_error("cannot read " + path);
    std::string line;
    int number = 0;
    Record* open = nullptr; // the layered record that takes L lines
    while (std::getline(file, line)) {
        ++number;
        const std::string where = path + ":" + std::to_string(number);
        line = Trim(line);
        if (line.empty() || line[0] == '#')
            continue;
        const std::vector<std::string> f = Split(line);
        const std::string& tag = f[0];
        if (tag == "M") {
            Expect(f, 8, 8, where);
            Material m;
            m.id = Integer(f[1], where);
            m.type = Integer(f[2], where);
            m.name = f[3];
            m.lambda = Number(f[4], where);
            m.density = Number(f[5], where);
            m.specificHeat = Number(f[6], where);
            m.source = f[7];
            if (m.type < 0 || m.type > 3 || m.lambda <= 0 || m.name.empty() || m.source.empty())
                Fail(where, "bad material");
            // Air layers are told from materials by ρ·c = 0 in the calculation.
            if ((m.type == 0) != (m.density * m.specificHeat > 0))
                Fail(where, "a general material needs ρ and c, an air layer neither");
            if (!input.materials.emplace(m.id, m).second)
                Fail(where, "material ID given twice");
            open = nullptr;
        } else if (tag == "L") {
            Expect(f, 3, 4, where);
            if (!open)
                Fail(where, "layer outside a layered construction");
            const auto it = input.materials.find(Integer(f[1], where));
            if (it == input.materials.end())
                Fail(where, "unknown material " + f[1]);
            Layer layer{&it->second, Number(f[2], where), f.size() > 3 ? Number(f[3], where) : 1.0};
            const int type = layer.material->type;
            if (layer.thickness < 0 || layer.multiplier <= 0 ||
                ((type == 1 || type == 2) != (layer.thickness == 0)))
                Fail(where, "bad layer (surface films have thickness 0, other layers more)");
            open->layers.push_back(layer);
        } else {
            Record r;
            r.where = where;
            if (f.size() < 3)
                Fail(where, "wrong number of fields");
            r.kind = &KindOf(Integer(f[1], where), where);
            r.name = f[2];
            open = nullptr;
            if (tag == "C") {
                Expect(f, 4, 4, where);
                if (r.kind->shape != Shape::Layered && r.kind->shape != Shape::Basement)
                    Fail(where, "kind has no layered constructions");
                r.insulation = f[3];
            } else if (tag == "W") {
                Expect(f, 13, 13, where);
                if (r.kind->shape != Shape::Glazing)
                    Fail(where, "kind has no glazing records");
                r.pane = f[3];
                r.glassType = f[4];
                r.frameType = f[5];
                r.uGlass = Number(f[6], where);
                r.shgcGlass = Number(f[7], where);
                r.frameFraction = Number(f[8], where);
                r.uFrame = Number(f[9], where);
                r.grade = f[10];
                r.exfiltration = Number(f[11], where);
                r.source = f[12];
                if (r.uGlass <= 0 || r.uFrame <= 0 || r.frameFraction < 0 || r.frameFraction >= 1 ||
                    r.shgcGlass < 0 || r.shgcGlass > 1 || r.source.empty())
                    Fail(where, "bad glazing figures");
                static const std::set<std::string> grades = {"I", "II", "III", "IV", "V"};
                if (r.kind->hasExfiltration && !grades.count(r.grade))
                    Fail(where, "air-permeability grade must be one of I to V");
            } else if (tag == "G") {
                Expect(f, 8, 8, where);
                if (r.kind->shape != Shape::Ground)
                    Fail(where, "kind has no ground records");
                r.insulation = f[3];
                r.thickness = Number(f[4], where);
                r.groundType = Integer(f[5], where);
                r.k = Number(f[6], where);
                r.source = f[7];
                if (r.groundType < 0 || r.groundType > 2 || r.k <= 0 || r.source.empty())
                    Fail(where, "bad ground record");
            } else {
                Fail(where, "unknown line type '" + tag + "'");
            }
            if (r.name.empty())
                Fail(where, "record without a name");
            input.records.push_back(r);
            if (tag == "C")
                open = &input.records.back();
        }
    }
}

struct Thermal
{
    float delta = 0, k = 0, beta = 0, nu = 0, xi = 0, nuInner = 0, xiInner = 0, inertia = 0;
};

Thermal Compute(const Record& r)
{
    std::vector<float> thickness, lambda, multiplier, density, specificHeat;
    for (const Layer& layer : r.layers) {
        thickness.push_back(static_cast<float>(layer.thickness));
        lambda.push_back(static_cast<float>(layer.material->lambda));
        multiplier.push_back(static_cast<float>(layer.multiplier));
        density.push_back(static_cast<float>(layer.material->density));
        specificHeat.push_back(static_cast<float>(layer.material->specificHeat));
    }
    Thermal t;
    Get_WallParameters_D_Multiplier(static_cast<int32_t>(r.layers.size()), thickness.data(), lambda.data(),
                                    multiplier.data(), density.data(), specificHeat.data(), &t.delta, &t.k,
                                    &t.beta, &t.nu, &t.xi, &t.nuInner, &t.xiInner, &t.inertia);
    return t;
}

// Sources of the materials of a layered record, grouped so that a recalled figure is named as such.
std::string LayerSources(const Record& r)
{
    std::map<std::string, std::vector<std::string>> bySource;
    std::set<int> seen;
    for (const Layer& layer : r.layers)
        if (seen.insert(layer.material->id).second)
            bySource[layer.material->source].push_back(layer.material->name);
    std::string text;
    for (const auto& [source, names] : bySource) {
        text += "\n--   " + source + ": ";
        for (std::size_t i = 0; i < names.size(); ++i)
            text += (i ? "、" : "") + names[i];
    }
    return text;
}

std::string Generate(const Input& input)
{
    std::ostringstream sql;
    std::map<const Kind*, int> nextId;
    std::map<const Kind*, std::set<std::string>> names;
    std::vector<Record> records = input.records;
    for (Record& r : records) {
        r.id = ++nextId[r.kind];
        if (!names[r.kind].insert(r.name).second)
            Fail(r.where, "name used twice in " + std::string(r.kind->table));
        if ((r.kind->shape == Shape::Layered || r.kind->shape == Shape::Basement) && r.layers.empty())
            Fail(r.where, "layered construction without layers");
    }

    sql << "-- Shipped construction records, computed by didivov_libgen from the layer input.\n"
           "-- Do not edit; change the input instead.\n"
           "-- Default record of each library (the first, typical one):\n";
    for (const Kind& kind : kKinds)
        for (const Record& r : records)
            if (r.kind == &kind && r.id == 1)
                sql << "--   " << kind.table << " ID 1 " << r.name << "\n";

    int layerId = 0;
    for (const Record& r : records) {
        const Kind& kind = *r.kind;
        sql << "\n-- " << kind.name << " " << r.id << " " << r.name;
        switch (kind.shape) {
        case Shape::Layered:
        case Shape::Basement: {
            const Thermal t = Compute(r);
            sql << ": thermal values computed from the layers below (inside first)." << LayerSources(r)
                << "\n";
            if (kind.shape == Shape::Layered) {
                sql << "INSERT INTO " << kind.table << " " << kLayeredColumns << " VALUES (" << r.id << ", "
                    << Text(r.name) << ", " << Text(kCategory) << ", " << Text(r.insulation) << ", "
                    << Real(t.delta) << ", " << Real(t.k) << ", " << Real(t.k) << ", " << Real(t.beta) << ", "
                    << Real(t.inertia) << ", " << Real(t.nu) << ", " << Real(t.nu) << ", " << Real(t.xi)
                    << ", " << Real(t.xi) << ", " << Real(t.nuInner) << ", " << Real(t.nuInner) << ", "
                    << Real(t.xiInner) << ", " << Real(t.xiInner) << ");\n";
            } else {
                sql << "INSERT INTO " << kind.table
                    << " (ID, Name, catergory, InsulationMaterials, Deta, K_S, K_W, Beta, D) VALUES (" << r.id
                    << ", " << Text(r.name) << ", " << Text(kCategory) << ", " << Text(r.insulation) << ", "
                    << Real(t.delta) << ", " << Real(t.k) << ", " << Real(t.k) << ", " << Real(t.beta) << ", "
                    << Real(t.inertia) << ");\n";
            }
            for (std::size_t i = 0; i < r.layers.size(); ++i) {
                const Layer& layer = r.layers[i];
                const Material& m = *layer.material;
                sql << "INSERT INTO Material_detail " << kLayerColumns << " VALUES (" << ++layerId << ", "
                    << r.id << ", " << m.id << ", " << kind.code << ", " << m.type << ", " << Text(m.name)
                    << ", " << Real(layer.thickness) << ", " << Real(m.lambda) << ", " << Real(m.density)
                    << ", " << Real(m.specificHeat) << ", " << i << ", " << Real(layer.multiplier) << ");\n";
                sql << "INSERT INTO MaterialEdit (struct_id, type, basematerial_id) VALUES (" << r.id << ", "
                    << kind.code << ", " << m.id << ");\n";
            }
            break;
        }
        case Shape::Glazing: {
            // Area-weighted glass and frame; the frame's own solar gain is left out.
            double k = (1.0 - r.frameFraction) * r.uGlass + r.frameFraction * r.uFrame;
            if (kind.inside)
                k = 1.0 / (1.0 / k - 1.0 / kOutsideFilm + 1.0 / kInsideFilm);
            k = Round2(k);
            const double g = Round2((1.0 - r.frameFraction) * r.shgcGlass);
            sql << ": " << r.source << "\n--   K = (1 - f)·Ug + f·Uf with Ug " << Real(r.uGlass) << ", Uf "
                << Real(r.uFrame) << ", frame fraction f " << Real(r.frameFraction);
            if (kind.inside)
                sql << ", outer film 1/" << Real(kOutsideFilm) << " replaced by an inner film 1/"
                    << Real(kInsideFilm);
            if (kind.hasG)
                sql << "; g = (1 - f)·SHGC with SHGC " << Real(r.shgcGlass);
            sql << "\nINSERT INTO " << kind.table
                << " (ID, Name, catergory, Pane, GlassType, FrameType, K_S, K_W";
            if (kind.hasG)
                sql << ", g";
            if (kind.hasExfiltration)
                sql << ", ExfiltrationGrade, ExfiltrationCoefficient";
            sql << ") VALUES (" << r.id << ", " << Text(r.name) << ", " << Text(kCategory) << ", "
                << Text(r.pane) << ", " << Text(r.glassType) << ", " << Text(r.frameType) << ", " << Real(k)
                << ", " << Real(k);
            if (kind.hasG)
                sql << ", " << Real(g);
            if (kind.hasExfiltration)
                sql << ", " << Text(r.grade) << ", " << Real(r.exfiltration);
            sql << ");\n";
            break;
        }
        case Shape::Ground:
            sql << ": " << r.source << "\n";
            sql << "INSERT INTO " << kind.table
                << " (ID, Name, catergory, InsulationMaterials, Deta, GroundType, K_S, K_W) VALUES (" << r.id
                << ", " << Text(r.name) << ", " << Text(kCategory) << ", " << Text(r.insulation) << ", "
                << Real(r.thickness) << ", " << r.groundType << ", " << Real(r.k) << ", " << Real(r.k)
                << ");\n";
            break;
        }
    }
    return sql.str();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: didivov_libgen <output.sql> <layers.txt>...\n");
        return 2;
    }
    try {
        Input input;
        for (int i = 2; i < argc; ++i)
            Read(argv[i], input);
        const std::string sql = Generate(input);
        std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
        out << sql;
        out.close();
        if (!out)
            throw std::runtime_error(std::string("cannot write ") + argv[1]);
    } catch (const std::exception& e) {
        std::remove(argv[1]);
        std::fprintf(stderr, "didivov_libgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
