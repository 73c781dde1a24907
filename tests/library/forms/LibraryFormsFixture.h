#pragma once
#include "tests/model/ModelFixture.h"

#include "model/CMaterialParamNameList.h"

#include <functional>
#include <memory>

class CMaterialNode;
class TTLibManageForm;

// The model fixture with the application object, the name lists on the project and the library
// manager's helpers: a manager prepared for a kind, a record node by caption, and a modal pick
// driven by a script run inside the dialog's loop.
class LibraryFormsFixture : public ModelFixture
{
protected:
    LibraryFormsFixture();
    void SetUp() override;

    std::unique_ptr<TTLibManageForm> Manager(int kind);
    // The first record of the caption under the root (null when none).
    static CMaterialNode* Record(CMaterialNode* root, const QString& caption);
    // PickLibraryItem with the script run on the open manager.
    static int Pick(int kind, int currentId, const std::function<void(TTLibManageForm&)>& script);
    void ExecProject(const QString& sql);

    CMaterialParamNameList m_names;
};
