#pragma once
#include <QDialog>

class CProjectData;
class QPushButton;
class TProjectInfoFields;

// The dialog "工程概况": the descriptive parameters of the open project. The caller loads it,
// runs exec() and, on mrOk, saves it back.
class TProjectSurveyForm : public QDialog
{
    Q_OBJECT
public:
    explicit TProjectSurveyForm(QWidget* owner = nullptr);

    void LoadFromData(const CProjectData& data);
    void SaveToData(CProjectData& data) const;
    void reject() override;

    TProjectInfoFields* Fields;
    QPushButton* Button2; // 确定
    QPushButton* Button3; // 取消
};
