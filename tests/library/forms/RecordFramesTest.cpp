// The record frames of every library kind: each exchanges exactly its columns and gives back what
// it was shown; list values outside the lists; the room-use frame's "应用于工程"; the picture frame
// with bytes that are no picture; the legend button; the construction picker popup.
#include "tests/library/forms/LibraryFormsFixture.h"

#include "app/controls/TBMPButton.h"
#include "app/controls/TControlEdit.h"
#include "library/CHvacData.h"
#include "library/CMaterialNode.h"
#include "library/forms/CRoomUseApplierBase.h"
#include "library/forms/TEditPicture.h"
#include "library/forms/TMaterialSelectForm.h"
#include "library/forms/TPictureReview.h"
#include "library/forms/TTLibManageForm.h"
#include "library/forms/TTMaterialTreeFrame.h"
#include "library/forms/TTMaterial_RoomOccupation.h"
#include "library/forms/TTMaterial_Wall.h"
#include "library/forms/TViewPictureButtonFrame.h"
#include "model/NameTables.h"
#include "platform/core/CDbQuery.h"
#include "tests/app/TestApplication.h"

#include <QBuffer>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>

namespace {
class RecordFrames : public LibraryFormsFixture
{
protected:
    QStringList Columns(int kind)
    {
        return ProjectColumn(QStringLiteral("select name from pragma_table_info('%1')").arg(LibraryTableName(kind)));
    }
};

// A value of the key's kind that the frame can show: distinct numbers and texts, the last item of
// a list.
QString ValueFor(const TTMaterial_BaseForm& frame, const QString& key, int index)
{
    using Kind = TTMaterial_BaseForm::ValueKind;
    auto* list = qobject_cast<QComboBox*>(frame.ControlOf(key));
    switch (frame.KindOf(key)) {
    case Kind::Number:
        return QStringLiteral("%1.25").arg(index + 1);
    case Kind::Text:
        return QStringLiteral("文本%1").arg(index);
    case Kind::ListByText:
        return list->count() ? list->itemText(list->count() - 1) : QString();
    case Kind::ListByIndex:
        return QString::number(list->count() - 1);
    }
    return {};
}

class FakeApplier : public CRoomUseApplierBase
{
public:
    void Run(int useId, const QStringList& fields) override
    {
        UseIds << useId;
        Fields << fields;
    }
    QList<int> UseIds;
    QList<QStringList> Fields;
};

class FakeTarget : public CMaterialSelectTargetBase
{
public:
    void SetValue(int id, const QString& category, const QString& name) override
    {
        Chosen = QStringLiteral("%1 %2 %3").arg(id).arg(category, name);
    }
    QString Chosen;
};
} // namespace

TEST_F(RecordFrames, EveryKindsFrameExchangesItsColumnsAndGivesBackWhatItShowed)
{
    struct SCase
    {
        int kind;
        const char* frame;
        int keys;
    };
    const SCase cases[] = {
        {0, "TMaterial_Wall", 14},          {1, "TMaterial_Wall", 14},
        {2, "TMaterial_Wall", 14},          {3, "TMaterial_Wall", 14},
        {4, "TMaterial_Wall", 14},          {5, "TMaterial_Wall", 14},
        {6, "TMaterial_OutsideWindow", 11}, {7, "TMaterial_OutsideDoor", 8},
        {8, "TMaterial_GlassCurtainWall", 8}, {9, "TMaterial_GlassRoof_SkyWindow", 6},
        {10, "TMaterial_InsideWindow", 5},  {11, "TMaterial_InsideDoor", 5},
        {12, "TMaterial_GlassRoof_SkyWindow", 6}, {13, "TMaterial_Ground", 5},
        {14, "TMaterial_Wall", 14},         {15, "TMaterial_Wall", 14},
        {16, "TMaterial_RoomOccupation", 49}, {18, "TStoreyOccupation", 26},
        {19, "TMaterial_BasementWall", 5},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.kind);
        auto form = Manager(c.kind);
        TTMaterial_BaseForm& frame = *form->RecordFrame;
        EXPECT_EQ(frame.objectName(), QLatin1String(c.frame));
        const QStringList keys = frame.Keys();
        EXPECT_EQ(keys.size(), c.keys);
        EXPECT_EQ(QStringList(keys).removeDuplicates(), 0);
        const QStringList columns = Columns(c.kind);
        for (const QString& key : keys)
            EXPECT_TRUE(columns.contains(key)) << key.toStdString();

        CHvacData shown;
        for (int i = 0; i < keys.size(); ++i) {
            QString value = ValueFor(frame, keys[i], i);
            shown.ExchangeValue(keys[i], value, true);
        }
        frame.ExchangeData(shown, true);
        CHvacData stored;
        frame.ExchangeData(stored, false);
        EXPECT_EQ(stored.Values, shown.Values);
    }
}

