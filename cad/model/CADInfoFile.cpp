#include "cad/model/CADInfoFile.h"

#include "cad/model/CCADFileWriter.h"
#include "cad/model/CCADInfo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cstring>
#include <memory>

namespace {
constexpr char kMagic[10] = {'Q', 'O', 'R', '-', 'C', 'A', 'D', 0, 0, 0};

// The shortest storey record: id, empty file name, north, unit, origin, no outline, no rooms.
constexpr qint64 kMinStoreyBytes = 4 + 4 + 4 + 4 + 8 + 8 + 4 + 4;

QString Protected(const QString& reason)
{
    return reason + QStringLiteral("\n为保护该文件，保存工程时不会改写它。");
}

int Refuse(CCADInfo& model, const QString& path, const QString& reason)
{
    model.Clear();
    model.SetLoadFailed(path, Protected(reason));
    return 0;
}

QString Normalised(const QString& path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}
} // namespace

QString CadInfoFilePath(const QString& projectFilePath)
{
    const QFileInfo info(projectFilePath);
    const QString suffix = info.suffix();
    QString base = projectFilePath;
    if (!suffix.isEmpty())
        base.chop(suffix.size() + 1);
    return base + QStringLiteral(".qcd");
}

int LoadCadInfoFile(CCADInfo& model, const QString& path, const CADNodeIdResolver& resolver)
{
    model.Clear();
    if (!QFileInfo::exists(path))
        return 1;

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Refuse(model, path,
                      QStringLiteral("无法打开CAD模型文件%1：%2。").arg(path, file.errorString()));

    CCADFileReader reader(file, resolver);
    const QByteArray magic = reader.ReadAvailable(sizeof kMagic);
    // Compared as text up to the first NUL, as the file has always been read.
    if (magic.size() < qsizetype(sizeof kMagic) ||
        QByteArray(magic.constData(), qsizetype(qstrnlen(magic.constData(), sizeof kMagic))) != "QOR-CAD")
        return Refuse(model, path, QStringLiteral("文件%1不是CAD模型文件。").arg(path));

    try {
        const int version = reader.ReadInt();
        if (version > CadInfoFileVersion)
            return Refuse(
                model, path,
                QStringLiteral("CAD模型文件%1是更高版本的程序生成的（文件版本%2），本程序无法读取。")
                    .arg(path)
                    .arg(version));
        const int count = reader.ReadCount(kMinStoreyBytes);
        model.Clear();
        for (int i = 0; i < count; ++i) {
            auto storey = std::make_unique<CADStoreyInfo>();
            storey->Read(reader, version);
            model.Add(storey.release());
        }
    } catch (const CCADFileError& error) {
        return Refuse(
            model, path,
            QStringLiteral("CAD模型文件%1已损坏或不完整（%2），无法读取。").arg(path, error.Message()));
    }
    return 1;
}

int SaveCadInfoFile(const CCADInfo& model, const QString& path, QString* message)
{
    if (model.LoadFailed() && QFileInfo::exists(path) &&
        Normalised(path) == Normalised(model.LoadFailedFile())) {
        if (message)
            *message = QStringLiteral("CAD模型文件%1未能读取，为保护该文件，CAD模型没有保存。"
                                      "如需重新建立CAD模型，请先移走该文件，再保存工程。")
                           .arg(path);
        return 0;
    }

    CCADFileWriter writer;
    writer.WriteBytes(kMagic, sizeof kMagic);
    writer.WriteInt(CadInfoFileVersion);
    writer.WriteInt(model.Count());
    for (int i = 0; i < model.Count(); ++i)
        model.Get(i)->Write(writer);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (message)
            *message = QStringLiteral("无法创建CAD模型文件%1：%2").arg(path, file.errorString());
        return 0;
    }
    const QByteArray& data = writer.Data();
    if (file.write(data) != data.size()) {
        file.cancelWriting();
        throw Exception(QStringLiteral("fwrite string error"));
    }
    if (!file.commit())
        throw Exception(QStringLiteral("fwrite string error"));
    return 1;
}
