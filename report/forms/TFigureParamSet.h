#pragma once
#include <QDialog>
#include <QString>

class QComboBox;
class QLabel;
class QPushButton;
class TControlEdit;

// "体形系数计算": the building's outer surface area and volume, each the computed value or one
// typed by the user, and their quotient, the shape coefficient. It opens with the choices last
// confirmed for the building; "确定" keeps the choices and values in the building's row, "取消"
// keeps nothing. A typed value that is no number of at least 0 keeps the dialog open with a message.
class TFigureParamSet : public QDialog
{
    Q_OBJECT
public:
    TFigureParamSet(QWidget* owner, const QString& buildingName);

    const QString& BuildingName() const { return m_buildingName; }

    void FormShow();
    void cbb1Change();
    void cbb2Change();
    void ControlEdit1Change();
    void Button1Click();

    QComboBox* cbb1 = nullptr;
    QComboBox* cbb2 = nullptr;
    TControlEdit* ControlEdit1 = nullptr;
    TControlEdit* ControlEdit2 = nullptr;
    QLabel* lbl4 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Switches the edit to typing or fills it with the computed value.
    void SelectorChanged(QComboBox* selector, TControlEdit* edit, double (*compute)(const QString&));

    QString m_buildingName;
    bool m_shown = false;
};
