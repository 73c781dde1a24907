#pragma once
#include <QSize>
#include <QStringList>
#include <QWidget>
#include <vector>

class CHvacData;
class CMaterialNode;
class QComboBox;
class QGridLayout;
class QLabel;
class TControlEdit;
class TTLibManageForm;

// The record frame of a library kind in the library manager: edit controls bound to the columns of
// the kind's table, exchanged as texts with a record's bag. A frame never touches a database.
//
// Value kinds: a number or text edit takes the value text and gives its text back; a list by text
// selects the item equal to the value (none when absent) and gives the shown item ("" for none); a
// list by index selects the value's leading integer (-1 clears) and gives the index ("-1" for none).
// A number edit whose text is no number is shown red; InvalidNumberCaption names it so the manager
// refuses to write it (unless the text is the one the record was shown with).
class TTMaterial_BaseForm : public QWidget
{
    Q_OBJECT
public:
    enum class ValueKind
    {
        Number,
        Text,
        ListByText,
        ListByIndex
    };

    TTMaterial_BaseForm(QWidget* owner, const QSize& designSize);

    CMaterialNode* ShownNode = nullptr; // set by the manager before every load
    TTLibManageForm* Manager = nullptr; // set once after creation

    // Reloads pick lists that depend on library contents.
    virtual void RefreshLists() {}
    // load: the bag's values into the controls; otherwise the controls into the bag (every key).
    virtual void ExchangeData(CHvacData& bag, bool load);

    // The column keys the frame exchanges, in exchange order.
    QStringList Keys() const;
    ValueKind KindOf(const QString& key) const;
    // The control bound to the key; null when none.
    QWidget* ControlOf(const QString& key) const;
    // The caption of the first number edit whose text is no number and not the text it was shown
    // with; empty when every number edit can be written.
    QString InvalidNumberCaption() const;

protected:
    // Binds a new control to the key and places it with its caption in the grid at (row, column
    // pair); answers the control. The control's object name is the given name.
    TControlEdit* AddNumber(QGridLayout* grid, int row, int column, const QString& key, const QString& name,
                            const QString& caption);
    TControlEdit* AddText(QGridLayout* grid, int row, int column, const QString& key, const QString& name,
                          const QString& caption);
    QComboBox* AddList(QGridLayout* grid, int row, int column, const QString& key, const QString& name,
                       const QString& caption, ValueKind kind, const QStringList& items);
    // A row of a summer and a winter number edit under the column titles of AddSeasonTitles.
    void AddSummerWinter(QGridLayout* grid, int row, int column, const QString& keyS, const QString& keyW,
                         const QString& caption);
    // The titles "夏季" and "冬季" over the two edit columns after the caption column.
    void AddSeasonTitles(QGridLayout* grid, int row, int column);
    // The summer and winter heat-transfer coefficients K_S and K_W with their titles, in a grid of
    // their own spanning the caption and edit columns of the row.
    void AddHeatTransferRows(QGridLayout* grid, int row, const QString& caption);
    // Binds an existing control (placed by the frame itself).
    void Bind(const QString& key, QWidget* control, ValueKind kind, const QString& caption);
    static QLabel* Caption(const QString& text, QWidget* parent);
    // The frame's design size, grown to its layout's need.
    void FitDesignSize();

private:
    TControlEdit* AddEdit(QGridLayout* grid, int row, int column, const QString& key, const QString& name,
                          const QString& caption, ValueKind kind);

    struct SBinding
    {
        QString key;
        QWidget* control;
        ValueKind kind;
        QString caption;
        QString shown; // the text loaded into a number edit
    };
    std::vector<SBinding> m_bindings;
    QSize m_designSize;
};
