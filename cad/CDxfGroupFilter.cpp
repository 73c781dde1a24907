#include "cad/CDxfGroupFilter.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <string_view>
#include <utility>
#include <vector>

namespace {
// The parser reads lines into a buffer of 1024 bytes; longer lines would stop it.
constexpr size_t kMaxValueBytes = 1000;
constexpr size_t kChunkBytes = 250;

enum class ValueType
{
    Text,
    Real,
    Integer
};

ValueType TypeOf(int code)
{
    if ((code >= 10 && code <= 59) || (code >= 110 && code <= 149) || (code >= 210 && code <= 239) ||
        (code >= 460 && code <= 469) || (code >= 1010 && code <= 1059))
        return ValueType::Real;
    if ((code >= 60 && code <= 99) || (code >= 160 && code <= 179) || (code >= 270 && code <= 299) ||
        (code >= 370 && code <= 389) || (code >= 400 && code <= 409) || (code >= 420 && code <= 429) ||
        (code >= 440 && code <= 459) || (code >= 1060 && code <= 1071))
        return ValueType::Integer;
    return ValueType::Text;
}

std::string_view Trimmed(std::string_view text)
{
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool ParseInt(std::string_view text, long long& value)
{
    text = Trimmed(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && error == std::errc() && end == text.data() + text.size();
}

bool ParseReal(std::string_view text, double& value)
{
    text = Trimmed(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && error == std::errc() && end == text.data() + text.size() && std::isfinite(value);
}

std::string RealText(double value)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

// The groups each kept record may carry; everything else (handles, reactors, extended data,
// widths, thickness) is left out.
const std::vector<int>* AllowedCodes(std::string_view type)
{
    static const std::vector<std::pair<std::string_view, std::vector<int>>> table = {
        {"LINE", {10, 20, 30, 11, 21, 31}},
        {"LWPOLYLINE", {70, 10, 20, 42, 38}},
        {"POLYLINE", {66, 70, 10, 20, 30}},
        {"VERTEX", {70, 10, 20, 30, 42}},
        {"SEQEND", {}},
        {"ARC", {10, 20, 30, 40, 50, 51}},
        {"CIRCLE", {10, 20, 30, 40}},
        {"ELLIPSE", {10, 20, 30, 11, 21, 31, 40, 41, 42}},
        {"TEXT", {1, 7, 10, 20, 30, 11, 21, 31, 40, 41, 50, 71, 72, 73}},
        {"MTEXT", {1, 3, 7, 10, 20, 30, 11, 21, 31, 40, 41, 44, 50, 71, 72, 73}},
        {"INSERT", {2, 10, 20, 30, 41, 42, 43, 44, 45, 50, 70, 71}},
        {"BLOCK", {2, 10, 20, 30, 70}},
        {"ENDBLK", {}},
        {"LAYER", {2, 70, 62, 420}},
    };
    for (const auto& [name, codes] : table)
        if (name == type)
            return &codes;
    return nullptr;
}

bool IsEntity(std::string_view type)
{
    return type != "BLOCK" && type != "ENDBLK" && type != "LAYER" && AllowedCodes(type);
}

// Layer, colour, true colour, paper space and extrusion: shared by every entity.
bool IsCommonEntityCode(int code)
{
    return code == 8 || code == 62 || code == 420 || code == 67 || code == 210 || code == 220 || code == 230;
}

bool IsWantedHeaderVariable(std::string_view name)
{
    for (std::string_view wanted :
         {"$ACADVER", "$DWGCODEPAGE", "$EXTMIN", "$EXTMAX", "$INSUNITS", "$MEASUREMENT"})
        if (name == wanted)
            return true;
    return false;
}

class CLines
{
public:
    explicit CLines(const QByteArray& data) : m_data(data.constData(), size_t(data.size()))
    {
        if (m_data.substr(0, 3) == "\xEF\xBB\xBF")
            m_pos = 3;
    }

    bool Next(std::string_view& line)
    {
        if (m_pos >= m_data.size())
            return false;
        const size_t end = std::min(m_data.find('\n', m_pos), m_data.size());
        line = m_data.substr(m_pos, end - m_pos);
        while (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        m_pos = end + 1;
        ++m_number;
        return true;
    }
    int Number() const { return m_number; }

private:
    std::string_view m_data;
    size_t m_pos = 0;
    int m_number = 0;
};

class CFilter
{
public:
    CDxfGroupFilter::SResult Run(const QByteArray& data);

private:
    enum class Section
    {
        None,
        Pending,
        Header,
        Tables,
        Blocks,
        Entities,
        Other
    };

    bool Fail(const QString& fault)
    {
        m_result.fault = fault;
        return false;
    }
    bool Group(int code, std::string_view value, int line);
    bool StartRecord(std::string_view type);
    bool Value(int code, std::string_view value, int line, std::string& out);
    void Flush();
    void Emit(int code, std::string_view value);
    void EmitLongText(int code, std::string_view value);

    CDxfGroupFilter::SResult m_result;
    Section m_section = Section::None;
    bool m_layerTable = false;
    bool m_inBlock = false;
    bool m_headerVariableKept = false;
    std::string_view m_headerVariable;
    std::string m_recordType;
    const std::vector<int>* m_allowed = nullptr; // null: the record is left out
    std::vector<std::pair<int, std::string>> m_groups;
    bool m_eof = false;
};

CDxfGroupFilter::SResult CFilter::Run(const QByteArray& data)
{
    m_result.groups.reserve(size_t(data.size() / 2));
    CLines lines(data);
    std::string_view codeLine;
    std::string_view valueLine;
    while (!m_eof && lines.Next(codeLine)) {
        const int line = lines.Number();
        if (!lines.Next(valueLine)) {
            Fail(QStringLiteral("文件不完整，第%1行的组码之后没有值").arg(line));
            return m_result;
        }
        long long code = 0;
        if (!ParseInt(codeLine, code) || code < 0 || code > 1071) {
            Fail(QStringLiteral("第%1行应为组码（0到1071的整数）").arg(line));
            return m_result;
        }
        if (!Group(int(code), valueLine, line))
            return m_result;
    }
    if (!m_eof) {
        Fail(QStringLiteral("文件不完整，没有文件结束标记EOF"));
        return m_result;
    }
    m_result.ok = true;
    return m_result;
}

bool CFilter::Group(int code, std::string_view value, int line)
{
    if (code == 0) {
        Flush();
        if (m_section == Section::Pending)
            return Fail(QStringLiteral("第%1行：SECTION之后缺少段名").arg(line));
        const std::string_view type = Trimmed(value);
        if (type == "EOF") {
            Emit(0, "EOF");
            m_eof = true;
            return true;
        }
        if (type == "SECTION") {
            if (m_section != Section::None)
                return Fail(QStringLiteral("第%1行开始新段时上一段尚未结束（缺少ENDSEC）").arg(line));
            m_section = Section::Pending;
            return true;
        }
        if (type == "ENDSEC") {
            if (m_section == Section::Header || m_section == Section::Tables ||
                m_section == Section::Blocks || m_section == Section::Entities)
                Emit(0, "ENDSEC");
            m_section = Section::None;
            m_layerTable = false;
            m_inBlock = false;
            return true;
        }
        return StartRecord(type);
    }

    if (m_section == Section::Pending) {
        if (code != 2)
            return Fail(QStringLiteral("第%1行：SECTION之后缺少段名").arg(line));
        const std::string_view name = Trimmed(value);
        m_section = name == "HEADER"     ? Section::Header
                    : name == "TABLES"   ? Section::Tables
                    : name == "BLOCKS"   ? Section::Blocks
                    : name == "ENTITIES" ? Section::Entities
                                         : Section::Other;
        if (m_section != Section::Other) {
            Emit(0, "SECTION");
            Emit(2, name);
        }
        return true;
    }

    if (m_section == Section::Header) {
        if (code == 9) {
            m_headerVariable = Trimmed(value);
            m_headerVariableKept = IsWantedHeaderVariable(m_headerVariable);
            if (m_headerVariableKept)
                Emit(9, m_headerVariable);
            return true;
        }
        if (!m_headerVariableKept)
            return true;
        std::string text;
        if (!Value(code, value, line, text))
            return false;
        if (m_headerVariable == "$ACADVER" && code == 1)
            m_result.version = text;
        else if (m_headerVariable == "$DWGCODEPAGE" && code == 3)
            m_result.codePage = text;
        Emit(code, text);
        return true;
    }

    if (!m_allowed)
        return true;
    if (m_recordType == "TABLE") {
        if (code == 2)
            m_groups.emplace_back(code, std::string(Trimmed(value)));
        return true;
    }
    const bool entity = IsEntity(m_recordType);
    if (std::find(m_allowed->begin(), m_allowed->end(), code) == m_allowed->end() &&
        !(entity && IsCommonEntityCode(code)) && !(m_recordType == "BLOCK" && code == 8))
        return true;
    std::string text;
    if (!Value(code, value, line, text))
        return false;
    m_groups.emplace_back(code, std::move(text));
    return true;
}

bool CFilter::StartRecord(std::string_view type)
{
    static const std::vector<int> kTableCodes = {2};
    m_recordType.assign(type);
    m_allowed = nullptr;
    m_groups.clear();
    switch (m_section) {
    case Section::Tables:
        if (type == "TABLE")
            m_allowed = &kTableCodes;
        else if (type == "ENDTAB" && m_layerTable) {
            Emit(0, "ENDTAB");
            m_layerTable = false;
        } else if (type == "LAYER" && m_layerTable)
            m_allowed = AllowedCodes(type);
        break;
    case Section::Blocks:
        // Entities between blocks belong to no block and are left out.
        if (type == "BLOCK" || type == "ENDBLK" || (m_inBlock && IsEntity(type)))
            m_allowed = AllowedCodes(type);
        if (type == "BLOCK" || type == "ENDBLK")
            m_inBlock = type == "BLOCK";
        break;
    case Section::Entities:
        if (IsEntity(type))
            m_allowed = AllowedCodes(type);
        break;
    default:
        break;
    }
    return true;
}

bool CFilter::Value(int code, std::string_view value, int line, std::string& out)
{
    switch (TypeOf(code)) {
    case ValueType::Real: {
        double number = 0;
        if (!ParseReal(value, number))
            return Fail(QStringLiteral("第%1行：组码%2的值不是有效的数字").arg(line + 1).arg(code));
        out = RealText(number);
        return true;
    }
    case ValueType::Integer: {
        long long number = 0;
        if (!ParseInt(value, number) || number < std::numeric_limits<int>::min() ||
            number > std::numeric_limits<int>::max())
            return Fail(QStringLiteral("第%1行：组码%2的值不是有效的整数").arg(line + 1).arg(code));
        out = std::to_string(number);
        return true;
    }
    case ValueType::Text:
        out.assign(value);
        return true;
    }
    return true;
}

void CFilter::Flush()
{
    if (!m_allowed) {
        m_recordType.clear();
        return;
    }
    if (m_recordType == "TABLE") {
        m_layerTable = !m_groups.empty() && m_groups.front().second == "LAYER";
        if (m_layerTable) {
            Emit(0, "TABLE");
            Emit(2, "LAYER");
        }
    } else {
        Emit(0, m_recordType);
        if (m_recordType == "LWPOLYLINE")
            Emit(90, std::to_string(std::count_if(m_groups.begin(), m_groups.end(),
                                                  [](const auto& group) { return group.first == 10; })));
        // The parser drops a block without a name and would hand its entities to the one before.
        if (m_recordType == "BLOCK") {
            std::erase_if(m_groups, [](const auto& group) {
                return group.first == 2 && Trimmed(group.second).empty();
            });
            if (std::none_of(m_groups.begin(), m_groups.end(),
                             [](const auto& group) { return group.first == 2; }))
                Emit(2, "*UNNAMED");
        }
        const bool mtext = m_recordType == "MTEXT";
        for (const auto& [code, value] : m_groups) {
            if (mtext && (code == 1 || code == 3))
                EmitLongText(code, value);
            else
                Emit(code, std::string_view(value).substr(0, kMaxValueBytes));
        }
    }
    m_allowed = nullptr;
    m_groups.clear();
    m_recordType.clear();
}

void CFilter::EmitLongText(int code, std::string_view value)
{
    // The parser joins the chunks (code 3) and the last part (code 1) byte for byte, so a cut
    // inside a double-byte character is healed when they are joined.
    while (value.size() > kMaxValueBytes) {
        Emit(3, value.substr(0, kChunkBytes));
        value.remove_prefix(kChunkBytes);
    }
    Emit(code, value);
}

void CFilter::Emit(int code, std::string_view value)
{
    m_result.groups += std::to_string(code);
    m_result.groups += '\n';
    m_result.groups.append(value);
    m_result.groups += '\n';
}
} // namespace

CDxfGroupFilter::SResult CDxfGroupFilter::Run(const QByteArray& data)
{
    return CFilter().Run(data);
}
