#pragma once
#include <QWidget>

class CMaterialNode;
class TTMaterialTreeFrame;

// The field that opens the construction picker and takes the record chosen in it.
class CMaterialSelectTargetBase
{
public:
    virtual ~CMaterialSelectTargetBase() = default;
    // The chosen record: its ID, its category ("" directly under its root) and its name.
    virtual void SetValue(int id, const QString& category, const QString& name) = 0;
};

// The drop-down in which a construction field chooses a library record with one click: a record of
// the system library or another project file is copied into the open project first. Clicking a
// category or root keeps it open; clicking outside closes it without a choice. One popup serves the
// whole program (Shared), hidden between uses.
class TMaterialSelectForm : public QWidget
{
    Q_OBJECT
public:
    explicit TMaterialSelectForm(QWidget* parent = nullptr);

    static TMaterialSelectForm& Shared();

    // Shows the popup at the screen position with the kind's tree and the record of the ID selected;
    // the choice goes to the target, which must outlive the popup's showing.
    void Open(CMaterialSelectTargetBase* target, int kind, int currentId, const QPoint& screenPosition);
    // The selection handler: hands a chosen record to the target and closes.
    void TreeSelect();

    TTMaterialTreeFrame* TMaterialTreeFrame1;
    CMaterialSelectTargetBase* Target = nullptr;
};
