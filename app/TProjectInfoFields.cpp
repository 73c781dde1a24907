#include "app/TProjectInfoFields.h"

#include "model/CProjectData.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>

TProjectInfoFields::TProjectInfoFields(QWidget* parent) : QWidget(parent)
{
    static const char* const labels[6] = {"工程名称：", "工程编号：", "建设单位：",
                                          "计算人：",   "校对人：",   "审定人："};
    auto* form = new QFormLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 6; ++i) {
        Edits[i] = new QLineEdit(this);
        form->addRow(QString::fromUtf8(labels[i]), Edits[i]);
    }
    DateTimePicker1 = new QDateEdit(this);
    DateTimePicker1->setCalendarPopup(true);
    DateTimePicker1->setDisplayFormat(QStringLiteral("yyyy年M月d日"));
    // The stored no-date day is the lowest date and shows as an empty field; it is kept as it is.
    DateTimePicker1->setMinimumDate(CProjectData::NoDate());
    DateTimePicker1->setSpecialValueText(QStringLiteral(" "));
    form->addRow(QStringLiteral("日期："), DateTimePicker1);

    RadioGroup1 = new QGroupBox(QStringLiteral("计算单位"), this);
    auto* units = new QHBoxLayout(RadioGroup1);
    Units[0] = new QRadioButton(QStringLiteral("国际单位制"), RadioGroup1);
    Units[1] = new QRadioButton(QStringLiteral("工程单位制"), RadioGroup1);
    units->addWidget(Units[0]);
    units->addWidget(Units[1]);
    Units[0]->setChecked(true);
    form->addRow(RadioGroup1);
}

void TProjectInfoFields::LoadFromData(const CProjectData& data)
{
    const QString texts[6] = {data.ProjectName, data.ProjectNumber, data.Owner,
                              data.Designer,    data.Checker,       data.Examiner};
    for (int i = 0; i < 6; ++i)
        Edits[i]->setText(texts[i]);
    DateTimePicker1->setDate(data.DesignDate.isValid() ? data.DesignDate : CProjectData::NoDate());
    Units[data.Unit == 0 ? 0 : 1]->setChecked(true);
}

void TProjectInfoFields::SaveToData(CProjectData& data) const
{
    QString* texts[6] = {&data.ProjectName, &data.ProjectNumber, &data.Owner,
                         &data.Designer,    &data.Checker,       &data.Examiner};
    for (int i = 0; i < 6; ++i)
        *texts[i] = Edits[i]->text();
    data.DesignDate = DateTimePicker1->date();
    data.Unit = UnitIndex();
}

int TProjectInfoFields::UnitIndex() const
{
    return Units[1]->isChecked() ? 1 : 0;
}
