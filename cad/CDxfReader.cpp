#include "cad/CDxfReader.h"

#include "cad/CDxfDocument.h"
#include "cad/CDxfGroupFilter.h"
#include "cad/CDxfTextDecoder.h"

#include <QFile>
#include <QFileInfo>
#include <dxflib/dl_creationadapter.h>
#include <dxflib/dl_dxf.h>

#include <cmath>
#include <sstream>
#include <unordered_map>

namespace {
constexpr double kTwoPi = 2 * M_PI;

std::string Upper(std::string text)
{
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    return text;
}

// Start and end of an arc in radians with end > start; equal angles make a whole turn.
void Normalise(double& start, double& end)
{
    start = std::fmod(start, kTwoPi);
    end = std::fmod(end, kTwoPi);
    if (end <= start)
        end += kTwoPi;
}

// Receives dxflib's events and fills the document. Entities of the model space go to the
// document, entities between BLOCK and ENDBLK to their block; paper-space entities and the
// entities of the model and paper space blocks are left out. Entities whose extrusion points
// down (0, 0, -1) have their x axis mirrored; they are stored in world coordinates.
class CAdapter : public DL_CreationAdapter
{
public:
    CAdapter(CDxfDocument& document, const CDxfTextDecoder& decoder)
        : m_document(document), m_decoder(decoder)
    {
    }

    void addLayer(const DL_LayerData& data) override
    {
        const std::string key = Upper(data.name);
        SDxfLayer layer;
        layer.name = m_decoder.Decode(data.name);
        const int colour = attributes.getColor();
        layer.colour = std::abs(colour) >= 1 && std::abs(colour) <= 255 ? std::abs(colour) : 7;
        layer.trueColour = attributes.getColor24();
        layer.visible = colour >= 0 && !(data.flags & 1) && !data.off;
        const auto found = m_layers.find(key);
        if (found != m_layers.end()) {
            m_document.layers[size_t(found->second)] = layer;
            return;
        }
        m_layers.emplace(key, int(m_document.layers.size()));
        m_document.layers.push_back(layer);
    }

    void addBlock(const DL_BlockData& data) override
    {
        FinishPolyline();
        const std::string key = Upper(data.name);
        if (key == "*MODEL_SPACE" || key.rfind("*PAPER_SPACE", 0) == 0) {
            m_block = kSkippedBlock;
            return;
        }
        SDxfBlock block;
        block.name = m_decoder.Decode(data.name);
        block.baseX = data.bpx;
        block.baseY = data.bpy;
        m_block = int(m_document.blocks.size());
        m_blocks.emplace(key, m_block);
        m_document.blocks.push_back(std::move(block));
    }

    void endBlock() override
    {
        FinishPolyline();
        m_block = kModelSpace;
    }

    void addLine(const DL_LineData& data) override
    {
        FinishPolyline();
        if (SDxfEntities* target = Target()) {
            SDxfPolyline line;
            line.attr = Attributes();
            line.vertices = {{data.x1, data.y1, 0}, {data.x2, data.y2, 0}};
            line.line = true;
            target->polylines.push_back(std::move(line));
        }
    }

    void addPolyline(const DL_PolylineData& data) override
    {
        FinishPolyline();
        // Polygon and polyface meshes are surfaces, not outlines.
        if (!Target() || (data.flags & (16 | 64)))
            return;
        m_inPolyline = true;
        m_polyline = SDxfPolyline();
        m_polyline.attr = Attributes();
        m_polyline.closed = data.flags & 1;
        m_polylineMirrored = !(data.flags & 8) && Mirrored();
    }

    void addVertex(const DL_VertexData& data) override
    {
        if (!m_inPolyline)
            return;
        const double sign = m_polylineMirrored ? -1 : 1;
        m_polyline.vertices.push_back({sign * data.x, data.y, sign * data.bulge});
    }

    void endEntity() override { FinishPolyline(); }
    void endSequence() override { FinishPolyline(); }

