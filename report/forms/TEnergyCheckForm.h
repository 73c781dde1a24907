#pragma once
#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

class QPushButton;
class TControlEdit;

// The table dialog shared by the energy-saving checks of one building: a caption per row, a
// column of edits per value column (named a0, a1, ... b0, ... after column letter and row), and
// "刷新", "确定", "取消". Showing fills the edits from the check (recomputing as the recompute
// setting says), "刷新" from a forced recompute; nothing is stored until "确定", which stores the
// edits of the stored columns and closes. An edit that holds no number of at least 0 keeps the
// dialog open with a message naming it. Failures of the check are shown and leave the edits as
// they were.
class TEnergyCheckForm : public QDialog
{
    Q_OBJECT
public:
    const QString& BuildingName() const { return m_buildingName; }
    // The edit of the value column (0 for "a") and row; null outside the table.
    TControlEdit* Edit(int column, int row) const;

    void FormShow();
    void Button1Click(); // 确定
    void Button3Click(); // 刷新

    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;

protected:
    struct SLayout
    {
        QString Caption;
        QString RowHeading;
        QStringList ColumnHeadings;
        QStringList RowCaptions;
        int EditableColumns = 0;   // the first columns may be typed into, the others are shown only
        QStringList StoredColumns; // table Building's columns of the first values, in value order
    };

    TEnergyCheckForm(QWidget* owner, const QString& buildingName, const SLayout& layout);

    // The check's values, column by column.
    virtual std::vector<double> Compute(bool force) = 0;
    // Text of a value after "刷新"; trimmed to at most two decimals unless a check says otherwise.
    virtual QString RefreshedText(double value) const;
    // An editable value of the row was changed by the user.
    virtual void ValueEdited(int row) { Q_UNUSED(row); }

    int RowCount() const { return m_layout.RowCaptions.size(); }
    bool Filling() const { return m_filling; }

    void showEvent(QShowEvent* event) override;

private:
    void Fill(bool force);

    QString m_buildingName;
    SLayout m_layout;
    QList<TControlEdit*> m_edits; // column by column
    bool m_filling = false;
    bool m_shown = false;
};
