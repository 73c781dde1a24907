#include "tools/CDemoDxfPlan.h"

#include "platform/core/CGbkCodec.h"

#include <cmath>

namespace {
constexpr double kOuterHalf = 120; // half the outside wall
constexpr double kInnerHalf = 100; // half a partition
constexpr double kDoor = 1000;
constexpr double kWindow = 2400;
constexpr double kMargin = 6000; // room around the building for axes, dimensions and title

class CWriter
{
public:
    int Entities() const { return m_entities; }
    const QByteArray& Data() const { return m_data; }

    void G(int code, const QByteArray& value) { m_data += QByteArray::number(code) + '\n' + value + '\n'; }
    void G(int code, const char* value) { G(code, QByteArray(value)); }
    void G(int code, double value) { G(code, QByteArray::number(value, 'f', 3)); }
    void G(int code, int value) { G(code, QByteArray::number(value)); }

    void Section(const char* name)
    {
        G(0, "SECTION");
        G(2, name);
    }
    void Variable(const char* name, int code, const QByteArray& value)
    {
        G(9, name);
        G(code, value);
    }
    // A block with its base point at its origin, on layer 0.
    void Block(const char* name)
    {
        G(0, "BLOCK");
        G(8, "0");
        G(2, name);
        G(70, 0);
        G(10, 0.0);
        G(20, 0.0);
    }
    void EndBlock()
    {
        G(0, "ENDBLK");
        G(8, "0");
    }
    void Begin(const char* type, const QByteArray& layer)
    {
        G(0, QByteArray(type));
        G(8, layer);
        ++m_entities;
    }
    void Line(const QByteArray& layer, double x1, double y1, double x2, double y2)
    {
        Begin("LINE", layer);
        G(10, x1);
        G(20, y1);
        G(11, x2);
        G(21, y2);
    }
    void Rect(const QByteArray& layer, double x0, double y0, double x1, double y1)
    {
        Begin("LWPOLYLINE", layer);
        G(90, 4);
        G(70, 1);
        G(10, x0);
        G(20, y0);
        G(10, x1);
        G(20, y0);
        G(10, x1);
        G(20, y1);
        G(10, x0);
        G(20, y1);
    }
    void Circle(const QByteArray& layer, double x, double y, double r)
    {
        Begin("CIRCLE", layer);
        G(10, x);
        G(20, y);
        G(40, r);
    }
    void Arc(const QByteArray& layer, double x, double y, double r, double from, double to)
    {
        Begin("ARC", layer);
        G(10, x);
        G(20, y);
        G(40, r);
        G(50, from);
        G(51, to);
    }
    // Centred on the point, horizontally and vertically.
    void Text(const QByteArray& layer, double x, double y, double height, const QString& text)
    {
        Begin("TEXT", layer);
        G(10, x);
        G(20, y);
        G(40, height);
        G(1, CGbkCodec::ToGbk(text));
        G(72, 4);
        G(11, x);
        G(21, y);
    }
    void MText(const QByteArray& layer, double x, double y, double height, const QString& text)
    {
        Begin("MTEXT", layer);
        G(10, x);
        G(20, y);
        G(40, height);
        G(71, 5);
        G(1, CGbkCodec::ToGbk(text));
    }
    void Insert(const char* block, const QByteArray& layer, double x, double y, double sx, double sy,
                double angle)
    {
        Begin("INSERT", layer);
        G(2, QByteArray(block));
        G(10, x);
        G(20, y);
        G(41, sx);
        G(42, sy);
        G(50, angle);
    }

private:
    QByteArray m_data;
    int m_entities = 0;
};

const QByteArray kAxis = CGbkCodec::ToGbk(QStringLiteral("轴线"));
const QByteArray kWall = CGbkCodec::ToGbk(QStringLiteral("墙体"));
const QByteArray kColumn = CGbkCodec::ToGbk(QStringLiteral("柱"));
const QByteArray kOpening = CGbkCodec::ToGbk(QStringLiteral("门窗"));
const QByteArray kName = CGbkCodec::ToGbk(QStringLiteral("房间名称"));
const QByteArray kDimension = CGbkCodec::ToGbk(QStringLiteral("标注"));
const QByteArray kStair = CGbkCodec::ToGbk(QStringLiteral("楼梯"));

void Header(CWriter& w, double width, double height)
{
    const QPointF o = CDemoDxfPlan::Origin();
    w.Section("HEADER");
    w.Variable("$ACADVER", 1, "AC1015");
    w.Variable("$DWGCODEPAGE", 3, "ANSI_936");
    w.Variable("$INSUNITS", 70, "4");
    w.Variable("$EXTMIN", 10, QByteArray::number(o.x()));
    w.G(20, o.y());
    w.Variable("$EXTMAX", 10, QByteArray::number(o.x() + width));
    w.G(20, o.y() + height);
    w.G(0, "ENDSEC");
    w.Section("TABLES");
    w.G(0, "TABLE");
    w.G(2, "LAYER");
    const std::pair<QByteArray, int> layers[] = {{kAxis, 1}, {kWall, 7},      {kColumn, 8}, {kOpening, 4},
                                                 {kName, 3}, {kDimension, 2}, {kStair, 6}};
    for (const auto& [name, colour] : layers) {
        w.G(0, "LAYER");
        w.G(2, name);
        w.G(70, 0);
        w.G(62, colour);
    }
    w.G(0, "ENDTAB");
    w.G(0, "ENDSEC");
}

// Window: four lines across a wall of unit length and thickness; door: leaf and swing from the
// hinge; column: a square with its diagonals.
void Blocks(CWriter& w)
{
    w.Section("BLOCKS");
    w.Block("WIN");
    for (double y : {-0.5, -1.0 / 6, 1.0 / 6, 0.5})
        w.Line("0", -0.5, y, 0.5, y);
    w.EndBlock();
    w.Block("DOOR");
    w.Line("0", 0, 0, 0, kDoor);
    w.Arc("0", 0, 0, kDoor, 0, 90);
    w.EndBlock();
    w.Block("COL");
    w.Rect("0", -250, -250, 250, 250);
    w.Line("0", -250, -250, 250, 250);
    w.Line("0", -250, 250, 250, -250);
    w.EndBlock();
    w.G(0, "ENDSEC");
}

QString RoomName(bool south, int bay)
{
    if (south)
        return QStringLiteral("办公室%1").arg(101 + bay);
    static const char* const north[] = {"楼梯间", "卫生间", "会议室", "经理室"};
    return bay < 4 ? QString::fromUtf8(north[bay]) : QStringLiteral("办公室%1").arg(105 + bay);
}

void Storey(CWriter& w, double ox, double oy, const QString& title)
{
    const double L = CDemoDxfPlan::Length;
    const double D = CDemoDxfPlan::Depth;
    const double R = CDemoDxfPlan::RoomDepth;
    const double C = CDemoDxfPlan::CorridorWidth;
    const double axesY[] = {0, R, R + C, D};

    for (int i = 0; i <= CDemoDxfPlan::Bays; ++i) {
        const double x = ox + i * CDemoDxfPlan::Bay;
        w.Line(kAxis, x, oy - 2500, x, oy + D + 2500);
        for (double y : {oy - 2900, oy + D + 2900}) {
            w.Circle(kAxis, x, y, 400);
            w.Text(kAxis, x, y, 400, QString::number(i + 1));
        }
    }
    for (int j = 0; j < 4; ++j) {
        w.Line(kAxis, ox - 2500, oy + axesY[j], ox + L + 2500, oy + axesY[j]);
        for (double x : {ox - 2900, ox + L + 2900}) {
            w.Circle(kAxis, x, oy + axesY[j], 400);
            w.Text(kAxis, x, oy + axesY[j], 400, QString(QChar('A' + j)));
        }
        for (int i = 0; i <= CDemoDxfPlan::Bays; ++i)
            w.Insert("COL", kColumn, ox + i * CDemoDxfPlan::Bay, oy + axesY[j], 1, 1, 0);
    }

    w.Rect(kWall, ox - kOuterHalf, oy - kOuterHalf, ox + L + kOuterHalf, oy + D + kOuterHalf);
    w.Rect(kWall, ox + kOuterHalf, oy + kOuterHalf, ox + L - kOuterHalf, oy + D - kOuterHalf);
    for (int i = 0; i < CDemoDxfPlan::Bays; ++i) {
        const double x0 = ox + i * CDemoDxfPlan::Bay;
        const double x1 = x0 + CDemoDxfPlan::Bay;
        const double centre = (x0 + x1) / 2;
        w.Insert("WIN", kOpening, centre, oy, kWindow, 2 * kOuterHalf, 0);
        w.Insert("WIN", kOpening, centre, oy + D, kWindow, 2 * kOuterHalf, 0);
        if (i > 0)
            for (double dx : {-kInnerHalf, kInnerHalf}) {
                w.Line(kWall, x0 + dx, oy + kOuterHalf, x0 + dx, oy + R - kInnerHalf);
                w.Line(kWall, x0 + dx, oy + R + C + kInnerHalf, x0 + dx, oy + D - kOuterHalf);
            }
        // Corridor walls with one door per room, 600 mm from the bay's west axis.
        const double start = i == 0 ? x0 + kOuterHalf : x0 + kInnerHalf;
        const double end = i + 1 == CDemoDxfPlan::Bays ? x1 - kOuterHalf : x1 - kInnerHalf;
        const double door = x0 + 600;
        for (double y :
             {oy + R - kInnerHalf, oy + R + kInnerHalf, oy + R + C - kInnerHalf, oy + R + C + kInnerHalf}) {
            w.Line(kWall, start, y, door, y);
            w.Line(kWall, door + kDoor, y, end, y);
        }
        w.Insert("DOOR", kOpening, door, oy + R - kInnerHalf, 1, -1, 0);
        w.Insert("DOOR", kOpening, door, oy + R + C + kInnerHalf, 1, 1, 0);
        for (bool south : {true, false}) {
            const double cy = oy + (south ? R / 2 : R + C + R / 2);
            // The staircase fills the lower part of its room; its name stands above it.
            const double above = !south && i == 0 ? 2200 : 300;
            w.Text(kName, centre, cy + above, 450, RoomName(south, i));
            const double area = (CDemoDxfPlan::Bay - 2 * kInnerHalf) * (R - kOuterHalf - kInnerHalf) / 1e6;
            w.Text(kName, centre, cy + above - 700, 300, QStringLiteral("%1㎡").arg(area, 0, 'f', 2));
        }
        w.Line(kDimension, x0, oy - 1500, x1, oy - 1500);
        w.Line(kDimension, x0 - 150, oy - 1650, x0 + 150, oy - 1350);
        w.Text(kDimension, centre, oy - 1250, 300, QString::number(CDemoDxfPlan::Bay));
    }
    w.Line(kDimension, ox + L - 150, oy - 1650, ox + L + 150, oy - 1350);
    w.MText(kName, ox + L / 2, oy + R + C / 2, 350, QStringLiteral("走廊\\P（公共走道）"));

    // The staircase in the north-west bay: two flights of twelve steps and the handrail.
    const double sx = ox + kInnerHalf + 600;
    const double sy = oy + R + C + kInnerHalf + 600;
    const double flight = (CDemoDxfPlan::Bay - 1400) / 2 - 100;
    for (int k = 0; k <= 12; ++k) {
        const double y = sy + k * 280;
        w.Line(kStair, sx, y, sx + flight, y);
        w.Line(kStair, sx + flight + 200, y, sx + 2 * flight + 200, y);
    }
    w.Rect(kStair, sx + flight, sy, sx + flight + 200, sy + 12 * 280);
    w.Text(kName, ox + L / 2, oy - 4500, 700, title);
}

QByteArray Finish(CWriter& body, double width, double height)
{
    CWriter file;
    Header(file, width, height);
    Blocks(file);
    QByteArray data = file.Data();
    data += "0\nSECTION\n2\nENTITIES\n" + body.Data() + "0\nENDSEC\n0\nEOF\n";
    return data;
}
} // namespace

