#pragma once
#include "report/forms/TEnergyCheckForm.h"

// "窗墙面积比计算": transparent and total area of each wall orientation, of all walls and of the
// roof, with their ratio; typing an area recomputes the ratio of its row only.
class TWinWallRatio : public TEnergyCheckForm
{
    Q_OBJECT
public:
    TWinWallRatio(QWidget* owner, const QString& buildingName);

    // The ratio of the row from the texts of its two area edits.
    void a0Change(int row);

protected:
    std::vector<double> Compute(bool force) override;
    void ValueEdited(int row) override { a0Change(row); }
};
