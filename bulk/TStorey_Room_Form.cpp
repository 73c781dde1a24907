#include "bulk/TStorey_Room_Form.h"

#include "app/controls/ModalResult.h"
#include "app/controls/TBMPButton.h"
#include "bulk/CStoreyRoomSeries.h"
#include "platform/core/CTool.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {
constexpr int kStoreyMode = 2;
constexpr int kRoomMode = 3;

// The common elements in the order they are laid out: box number, caption, element type, name of
// the count edit ("" for types made once), ticked at start.
struct SCommonBox
{
    int Box;
    const char* Caption;
    int Type;
    const char* CountEdit;
    bool Ticked;
};
constexpr SCommonBox kCommonBoxes[] = {
    {1, "人员", 4, "", true},      {5, "照明", 5, "", true},        {17, "电热设备", 6, "", false},
    {14, "电子设备", 7, "", false}, {15, "电动设备", 8, "", false},   {2, "外墙", 9, "Edit4", false},
    {20, "玻璃幕墙", 12, "Edit3", false}, {3, "内墙", 13, "Edit5", false}, {8, "楼板", 16, "", false},
    {9, "屋顶", 17, "", false},     {10, "闷顶", 19, "", false},      {19, "玻璃屋顶", 20, "", false},
    {7, "地板", 21, "", false},     {11, "地面", 22, "", false},      {13, "悬空地板", 23, "", false},
    {6, "缝墙", 24, "Edit1", false}, {4, "食物", 25, "", false},      {16, "水面蒸发", 26, "", false},
    {18, "空气渗透", 27, "", false}, {12, "地下室外墙", 29, "Edit2", false},
};
constexpr int kColumns = 4;

QLineEdit* CountLineEdit(QWidget* parent, const QString& name, const QString& text)
{
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    return edit;
}
} // namespace

