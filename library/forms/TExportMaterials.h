#pragma once
#include "library/CMatInOut.h"
#include "library/forms/TLibExchangeDialogBase.h"
#include "platform/core/CDbQuery.h"

class QComboBox;

// "材料数据导出": writes ticked records of one library, from the open project ("工程数据") or the
// system library ("系统数据"), into a library exchange file.
class TExportMaterials : public TLibExchangeDialogBase
{
    Q_OBJECT
public:
    explicit TExportMaterials(QWidget* parent = nullptr);

    // Chooses the library and fills the list from the system library, every record ticked.
    void SetLibraryKind(int kind);
    // 0 the open project, any other the system library.
    void FillList(int source);
    void Export(const QString& path);

    void ComboBox1Change();
    void FlatButton2Click();

    QComboBox* ComboBox1;
    int LibraryIndex() const { return m_libraryIndex; }

private:
    CMatInOut m_exchange;
    CDbQuery m_dataSet;
    int m_libraryIndex = -1;
    QString m_tableName;
};
