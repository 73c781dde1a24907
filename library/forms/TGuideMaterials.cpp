#include "library/forms/TGuideMaterials.h"

#include "app/controls/ModalResult.h"
#include "app/controls/TBMPButton.h"
#include "library/LibrarySchema.h"
#include "model/TDM_SysParam.h"
#include "platform/core/CDbQuery.h"
#include "platform/core/CTool.h"
#include "platform/core/Exception.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

TGuideMaterials::TGuideMaterials(QWidget* parent) : TLibExchangeDialogBase(parent)
{
    setObjectName(QStringLiteral("GuideMaterials"));
    setWindowTitle(QStringLiteral("导入到系统库"));
    setFixedSize(455, 320);
    auto* label = new QLabel(QStringLiteral("打开文件："), Panel2);
    label->setObjectName(QStringLiteral("Label1"));
    Edit1 = new QLineEdit(Panel2);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setReadOnly(true);
    BMPButton2 = new TBMPButton(QStringLiteral("..."), Panel2);
    BMPButton2->setObjectName(QStringLiteral("BMPButton2"));
    BMPButton2->setFixedWidth(30);
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(Edit1, 1);
    row->addWidget(BMPButton2);
    m_top->addLayout(row);
    connect(BMPButton2, &TBMPButton::OnClick, this, &TGuideMaterials::BMPButton2Click);
    // The dialog ends itself after a successful import: a failed one keeps it open.
    connect(FlatButton2, &TBMPButton::OnClick, this, &TGuideMaterials::FlatButton2Click);
}

void TGuideMaterials::SetLibraryKind(int kind)
{
    m_libraryIndex = LibIndexOfKind(kind);
}

void TGuideMaterials::BMPButton2Click()
{
    QString file;
    if (!CTool::Current().GetOpenFileName(
            QStringLiteral("导入到系统库"),
            QStringLiteral("%1 File(*%2)").arg(LibIndexName(m_libraryIndex), LibFileExt(m_libraryIndex)), file))
        return;
    LoadFile(file);
}

void TGuideMaterials::LoadFile(const QString& path)
{
    Edit1->setText(path);
    m_exchange.LoadFile(path);
    FillList();
}

void TGuideMaterials::FillList()
{
    CheckListBox1->clear();
    for (int r = 0; r < m_exchange.GetRecordCount(); ++r) {
        const QString name = m_exchange.GetRecordName(r);
        if (!name.isEmpty())
            AddItem(name);
    }
    CheckBox1->setChecked(true);
    CheckBox1Click();
}

void TGuideMaterials::FlatButton2Click()
{
    const QByteArray flags = CheckFlags();
    if (m_libraryIndex >= 0 && flags.contains(char(1)) && TDM_SysParam::Exists()) {
        const QString table = m_libraryIndex == LibIndexWeather ? LibWeatherTable(1) : LibIndexTable(m_libraryIndex);
        CDbQuery query(TDM_SysParam::Current().ADOConnection2);
        try {
            m_exchange.ImportRecords(query, flags, table);
        } catch (const Exception& e) {
            CTool::Current().ShowMessage(e.Message());
            return;
        }
    }
    done(mrOk);
}
