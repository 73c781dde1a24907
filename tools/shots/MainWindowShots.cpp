#include "tools/shots/CFormShots.h"

#include "app/TNewModuleForm.h"
#include "app/TNewProject.h"
#include "app/TOpenProject.h"
#include "app/TProjectSurveyForm.h"
#include "app/TVoro_Main.h"
#include "app/controls/TAbout.h"
#include "app/controls/TChangeNameForm.h"
#include "app/controls/TLoadTypeChooseForm.h"
#include "app/controls/TMsgListForm.h"
#include "app/controls/TViewMaxLoadForm.h"

#include <QStringList>

namespace {
template <typename Form> SFormShot Plain(const QString& name)
{
    return {name, [](TVoro_Main& window) { return std::unique_ptr<QWidget>(new Form(&window)); }};
}
} // namespace

void AddMainWindowFormShots(FormShotList& shots)
{
    shots.push_back(Plain<TNewProject>(QStringLiteral("TNewProject")));
    shots.push_back(Plain<TOpenProject>(QStringLiteral("TOpenProject")));
    shots.push_back(Plain<TProjectSurveyForm>(QStringLiteral("TProjectSurveyForm")));
    shots.push_back(Plain<TNewModuleForm>(QStringLiteral("TNewModuleForm")));
    shots.push_back(Plain<TAbout>(QStringLiteral("TAbout")));
    shots.push_back(Plain<TChangeNameForm>(QStringLiteral("TChangeNameForm")));
    shots.push_back(Plain<TLoadTypeChooseForm>(QStringLiteral("TLoadTypeChooseForm")));
    shots.push_back({QStringLiteral("TMsgListForm"), [](TVoro_Main& window) {
                         auto form = std::make_unique<TMsgListForm>(&window);
                         form->AddMessage(QStringLiteral("房间[101 办公室]的总冷指标和总热指标均为0，估算负荷为0。"));
                         return std::unique_ptr<QWidget>(std::move(form));
                     }});
    shots.push_back({QStringLiteral("TViewMaxLoadForm"), [](TVoro_Main& window) {
                         auto form = std::make_unique<TViewMaxLoadForm>(&window);
                         form->SetLines({QStringLiteral("总冷负荷: 6300.00"), QStringLiteral("总热负荷: 6570.00")});
                         return std::unique_ptr<QWidget>(std::move(form));
                     }});
}