QPointF CDemoDxfPlan::Origin()
{
    return {-kMargin, -kMargin};
}

QByteArray CDemoDxfPlan::OfficeStorey()
{
    CWriter body;
    Storey(body, 0, 0, QStringLiteral("标准层平面图  1:100"));
    return Finish(body, Length + 2 * kMargin, Depth + 2 * kMargin);
}

QByteArray CDemoDxfPlan::ManyStoreys(int minimumEntities, int* count)
{
    CWriter probe;
    Storey(probe, 0, 0, QString());
    const int perStorey = probe.Entities();
    const int storeys = (minimumEntities + perStorey - 1) / perStorey;
    const int columns = int(std::ceil(std::sqrt(double(storeys))));
    const double stepX = Length + 2 * kMargin;
    const double stepY = Depth + 2 * kMargin;
    CWriter body;
    for (int k = 0; k < storeys; ++k)
        Storey(body, (k % columns) * stepX, (k / columns) * stepY, QStringLiteral("第%1层平面图").arg(k + 1));
    if (count)
        *count = body.Entities();
    return Finish(body, columns * stepX, ((storeys + columns - 1) / columns) * stepY);
}

std::vector<QPointF> CDemoDxfPlan::OutlineCorners()
{
    const QPointF o = -Origin();
    const double e = kOuterHalf;
    return {o + QPointF(-e, -e), o + QPointF(Length + e, -e), o + QPointF(Length + e, Depth + e),
            o + QPointF(-e, Depth + e)};
}

std::vector<QPointF> CDemoDxfPlan::FirstOfficeCorners()
{
    const QPointF o = -Origin();
    return {o + QPointF(-kOuterHalf, -kOuterHalf), o + QPointF(Bay, -kOuterHalf), o + QPointF(Bay, RoomDepth),
            o + QPointF(-kOuterHalf, RoomDepth)};
}
