#include "library/CMatInOut.h"

#include "library/LibrarySchema.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CGbkCodec.h"
#include "platform/core/CTool.h"

#include <QDateTime>
#include <QFile>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QtEndian>

namespace {
const QString kBadFormat = QStringLiteral("文件格式不正确");
const QString kUnknownFormat = QStringLiteral("无法处理库文件格式");
constexpr int kMaskedHeader = 8; // length and key

void AppendInt(QByteArray& out, qint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

// A cursor over the file's bytes that never reads past the end: a read that does not fit marks
// the whole file as damaged.
class CFileCursor
{
public:
    explicit CFileCursor(const QByteArray& bytes) : m_bytes(bytes) {}

    qint64 Left() const { return m_bytes.size() - m_pos; }
    bool Ok() const { return m_ok; }

    qint32 Int()
    {
        if (!m_ok || Left() < 4)
            return Fail(), 0;
        const qint32 value = qFromLittleEndian<qint32>(m_bytes.constData() + m_pos);
        m_pos += 4;
        return value;
    }
    QString Text()
    {
        const qint32 length = Int();
        const qint32 key = Int();
        if (!m_ok || length <= 0)
            return {};
        if (length > Left())
            return Fail(), QString();
        QByteArray bytes = m_bytes.mid(m_pos, length);
        m_pos += length;
        const char mask = static_cast<char>(key & 0xff);
        for (char& b : bytes)
            b ^= mask;
        return CGbkCodec::FromGbk(bytes);
    }
    void Fail() { m_ok = false; }

private:
    const QByteArray& m_bytes;
    qint64 m_pos = 0;
    bool m_ok = true;
};
} // namespace

CMatInOut::CMatInOut()
{
    KeySource = [] { return static_cast<int>(QRandomGenerator::global()->bounded(1000)); };
}

void CMatInOut::Init(const QString& sourceName, int libraryIndex, int recordCount)
{
    m_sourceName = sourceName;
    m_libraryIndex = libraryIndex;
    m_recordCount = recordCount;
}

void CMatInOut::AppendText(QByteArray& out, const QString& text)
{
    QByteArray bytes = CGbkCodec::ToGbk(text);
    int key = KeySource();
    if (key < 1)
        key = 1;
    AppendInt(out, static_cast<qint32>(bytes.size()));
    AppendInt(out, key);
    const char mask = static_cast<char>(key & 0xff);
    for (char& b : bytes)
        b ^= mask;
    out.append(bytes);
}

bool CMatInOut::WriteFile(const QString& path, CDbQuery& dataSet, const QByteArray& flags, const QString& tableName)
{
    const int rows = dataSet.RecordCount();
    CProgressScope progress(rows + 2, QStringLiteral("请稍候......"));
    progress.Step();

    QByteArray out;
    AppendText(out, LibFileMagic());
    AppendInt(out, LibFileVersion());
    AppendInt(out, m_libraryIndex);
    AppendText(out, m_sourceName);
    AppendText(out, QString());
    AppendText(out, QString::number(LibFileVersion()));
    AppendText(out, QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
    AppendText(out, tableName);
    progress.Step();

    QList<int> fields;
    for (int f = 0; f < dataSet.FieldCount(); ++f)
        if (LibColumnCaption(m_libraryIndex, dataSet.FieldNames().at(f)).Position >= 0)
            fields.push_back(f);
    AppendInt(out, static_cast<qint32>(fields.size()));
    for (int f : fields)
        AppendText(out, LibColumnCaption(m_libraryIndex, dataSet.FieldNames().at(f)).Text);

    // The count written is the number of records that follow, whatever Init was told, so a
    // reader never runs short.
    int written = 0;
    for (int i = 0; i < rows; ++i)
        written += i < flags.size() && flags.at(i) ? 1 : 0;
    AppendInt(out, written);
    for (int i = 0; i < rows; ++i) {
        progress.Step();
        if (i >= flags.size() || !flags.at(i))
            continue;
        dataSet.MoveTo(i + 1);
        for (int f : fields) {
            const QVariant value = dataSet.Field(f);
            AppendText(out, value.isNull() ? QString() : value.toString());
        }
    }

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(out) != out.size())
        return false;
    return file.commit();
}

bool CMatInOut::LoadFile(const QString& path)
{
    Clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return ReadFile(file.readAll());
}

bool CMatInOut::Refuse(const QString& message)
{
    Clear();
    m_headerTexts.clear();
    m_libraryIndex = -1;
    CTool::Current().ShowMessageBox(QStringLiteral("错误"), message, 0, 2);
    return false;
}

bool CMatInOut::ReadFile(const QByteArray& bytes)
{
    Clear();
    m_headerTexts.clear();
    CFileCursor in(bytes);
    if (in.Text() != LibFileMagic() || !in.Ok())
        return Refuse(kBadFormat);
    const qint32 version = in.Int();
    if (!in.Ok())
        return Refuse(kBadFormat);
    if (version > LibFileVersion())
        return Refuse(kUnknownFormat);
    const qint32 index = in.Int();
    if (!in.Ok())
        return Refuse(kBadFormat);
    // A library without a column set cannot be imported: its records could not be placed.
    if (LibColumnCount(index) == 0)
        return Refuse(kUnknownFormat);
    m_libraryIndex = index;
    for (int h = 0; h < 5; ++h)
        m_headerTexts.push_back(in.Text());

    const qint32 columns = in.Int();
    if (!in.Ok() || columns < 0 || columns > in.Left() / kMaskedHeader)
        return Refuse(kBadFormat);
    for (int p = 0; p < columns; ++p) {
        const QString caption = in.Text();
        m_captions.push_back(caption);
        m_captionMap.insert(caption, p);
    }
    const qint32 records = in.Int();
    if (!in.Ok() || records < 0)
        return Refuse(kBadFormat);
    // Each value takes at least its length and key, so the count must fit into what is left; a
    // file without columns carries no values, and nothing can be done with its records.
    if (columns == 0 ? records > 0 : records > in.Left() / (qint64(kMaskedHeader) * columns))
        return Refuse(kBadFormat);
    m_records.reserve(records);
    for (int r = 0; r < records && in.Ok(); ++r) {
        CLibRecord record;
        for (int p = 0; p < columns; ++p)
            record.Values.push_back(in.Text());
        m_records.push_back(std::move(record));
    }
    if (!in.Ok() || in.Left() != 0)
        return Refuse(kBadFormat);
    return true;
}

void CMatInOut::Clear()
{
    m_captions.clear();
    m_records.clear();
    m_captionMap.clear();
}

QString CMatInOut::Value(int position, const QString& caption) const
{
    const auto found = m_captionMap.constFind(caption);
    if (found == m_captionMap.constEnd() || position < 0 || position >= GetRecordCount())
        return {};
    return m_records[position].Values.value(found.value());
}

QString CMatInOut::GetRecordName(int position) const
{
    const QString key = m_libraryIndex == LibIndexWeather ? QStringLiteral("City") : QStringLiteral("Name");
    const SLibColumn column = LibColumnCaption(m_libraryIndex, key);
    return column.Position < 0 ? QString() : Value(position, column.Text);
}

int CMatInOut::GetLibraryKind() const
{
    return LibKindOfIndex(m_libraryIndex);
}