TEST_F(RecordFrames, ListValuesOutsideTheirListsAndAbsentKeys)
{
    auto window = Manager(6);
    TTMaterial_BaseForm& frame = *window->RecordFrame;
    CHvacData bag;
    QString pane = QStringLiteral("三层");
    bag.ExchangeValue(QStringLiteral("Pane"), pane, true);
    frame.ExchangeData(bag, true);
    EXPECT_EQ(qobject_cast<QComboBox*>(frame.ControlOf(QStringLiteral("Pane")))->currentIndex(), -1);
    EXPECT_EQ(static_cast<TControlEdit*>(frame.ControlOf(QStringLiteral("K_S")))->text(), QStringLiteral("0"));
    CHvacData stored;
    frame.ExchangeData(stored, false);
    EXPECT_EQ(stored.Values.value(QStringLiteral("Pane")), QString());
    EXPECT_FALSE(stored.IsEqual(bag)); // the manager sees the record as changed

    auto ground = Manager(13);
    CHvacData none;
    ground->RecordFrame->ExchangeData(none, true);
    auto* type = qobject_cast<QComboBox*>(ground->RecordFrame->ControlOf(QStringLiteral("GroundType")));
    EXPECT_EQ(type->currentIndex(), 0); // absent reads "0"
    type->setCurrentIndex(-1);
    CHvacData cleared;
    ground->RecordFrame->ExchangeData(cleared, false);
    EXPECT_EQ(cleared.Values.value(QStringLiteral("GroundType")), QStringLiteral("-1"));
}

TEST_F(RecordFrames, ANewWallRecordCannotOpenTheLayerEditorUntilStored)
{
    auto form = Manager(0);
    CMaterialNode* system = form->TMaterialTreeFrame1->GetSystemRoot();
    form->TMaterialTreeFrame1->SelectNode(Record(system, QStringLiteral("240粘土砖墙(内外抹灰)")));
    form->act_movetoprjExecute();
    auto* wall = static_cast<TTMaterial_Wall*>(form->RecordFrame);
    EXPECT_EQ(form->CurrentNode()->State, CMaterialNode::StateNew);
    EXPECT_FALSE(wall->Button8->isEnabled());
    EXPECT_FALSE(wall->Label12->isHidden());
    ASSERT_TRUE(form->SaveClick());
    EXPECT_FALSE(form->TMaterialTreeFrame1->HasModified()); // the category made for the copy too
    form->ShowCurrentNode();
    EXPECT_TRUE(wall->Button8->isEnabled());
    EXPECT_TRUE(wall->Label12->isHidden());
}

