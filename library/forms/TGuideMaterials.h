#pragma once
#include "library/CMatInOut.h"
#include "library/forms/TLibExchangeDialogBase.h"

class QLineEdit;

// "导入到系统库": reads a library exchange file, lists its named records ticked and merges the
// ticked ones into the system library. Returns 1 after "确定" (also with nothing to import), 2
// after "取消"; an import that fails is shown, undone whole, and keeps the dialog open.
class TGuideMaterials : public TLibExchangeDialogBase
{
    Q_OBJECT
public:
    explicit TGuideMaterials(QWidget* parent = nullptr);

    void SetLibraryKind(int kind);
    void FillList();
    // Reads the file as the "..." button does after its file dialog.
    void LoadFile(const QString& path);

    void BMPButton2Click();
    void FlatButton2Click();

    QLineEdit* Edit1;
    TBMPButton* BMPButton2;
    const CMatInOut& Exchange() const { return m_exchange; }

private:
    CMatInOut m_exchange;
    int m_libraryIndex = 0;
};