    void addArc(const DL_ArcData& data) override
    {
        FinishPolyline();
        SDxfEntities* target = Target();
        if (!target || !(data.radius > 0))
            return;
        SDxfArc arc;
        arc.attr = Attributes();
        const bool mirrored = Mirrored();
        arc.cx = mirrored ? -data.cx : data.cx;
        arc.cy = data.cy;
        arc.majorX = data.radius;
        const double a1 = data.angle1 * M_PI / 180;
        const double a2 = data.angle2 * M_PI / 180;
        arc.start = mirrored ? M_PI - a2 : a1;
        arc.end = mirrored ? M_PI - a1 : a2;
        Normalise(arc.start, arc.end);
        target->arcs.push_back(arc);
    }

    void addCircle(const DL_CircleData& data) override
    {
        FinishPolyline();
        SDxfEntities* target = Target();
        if (!target || !(data.radius > 0))
            return;
        SDxfArc circle;
        circle.attr = Attributes();
        circle.cx = Mirrored() ? -data.cx : data.cx;
        circle.cy = data.cy;
        circle.majorX = data.radius;
        circle.end = kTwoPi;
        circle.full = true;
        target->arcs.push_back(circle);
    }

    void addEllipse(const DL_EllipseData& data) override
    {
        FinishPolyline();
        SDxfEntities* target = Target();
        if (!target || !(data.ratio > 0) || (data.mx == 0 && data.my == 0))
            return;
        SDxfArc ellipse;
        ellipse.attr = Attributes();
        ellipse.cx = data.cx;
        ellipse.cy = data.cy;
        ellipse.majorX = data.mx;
        ellipse.majorY = data.my;
        ellipse.ratio = std::min(data.ratio, 1.0);
        // The ellipse's points are in world coordinates; a downward extrusion only turns the
        // direction in which its parameter runs.
        const bool mirrored = Mirrored();
        ellipse.start = mirrored ? -data.angle2 : data.angle1;
        ellipse.end = mirrored ? -data.angle1 : data.angle2;
        const double sweep = ellipse.end - ellipse.start;
        ellipse.full = std::fabs(std::fabs(sweep) - kTwoPi) < 1e-9 || sweep == 0;
        if (ellipse.full) {
            ellipse.start = 0;
            ellipse.end = kTwoPi;
        } else {
            Normalise(ellipse.start, ellipse.end);
        }
        target->arcs.push_back(ellipse);
    }

    void addText(const DL_TextData& data) override
    {
        FinishPolyline();
        SDxfEntities* target = Target();
        if (!target || !(data.height > 0))
            return;
        SDxfText text;
        text.attr = Attributes();
        const bool mirrored = Mirrored();
        const double sign = mirrored ? -1 : 1;
        const int h = data.hJustification;
        const int v = data.vJustification;
        text.height = data.height;
        text.widthFactor = data.xScaleFactor > 0 ? data.xScaleFactor : 1;
        text.angle = data.angle;
        if (h == 0 && v == 0) {
            text.x = sign * data.ipx;
            text.y = data.ipy;
        } else if (h == 3 || h == 5) {
            // Aligned and fitted texts run from the first point to the second.
            text.x = sign * data.ipx;
            text.y = data.ipy;
            const double dx = sign * (data.apx - data.ipx);
            const double dy = data.apy - data.ipy;
            if (dx != 0 || dy != 0)
                text.angle = std::atan2(dy, dx);
            else if (mirrored)
                text.angle = M_PI - data.angle;
        } else {
            text.x = sign * data.apx;
            text.y = data.apy;
        }
        if (mirrored && h != 3 && h != 5)
            text.angle = M_PI - data.angle;
        text.hAnchor = h == 1 || h == 4 ? SDxfText::Centre : h == 2 ? SDxfText::Right : SDxfText::Left;
        text.vAnchor = h == 4 ? SDxfText::Middle : (v >= 0 && v <= 3 ? v : SDxfText::Baseline);
        text.lines = QStringList{CDxfTextDecoder::PlainText(m_decoder.Decode(data.text))};
        target->texts.push_back(std::move(text));
    }

