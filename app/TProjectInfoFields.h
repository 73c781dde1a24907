#pragma once
#include <QWidget>

class CProjectData;
class QDateEdit;
class QGroupBox;
class QLineEdit;
class QRadioButton;

// The descriptive parameters of a project as the open and the summary dialogs show them: name,
// number, client, the three responsible persons, the date and the unit system.
class TProjectInfoFields : public QWidget
{
    Q_OBJECT
public:
    explicit TProjectInfoFields(QWidget* parent = nullptr);

    // ProjectName, ProjectNumber, Owner, Designer, Checker, Examiner, DesignDate and Unit; a
    // Unit other than 0 and 1 shows as the last item, the no-date day (and any date before it)
    // as an empty date.
    void LoadFromData(const CProjectData& data);
    // The reverse; the other fields of data are left as they are.
    void SaveToData(CProjectData& data) const;
    // 0 SI, 1 engineering units.
    int UnitIndex() const;

    QLineEdit* Edits[6] = {};
    QDateEdit* DateTimePicker1 = nullptr;
    QGroupBox* RadioGroup1 = nullptr;
    QRadioButton* Units[2] = {};
};