TStorey_Room_Form::TStorey_Room_Form(QWidget* owner, CNodeData* node, const QString& kind)
    : QDialog(owner), m_mode(kind == QLatin1String("Storey") ? kStoreyMode : kRoomMode), m_node(node)
{
    setObjectName(QStringLiteral("Storey_Room_Form"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setMinimumSize(556, 379);

    GroupBox1 = new QGroupBox(QStringLiteral("楼层设置"), this);
    Storey_Prefix = new QComboBox(GroupBox1);
    Storey_Prefix->setEditable(true);
    Storey_Prefix->addItem(QStringLiteral("楼层"));
    Storey_Count = CountLineEdit(GroupBox1, QStringLiteral("Storey_Count"), QStringLiteral("0"));
    Low_Count = CountLineEdit(GroupBox1, QStringLiteral("Low_Count"), QStringLiteral("0"));
    auto* storeys = new QHBoxLayout(GroupBox1);
    storeys->addWidget(new QLabel(QStringLiteral("前缀名称"), GroupBox1));
    storeys->addWidget(Storey_Prefix, 1);
    storeys->addSpacing(12);
    storeys->addWidget(new QLabel(QStringLiteral("地上层数"), GroupBox1));
    storeys->addWidget(Storey_Count, 1);
    storeys->addSpacing(12);
    storeys->addWidget(new QLabel(QStringLiteral("地下层数"), GroupBox1));
    storeys->addWidget(Low_Count, 1);

    GroupBox2 = new QGroupBox(QStringLiteral("房间设置"), this);
    Room_Prefix = new QComboBox(GroupBox2);
    Room_Prefix->setEditable(true);
    Room_Prefix->addItem(QStringLiteral("房间"));
    Label11 = new QLabel(QStringLiteral("每层房间数量"), GroupBox2);
    Room_Count = CountLineEdit(GroupBox2, QStringLiteral("Room_Count"), QStringLiteral("0"));
    auto* rooms = new QHBoxLayout(GroupBox2);
    rooms->addWidget(new QLabel(QStringLiteral("前缀名称"), GroupBox2));
    rooms->addWidget(Room_Prefix, 1);
    rooms->addSpacing(12);
    rooms->addWidget(Label11);
    rooms->addWidget(Room_Count, 1);

    GroupBox3 = new QGroupBox(QStringLiteral("每个房间的公共元素设置"), this);
    BuildCommonElements();

    isClearCheckBox = new QCheckBox(this);
    isClearCheckBox->setObjectName(QStringLiteral("isClearCheckBox"));
    BMPButton3 = new TBMPButton(QStringLiteral("确定"), this);
    BMPButton3->SetDefault(true);
    BMPButton2 = new TBMPButton(QStringLiteral("取消"), this);
    BMPButton2->SetCancel(true);
    BMPButton2->SetModalResult(mrCancel);
    connect(BMPButton3, &TBMPButton::OnClick, this, &TStorey_Room_Form::BMPButton3Click);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(isClearCheckBox);
    buttons->addStretch();
    buttons->addWidget(BMPButton3);
    buttons->addWidget(BMPButton2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(GroupBox1);
    layout->addWidget(GroupBox2);
    layout->addWidget(GroupBox3, 1);
    layout->addLayout(buttons);

    if (m_mode == kStoreyMode) {
        setWindowTitle(QStringLiteral("批量设置楼层"));
        isClearCheckBox->setText(QStringLiteral("覆盖现有楼层"));
    } else {
        setWindowTitle(QStringLiteral("批量设置房间"));
        isClearCheckBox->setText(QStringLiteral("覆盖现有房间"));
        GroupBox1->hide();
        Label11->setText(QStringLiteral("该层房间数量"));
    }
    CheckBox1Click();
}

void TStorey_Room_Form::BuildCommonElements()
{
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    int position = 0;
    for (const SCommonBox& entry : kCommonBoxes) {
        auto* box = new QCheckBox(QString::fromUtf8(entry.Caption), GroupBox3);
        box->setObjectName(QStringLiteral("CheckBox%1").arg(entry.Box));
        box->setChecked(entry.Ticked);
        m_boxes[static_cast<size_t>(entry.Type)] = box;
        connect(box, &QCheckBox::toggled, this, &TStorey_Room_Form::CheckBox1Click);
        auto* cell = new QHBoxLayout;
        cell->addWidget(box);
        if (*entry.CountEdit) {
            QLineEdit* count = CountLineEdit(GroupBox3, QString::fromLatin1(entry.CountEdit), QStringLiteral("1"));
            count->setMaximumWidth(48);
            m_counts[static_cast<size_t>(entry.Type)] = count;
            cell->addWidget(count);
            cell->addWidget(new QLabel(QStringLiteral("个"), GroupBox3));
        }
        cell->addStretch();
        grid->addLayout(cell, position / kColumns, position % kColumns);
        ++position;
    }
    eCheckBox21 = new QCheckBox(QStringLiteral("全选/全不选"), GroupBox3);
    eCheckBox21->setObjectName(QStringLiteral("eCheckBox21"));
    connect(eCheckBox21, &QCheckBox::clicked, this, &TStorey_Room_Form::eCheckBox21Click);
    auto* layout = new QVBoxLayout(GroupBox3);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addWidget(eCheckBox21);
}

QCheckBox* TStorey_Room_Form::CommonBox(int type) const
{
    return type >= 0 && type < TypeCount ? m_boxes[static_cast<size_t>(type)] : nullptr;
}

QLineEdit* TStorey_Room_Form::CountEdit(int type) const
{
    return type >= 0 && type < TypeCount ? m_counts[static_cast<size_t>(type)] : nullptr;
}

int TStorey_Room_Form::ReadCount(const QString& typed)
{
    // Nine digits at most: the count stays within the integer range whatever is typed.
    const QString text = typed.trimmed();
    qsizetype digits = 0;
    while (digits < text.size() && digits < 9 && text.at(digits).isDigit() && text.at(digits).unicode() < 128)
        ++digits;
    return digits == 0 ? 0 : text.left(digits).toInt();
}

void TStorey_Room_Form::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TStorey_Room_Form::FormShow()
{
    CheckBox1Click();
}

void TStorey_Room_Form::CheckBox1Click()
{
    for (int type = 0; type < TypeCount; ++type)
        if (QLineEdit* count = CountEdit(type))
            count->setEnabled(CommonBox(type)->isChecked());
}

void TStorey_Room_Form::eCheckBox21Click()
{
    for (QCheckBox* box : m_boxes)
        if (box)
            box->setChecked(eCheckBox21->isChecked());
}

void TStorey_Room_Form::BMPButton1Click()
{
    done(mrCancel);
}

void TStorey_Room_Form::BMPButton3Click()
{
    const bool storeys = m_mode == kStoreyMode;
    const int below = storeys ? ReadCount(Low_Count->text()) : 0;
    const int above = storeys ? ReadCount(Storey_Count->text()) : 1;
    const int rooms = ReadCount(Room_Count->text());
    const QString noRooms = QStringLiteral("房间数量为零，请调整设置");
    if (rooms == 0 && above != 0 && below != 0) {
        CTool::Current().ShowMessage(noRooms);
    } else if (above == 0 && below == 0 && rooms != 0) {
        CTool::Current().ShowMessage(QStringLiteral("地上/下楼层数量为零，请调整设置"));
    } else if (rooms != 0) {
        if (Create(below, above, rooms))
            done(mrOk);
        else
            CTool::Current().ShowMessage(QStringLiteral("数据创建失败，工程未作任何修改。"));
    } else {
        CTool::Current().ShowMessage(noRooms);
    }
}

bool TStorey_Room_Form::Create(int below, int above, int rooms)
{
    if (!m_node)
        return false;
    CStoreyRoomSeries series;
    series.StoreyPrefix = Storey_Prefix->currentText();
    series.BelowCount = below;
    series.AboveCount = above;
    series.RoomPrefix = Room_Prefix->currentText();
    series.RoomCount = rooms;
    series.Overwrite = isClearCheckBox->isChecked();
    for (int type = 0; type < TypeCount; ++type) {
        const QCheckBox* box = CommonBox(type);
        if (!box || !box->isChecked())
            continue;
        const QLineEdit* count = CountEdit(type);
        series.Elements.push_back({type, count ? ReadCount(count->text()) : 1});
    }
    return m_mode == kStoreyMode ? series.CreateStoreys(*m_node) : series.CreateRooms(*m_node);
}
