#pragma once
#include "library/forms/TTMaterial_BaseForm.h"

class QPushButton;

// The record frame of the opaque layered constructions (walls, slabs, roofs, blind storeys,
// projecting floors, gap walls). "材料编辑" opens the layer editor on the values shown; a record
// not yet stored cannot be edited there ("请先点击保存").
class TTMaterial_Wall : public TTMaterial_BaseForm
{
    Q_OBJECT
public:
    explicit TTMaterial_Wall(QWidget* owner);

    void ExchangeData(CHvacData& bag, bool load) override;
    void Button8Click();

    QPushButton* Button8;
    QLabel* Label12;
};