    void addMTextChunk(const std::string& text) override { m_mtextChunks += text; }

    void addMText(const DL_MTextData& data) override
    {
        FinishPolyline();
        const std::string content = m_mtextChunks + data.text;
        m_mtextChunks.clear();
        SDxfEntities* target = Target();
        if (!target || !(data.height > 0))
            return;
        SDxfText text;
        text.attr = Attributes();
        text.multiline = true;
        text.x = data.ipx;
        text.y = data.ipy;
        text.height = data.height;
        text.angle = data.angle;
        const int attachment =
            data.attachmentPoint >= 1 && data.attachmentPoint <= 9 ? data.attachmentPoint : 1;
        const int row = (attachment - 1) / 3;
        text.vAnchor = row == 0 ? SDxfText::Top : row == 1 ? SDxfText::Middle : SDxfText::Bottom;
        text.hAnchor = (attachment - 1) % 3;
        if (data.lineSpacingFactor > 0)
            text.lineSpacing *= data.lineSpacingFactor;
        text.lines = CDxfTextDecoder::MTextLines(m_decoder.Decode(content));
        target->texts.push_back(std::move(text));
    }

    void addInsert(const DL_InsertData& data) override
    {
        FinishPolyline();
        SDxfEntities* target = Target();
        if (!target || data.sx == 0 || data.sy == 0)
            return;
        SDxfInsert insert;
        insert.attr = Attributes();
        insert.mirrored = Mirrored();
        insert.x = insert.mirrored ? -data.ipx : data.ipx;
        insert.y = data.ipy;
        insert.scaleX = data.sx;
        insert.scaleY = data.sy;
        insert.angle = data.angle;
        insert.columns = std::max(1, data.cols);
        insert.rows = std::max(1, data.rows);
        insert.columnSpacing = data.colSp;
        insert.rowSpacing = data.rowSp;
        m_inserts.push_back({m_block, target->inserts.size(), Upper(data.name)});
        target->inserts.push_back(insert);
    }

    void setVariableVector(const std::string& key, double x, double y, double, int) override
    {
        if (key == "$EXTMIN") {
            m_document.extMinX = x;
            m_document.extMinY = y;
            m_extMin = true;
        } else if (key == "$EXTMAX") {
            m_document.extMaxX = x;
            m_document.extMaxY = y;
            m_extMax = true;
        }
        m_document.hasExtents = m_extMin && m_extMax;
    }

    void setVariableInt(const std::string& key, int value, int) override
    {
        if (key == "$INSUNITS")
            m_document.insUnits = value;
        else if (key == "$MEASUREMENT")
            m_document.measurement = value;
    }

    void setVariableString(const std::string& key, const std::string& value, int) override
    {
        if (key == "$ACADVER")
            m_document.version = QString::fromLatin1(value.c_str()).trimmed();
        else if (key == "$DWGCODEPAGE")
            m_document.codePage = QString::fromLatin1(value.c_str()).trimmed();
    }

    // Links every insert to its block, now that all blocks are known.
    void Finish()
    {
        FinishPolyline();
        for (const SPendingInsert& pending : m_inserts) {
            SDxfEntities& owner =
                pending.block >= 0 ? m_document.blocks[size_t(pending.block)].entities : m_document.entities;
            const auto found = m_blocks.find(pending.name);
            owner.inserts[pending.index].block = found == m_blocks.end() ? -1 : found->second;
        }
    }

private:
    static constexpr int kModelSpace = -1;
    static constexpr int kSkippedBlock = -2;

    struct SPendingInsert
    {
        int block;
        size_t index;
        std::string name;
    };

    SDxfEntities* Target()
    {
        if (m_block == kSkippedBlock)
            return nullptr;
        if (m_block >= 0)
            return &m_document.blocks[size_t(m_block)].entities;
        return attributes.isInPaperSpace() ? nullptr : &m_document.entities;
    }

    bool Mirrored() { return getExtrusion()->getDirection()[2] < 0; }

