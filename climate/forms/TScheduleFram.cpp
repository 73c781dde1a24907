#include "climate/forms/TScheduleFram.h"

#include "app/controls/ModalResult.h"
#include "app/controls/TBMPButton.h"
#include "climate/CScheduleData.h"
#include "climate/forms/TScheduleManageForm.h"
#include "model/CElementBase.h"
#include "model/CMaterialParamNameList.h"
#include "model/CNodeData.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>

TScheduleFram::TScheduleFram(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ScheduleFram"));
    Label1 = new QLabel(QStringLiteral("时间表:"), this);
    Edit_ScheduleName = new QComboBox(this);
    Edit_ScheduleName->setObjectName(QStringLiteral("Edit_ScheduleName"));
    Edit_ScheduleName->setMinimumWidth(262);
    FlatButton1 = new TBMPButton(QStringLiteral("..."), this);
    FlatButton1->setFixedSize(25, 20);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Label1);
    layout->addWidget(Edit_ScheduleName, 1);
    layout->addWidget(FlatButton1);

    connect(FlatButton1, &TBMPButton::OnClick, this, &TScheduleFram::FlatButton1Click);
}

void TScheduleFram::SetElement(CElementBase* element, const QString& column)
{
    m_column = column;
    m_node = element ? dynamic_cast<CNodeData*>(element->Node) : nullptr;
    m_element = m_node ? nullptr : element;
}

CElementBase* TScheduleFram::Element() const
{
    return m_node ? m_node->LoadElement() : m_element;
}

void TScheduleFram::LoadNames()
{
    const CElementBase* element = Element();
    const QString current = element ? element->GetAttribute(m_column) : Edit_ScheduleName->currentText();
    Edit_ScheduleName->clear();
    if (CMaterialParamNameList::Exists())
        for (const CNameWithId& schedule :
             CMaterialParamNameList::Current().GetNameList(CMaterialParamNameList::ScheduleKind))
            Edit_ScheduleName->addItem(schedule.Name);
    int index = Edit_ScheduleName->findText(current, Qt::MatchFixedString);
    if (index < 0 && !current.isEmpty()) {
        Edit_ScheduleName->addItem(current);
        index = Edit_ScheduleName->count() - 1;
    }
    Edit_ScheduleName->setCurrentIndex(index);
}

void TScheduleFram::FlatButton1Click()
{
    if (!Element())
        return;
    emit CommitPage();
    // The manager rewrites rows by statements and may release the loaded elements: what the
    // element holds reaches its row first.
    CElementBase* element = Element();
    if (!element || (m_node && element->UpdateRecord() != 1))
        return;

    TScheduleManageForm manager(window());
    manager.SetPresetName(Edit_ScheduleName->currentText());
    manager.SetDataSet(&CScheduleData::CurrentQuery());
    const int result = manager.exec();
    const QString chosen = manager.SelectedSchedule();
    if (result == mrOk && !chosen.isEmpty()) {
        if (CElementBase* target = Element()) {
            target->SetAttribute(m_column, chosen);
            if (m_node)
                target->UpdateRecord();
        }
    }
    LoadNames();
    emit ReloadPage();
}
