#include "library/forms/TExportMaterials.h"

#include "app/controls/ModalResult.h"
#include "app/controls/TBMPButton.h"
#include "library/LibrarySchema.h"
#include "model/TDM_Project.h"
#include "model/TDM_SysParam.h"
#include "platform/core/CTool.h"
#include "platform/core/Exception.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

TExportMaterials::TExportMaterials(QWidget* parent) : TLibExchangeDialogBase(parent)
{
    setObjectName(QStringLiteral("ExportMaterials"));
    setWindowTitle(QStringLiteral("材料数据导出"));
    setFixedSize(456, 300);
    auto* label = new QLabel(QStringLiteral("所属库："), Panel2);
    label->setObjectName(QStringLiteral("Label1"));
    ComboBox1 = new QComboBox(Panel2);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(ComboBox1, 1);
    m_top->addLayout(row);
    connect(ComboBox1, &QComboBox::activated, this, &TExportMaterials::ComboBox1Change);
    connect(FlatButton2, &TBMPButton::OnClick, this, &TExportMaterials::FlatButton2Click);
    FlatButton2->SetModalResult(mrOk);
}

void TExportMaterials::SetLibraryKind(int kind)
{
    m_libraryIndex = LibIndexOfKind(kind);
    ComboBox1->clear();
    ComboBox1->addItems({QStringLiteral("工程数据"), QStringLiteral("系统数据")});
    ComboBox1->setCurrentIndex(1);
    CheckBox1->setChecked(true);
    FillList(1);
}

void TExportMaterials::FillList(int source)
{
    CheckListBox1->clear();
    m_dataSet.Close();
    if (m_libraryIndex < 0)
        return;
    const bool weather = m_libraryIndex == LibIndexWeather;
    try {
        CDbConnection* connection = nullptr;
        if (source == 0) {
            if (TDM_Project::Exists())
                connection = &TDM_Project::Current().ProjectCon;
            m_tableName = weather ? LibWeatherTable(0) : LibIndexTable(m_libraryIndex);
        } else {
            if (TDM_SysParam::Exists())
                connection = &TDM_SysParam::Current().ADOConnection2;
            m_tableName = weather ? LibWeatherTable(1) : LibIndexTable(m_libraryIndex);
        }
        if (!connection || !connection->IsOpen())
            throw Exception(QStringLiteral("数据库没有打开"));
        m_dataSet.SetConnection(*connection);
        OpenQueryGuarded(m_dataSet, CSQLStatement(QStringLiteral("select * from %1").arg(m_tableName)));
        const bool use = m_libraryIndex == LibIndexRoomUse || m_libraryIndex == LibIndexStoreyUse;
        for (m_dataSet.First(); !m_dataSet.Eof(); m_dataSet.Next()) {
            if (weather)
                AddItem(m_dataSet.AsString("Lib_name") + ':' + m_dataSet.AsString("Country") + ',' +
                        m_dataSet.AsString("Area") + ',' + m_dataSet.AsString("City"));
            else if (use)
                AddItem(m_dataSet.AsString("Name"));
            else
                AddItem(m_dataSet.AsString("catergory") + ':' + m_dataSet.AsString("Name"));
        }
        CheckBox1Click();
    } catch (const Exception&) {
        m_dataSet.Close();
        CTool::Current().ShowMessageBox(QStringLiteral("警告"), QStringLiteral("连接或者查询数据库失败"), 0, 2);
    }
}

void TExportMaterials::ComboBox1Change()
{
    FillList(ComboBox1->currentIndex());
}

void TExportMaterials::Export(const QString& path)
{
    if (!m_dataSet.IsOpen() || m_dataSet.RecordCount() == 0) {
        CTool::Current().ShowMessageBox(QStringLiteral("不导出文件"), QStringLiteral("数据为空！"), 6, 2);
        return;
    }
    m_exchange.Init(ComboBox1->currentText(), m_libraryIndex, CheckedCount());
    // Rows without an item (a list cut short by a failure) count as unticked.
    QByteArray flags = CheckFlags();
    flags.resize(m_dataSet.RecordCount(), 0);
    if (!m_exchange.WriteFile(path, m_dataSet, flags, m_tableName))
        CTool::Current().ShowMessageBox(QStringLiteral("错误"), QStringLiteral("无法写入文件：%1").arg(path), 6, 1);
}

void TExportMaterials::FlatButton2Click()
{
    if (m_libraryIndex < 0)
        return;
    const QString ext = LibFileExt(m_libraryIndex);
    QString file;
    if (!CTool::Current().GetSaveFileName(QStringLiteral("材料数据导出"),
                                          QStringLiteral("%1 File(*%2)").arg(LibIndexName(m_libraryIndex), ext), file))
        return;
    const QFileInfo info(file);
    const QString base = info.suffix().isEmpty() ? file : info.path() + '/' + info.completeBaseName();
    Export(base + ext);
}