    SDxfAttributes Attributes()
    {
        SDxfAttributes result;
        result.layer = LayerIndex(attributes.getLayer());
        result.colour = attributes.getColor();
        result.trueColour = attributes.getColor24();
        return result;
    }

    // Layers named by entities but missing from the layer table are added, white and shown.
    int LayerIndex(const std::string& name)
    {
        const std::string key = Upper(name.empty() ? std::string("0") : name);
        const auto found = m_layers.find(key);
        if (found != m_layers.end())
            return found->second;
        SDxfLayer layer;
        layer.name = m_decoder.Decode(name.empty() ? std::string("0") : name);
        m_layers.emplace(key, int(m_document.layers.size()));
        m_document.layers.push_back(layer);
        return int(m_document.layers.size()) - 1;
    }

    void FinishPolyline()
    {
        if (!m_inPolyline)
            return;
        m_inPolyline = false;
        SDxfEntities* target = m_block == kSkippedBlock ? nullptr
                               : m_block >= 0           ? &m_document.blocks[size_t(m_block)].entities
                                                        : &m_document.entities;
        if (target && m_polyline.vertices.size() >= 2)
            target->polylines.push_back(std::move(m_polyline));
        m_polyline = SDxfPolyline();
    }

    CDxfDocument& m_document;
    const CDxfTextDecoder& m_decoder;
    int m_block = kModelSpace;
    std::unordered_map<std::string, int> m_layers;
    std::unordered_map<std::string, int> m_blocks;
    std::vector<SPendingInsert> m_inserts;
    bool m_inPolyline = false;
    bool m_polylineMirrored = false;
    SDxfPolyline m_polyline;
    std::string m_mtextChunks;
    bool m_extMin = false;
    bool m_extMax = false;
};

bool LooksLikeDwg(const QByteArray& data)
{
    return data.size() >= 6 && data.startsWith("AC1") && std::isdigit(uchar(data[3])) &&
           std::isdigit(uchar(data[4])) && std::isdigit(uchar(data[5]));
}

CDxfReader::SResult Refused(CDxfReader::Status status, const QString& reason)
{
    CDxfReader::SResult result;
    result.status = status;
    result.reason = reason;
    return result;
}
} // namespace

CDxfReader::SResult CDxfReader::Read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Refused(Status::CannotOpen,
                       QStringLiteral("无法打开文件%1：%2。").arg(path, file.errorString()));
    return ReadBytes(file.readAll(), QFileInfo(path).fileName());
}

CDxfReader::SResult CDxfReader::ReadBytes(const QByteArray& data, const QString& fileName)
{
    if (fileName.endsWith(QLatin1String(".dwg"), Qt::CaseInsensitive) || LooksLikeDwg(data))
        return Refused(
            Status::Dwg,
            QStringLiteral("本程序不能读取DWG格式的图纸，请在CAD软件中将图纸另存为DXF格式后再打开。"));
    if (data.startsWith("AutoCAD Binary DXF"))
        return Refused(
            Status::BinaryDxf,
            QStringLiteral(
                "本程序不能读取二进制DXF图纸，请在CAD软件中将图纸另存为文本（ASCII）格式的DXF后再打开。"));

    CDxfGroupFilter::SResult groups = CDxfGroupFilter::Run(data);
    if (!groups.ok)
        return Refused(Status::Damaged, QStringLiteral("图纸文件已损坏或不完整：%1。").arg(groups.fault));

    const CDxfTextDecoder decoder(groups.version, groups.codePage);
    auto document = std::make_unique<CDxfDocument>();
    CAdapter adapter(*document, decoder);
    try {
        std::stringstream stream(std::move(groups.groups));
        auto dxf = std::make_unique<DL_Dxf>();
        dxf->in(stream, &adapter);
        adapter.Finish();
    } catch (const std::exception& e) {
        return Refused(
            Status::Damaged,
            QStringLiteral("图纸文件已损坏，无法解析（%1）。").arg(QString::fromLocal8Bit(e.what())));
    }
    SResult result;
    result.status = Status::Ok;
    result.document = std::move(document);
    return result;
}
