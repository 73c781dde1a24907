#pragma once
#include "model/CRegistry.h"
#include "report/COutputRunHostBase.h"

#include <QDialog>
#include <array>
#include <memory>
#include <vector>

class COutputParam;
class CPlugReportItem;
class QCheckBox;
class QComboBox;
class QListWidget;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTableWidget;
class QToolButton;
class QTreeWidgetItem;
class TCheckPopupTree;
class TCheckTreeView;
class TControlEdit;
class TRadioGroup;

// The output options dialog "输出" of the calculation book: for the current design type, which items
// the book prints (the output option tree as a check tree), for four sections which buildings,
// storeys and rooms appear (the arrow beside the section opens a drop-down check tree of the
// project), the per-section settings (indoor design basis, statistics, hours, months and days,
// table heads, landscape printing), the defaults, and "输出", which stores everything and runs the
// calculate-and-output road with the chosen output mode. Closing the dialog by any means stores
// the settings; the project parameters reach the database with the project's save.
class TOutputParamSet : public QDialog, public COutputRunHostBase
{
    Q_OBJECT
public:
    // The dialog's fourteen sections: an option item belongs to the first whose caption its own
    // caption contains.
    static constexpr int SectionCount = 14;
    static const std::array<const char*, SectionCount>& SectionCaptions();
    // The setting keys of the sections ("Landscape_<key>" in tbl_registry).
    static const std::array<const char*, SectionCount>& SectionKeys();
    // The section of an option's caption; -1 for none.
    static int SectionOfCaption(const QString& caption);

    explicit TOutputParamSet(QWidget* parent = nullptr);
    ~TOutputParamSet() override;

    // Fills the option tree for the current design type.
    void BuildOptionTree();
    // Writes every setting of the dialog: table heads, registry keys, project parameters, the
    // option flags when changed, and the buildings', storeys' and rooms' output flags edited in the
    // drop-down tree.
    void StoreSettings();

    // Handlers, public so that tests drive them as a click would.
    void CheckTreeView1Change();
    void CheckTreeView1NodeSatueChange(QTreeWidgetItem* item);
    // The arrow of output column k: shows the drop-down tree of the project for that column.
    void MyClick(int column);
    void Button1Click(); // 恢复缺省值
    void Button2Click(); // 输出
    void FlatButton2Click(); // 确定
    void CheckBox2Click();
    void CheckBox3Click();
    void CheckBox4Click(); // the landscape box, with the state the click gave it
    void BMPButton1Click(); // the box's state to every section
    void img2Click();
    // Day grids (design types 5 and 8): set or clear the selected days, copy the month's pattern
    // to the twelve months, toggle one day.
    void SetSelectedDays(QTableWidget* grid, bool output);
    void ApplyToOtherMonths(QTableWidget* grid);
    void ToggleDay(QTableWidget* grid, int row, int column);
    // Repaints the grid from its flags for the month of its box.
    void RefreshDayGrid(QTableWidget* grid);

    // COutputRunHostBase: the main window's message panel and desktop.
    void ClearOutput() override;
    int WarningCount() const override;
    void OpenWithShell(const QString& path) override;
    // The plug-ins of the option tree with their ticks.
    std::vector<COutputPlugInBase*> PlugIns() override;
    // The ticks of the plug-in items become the plug-ins' output flags, written to
    // "OutPutConfig.data" of the project folder.
    void SaveOutputConfig() override;

    // The item of an option ID; null when the tree does not show it.
    QTreeWidgetItem* OptionItem(int id) const;

    TCheckTreeView* CheckTreeView1 = nullptr;
    QStackedWidget* PageControl1 = nullptr;
    QWidget* TabSheet2 = nullptr;
    QWidget* TabSheet3 = nullptr;
    QWidget* TabSheet4 = nullptr;
    QWidget* Panel3 = nullptr;
    QCheckBox* CheckBox4 = nullptr;
    QPushButton* BMPButton1 = nullptr;
    TRadioGroup* RadioGroup1 = nullptr;
    TRadioGroup* RadioGroup2 = nullptr;
    TRadioGroup* RadioGroup3 = nullptr;
    TRadioGroup* RadioGroup4 = nullptr;
    TRadioGroup* RadioGroup6 = nullptr;
    TRadioGroup* RadioGroup8 = nullptr;
    QRadioButton* RadioButton5 = nullptr;
    QRadioButton* RadioButton6 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QComboBox* ComboBox3 = nullptr;
    QComboBox* ComboBox4 = nullptr;
    TControlEdit* ControlEdit1 = nullptr;
    TControlEdit* ControlEdit2 = nullptr;
    QCheckBox* CheckBox2 = nullptr;
    QCheckBox* CheckBox3 = nullptr;
    QCheckBox* CheckBox5 = nullptr;
    QCheckBox* CheckBox6 = nullptr;
    QStackedWidget* PageControl2 = nullptr;
    QStackedWidget* PageControl3 = nullptr;
    QListWidget* CheckListBox2 = nullptr;
    QListWidget* CheckListBox3 = nullptr;
    QTableWidget* StringGrid1 = nullptr;
    QTableWidget* StringGrid2 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* FlatButton2 = nullptr;
    QPushButton* FlatButton3 = nullptr;
    QToolButton* img2 = nullptr;
    TCheckPopupTree* PopupTree = nullptr;
    std::array<QToolButton*, 4> ArrowButtons{};
    // The plug-in items of the option tree, after the options, one per entry of m_plugIns.
    std::vector<QTreeWidgetItem*> PlugNodes;

    CRegistry LandscapeRegistry;
    CRegistry OutputRegistry;

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void BuildLayout();
    QWidget* BuildDesignPage();
    QWidget* BuildStatisticsPage();
    QWidget* BuildHourlyPage();
    // The month list and the day grid of the hourly or the statistics page, one shown at a time.
    QStackedWidget* BuildMonthDayPages(QListWidget*& months, QTableWidget*& grid, QComboBox*& monthBox);
    void FormCreate();
    void FormShow();
    void AddOptionItems(COutputParam& option, QTreeWidgetItem* parent);
    int SelectedSection() const;
    // The day flags a grid edits.
    std::array<int, 365>& DayFlags(const QTableWidget* grid) const;
    QComboBox* MonthBox(const QTableWidget* grid) const;
    void StoreRegistry(const QString& key, int value);
    void StoreElementFlags();

    // The plug-ins offered: enabled, of the current design type, with a report.
    void AddPlugInItems();

    bool m_shown = false;
    bool m_filling = false;
    std::vector<std::unique_ptr<CPlugReportItem>> m_plugIns;
};
