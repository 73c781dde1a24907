#pragma once
#include "tests/model/ProjectTreeFixture.h"

#include <QStringList>

// A copy of the blank project with its tree store, the application object the dialogs need, and a
// building 大楼1 holding the storey 楼层1.
class BulkFixture : public ProjectTreeFixture
{
protected:
    BulkFixture();
    void SetUp() override;

    void Exec(const QString& sql) { m_project.ExecSQL(CSQLStatement(sql)); }
    // Captions of the node's children, in order.
    static QStringList Captions(const CNodeData* node);

    CNodeData* m_building = nullptr;
    CNodeData* m_storey = nullptr;
};
