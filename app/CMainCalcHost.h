#pragma once
#include "calc/CCalculateHostBase.h"

#include <memory>
#include <vector>

class CPlugReportItem;
class CSysOutputManage;
class QWidget;
class TMsgListForm;

// What a calculation needs of this program: the operating-scheme selection of the global project
// object, storey elevations as the project's coordinate settings give them, the message list window
// "消息列表" for room failures and missing materials, and the message panel for result lines.
// Installed as the current calculation host for its lifetime; it owns the message list window.
class CMainCalcHost : public CCalculateHostBase
{
public:
    // The message list window is centred on and kept above the main window.
    CMainCalcHost(CSysOutputManage& output, QWidget* mainWindow);
    ~CMainCalcHost() override;

    bool IsSchemeMode() const override;
    bool SchemeContainsId(int nodeId) const override;
    QString SchemeName() const override;
    void SetSchemeName(const QString& name) override;
    void SetSchemePlugInIndex(int index) override;
    // The enabled plug-ins of the current design type.
    std::vector<CSchemePlugInBase*> SchemePlugIns() const override;
    double GetElevation(const CNodeData& storeyNode) const override;
    void AddMessage(const QString& text) override;
    // Lines of the calculation carry no action.
    void AddOutputLine(int category, const QString& text) override;

    TMsgListForm& MessageList() const { return *m_messageList; }

private:
    CSysOutputManage& m_output;
    std::unique_ptr<TMsgListForm> m_messageList;
    mutable std::vector<std::unique_ptr<CPlugReportItem>> m_plugIns;
};