TEST_F(RecordFrames, ApplyingARoomUseTicksTheFieldsSavedSinceItWasShown)
{
    FakeApplier applier;
    auto form = Manager(16);
    auto* frame = static_cast<TTMaterial_RoomOccupation*>(form->RecordFrame);
    CMaterialNode* system = form->TMaterialTreeFrame1->GetSystemRoot();
    CMaterialNode* project = form->TMaterialTreeFrame1->GetProjectRoot();
    CMaterialNode* use = project->FindById(CMaterialNode::KindRecord, 1);
    ASSERT_NE(use, nullptr);

    form->TMaterialTreeFrame1->SelectNode(system->FindById(CMaterialNode::KindRecord, 1));
    EXPECT_TRUE(frame->BMPButton1->isHidden());
    form->TMaterialTreeFrame1->SelectNode(use);
    EXPECT_FALSE(frame->BMPButton1->isHidden());

    frame->BMPButton1Click(); // nothing changed
    auto* unit = qobject_cast<QComboBox*>(frame->ControlOf(QStringLiteral("PeopleDensityUnit")));
    unit->setCurrentIndex(2); // 人
    frame->BMPButton1Click(); // not saved yet: refused
    ASSERT_FALSE(Dialogs().MessageBoxes.isEmpty());
    EXPECT_EQ(Dialogs().MessageBoxes.back().message, QStringLiteral("数据已经被编辑，请保存一下，再应用到工程中"));
    ASSERT_TRUE(form->SaveClick());
    frame->BMPButton1Click();

    EXPECT_EQ(applier.UseIds, (QList<int>{1, 1}));
    ASSERT_EQ(applier.Fields.size(), 2);
    EXPECT_TRUE(applier.Fields[0].isEmpty());
    EXPECT_EQ(applier.Fields[1], QStringList{QStringLiteral("PeopleDensity")});
}

TEST_F(RecordFrames, PictureBytesThatAreNoPictureShowNothingAndAreKept)
{
    TEditPicture picture;
    const QByteArray garbage("BM this is not a bitmap");
    picture.LoadPicture(garbage, QStringLiteral("无图片的记录"));
    EXPECT_FALSE(picture.ShowsPicture());
    EXPECT_FALSE(picture.Label1->isHidden());
    EXPECT_EQ(picture.SavePicture(), garbage);

    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bitmap;
    QBuffer buffer(&bitmap);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    picture.LoadPicture(bitmap, QString());
    EXPECT_TRUE(picture.ShowsPicture());
    EXPECT_TRUE(picture.Label1->isHidden());
    picture.QINGClick();
    EXPECT_FALSE(picture.ShowsPicture());
    EXPECT_TRUE(picture.SavePicture().isEmpty());
    picture.Button4Click(); // nothing to export: no dialog
    EXPECT_TRUE(Dialogs().FileDialogs.isEmpty());
}

TEST_F(RecordFrames, TheLegendButtonShowsAndHidesTheLegend)
{
    QWidget page;
    auto* button = new TViewPictureButtonFrame(&page);
    button->FlatButton1Click();
    ASSERT_NE(TViewPictureButtonFrame::Legend(), nullptr);
    EXPECT_TRUE(TViewPictureButtonFrame::Legend()->isVisible());
    button->FlatButton1Click();
    EXPECT_FALSE(TViewPictureButtonFrame::Legend()->isVisible());
    button->FlatButton1Click();
    EXPECT_TRUE(TViewPictureButtonFrame::Legend()->isVisible());
    TPictureReview* first = TViewPictureButtonFrame::Legend();
    auto* second = new TViewPictureButtonFrame(&page);
    EXPECT_EQ(TViewPictureButtonFrame::Legend(), nullptr);
    second->FlatButton1Click();
    EXPECT_NE(TViewPictureButtonFrame::Legend(), first);
    second->FlatButton1Click(); // leave the toggle showing next
}

TEST_F(RecordFrames, ThePickerPopupCopiesASystemRecordAndIgnoresCategories)
{
    FakeTarget target;
    TMaterialSelectForm popup;
    popup.Open(&target, 0, -1, QPoint(10, 10));
    EXPECT_TRUE(target.Chosen.isEmpty()); // selections made while opening count for nothing
    TTMaterialTreeFrame* tree = popup.TMaterialTreeFrame1;
    CMaterialNode* system = tree->GetSystemRoot();
    tree->SelectNode(system->FindByCaption(CMaterialNode::KindCategory, QStringLiteral("标准材料")));
    EXPECT_TRUE(target.Chosen.isEmpty());
    EXPECT_TRUE(popup.isVisible());

    tree->SelectNode(Record(system, QStringLiteral("240粘土砖墙(内外抹灰)")));
    const QStringList ids = ProjectColumn(QStringLiteral("select ID from OutsideWall_Lib"));
    ASSERT_EQ(ids.size(), 1);
    EXPECT_EQ(target.Chosen, ids[0] + QStringLiteral(" 标准材料 240粘土砖墙(内外抹灰)"));
    EXPECT_FALSE(popup.isVisible());
}
