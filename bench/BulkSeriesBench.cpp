// Storeys and rooms in series through the batch dialog: one building of 20 storeys of 50 rooms on a
// copy of the blank project, first with the two elements ticked at start (people, lighting), then
// with every common element ticked once. Prints the wall-clock and processor time of "确定" and the
// nodes made; setting the project up is not timed.
#include "bench/CBenchProject.h"
#include "bulk/TStorey_Room_Form.h"
#include "model/CNodeData.h"
#include "model/CTreeView2DB.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>

#include <cstdio>

namespace {
constexpr int kStoreys = 20;
constexpr int kRooms = 50;

int CountNodes(const CNodeData& node)
{
    int n = 1;
    for (int i = 0; i < node.ChildCount(); ++i)
        n += CountNodes(*node.Child(i));
    return n;
}

bool Run(const char* label, bool allElements)
{
    CBenchProject project(3);
    CNodeData* building = CTreeView2DB::Current().Root().CreateChild(1, QString(), nullptr, 0);
    if (!building)
        return false;
    TStorey_Room_Form form(nullptr, building, QStringLiteral("Storey"));
    form.Storey_Count->setText(QString::number(kStoreys));
    form.Room_Count->setText(QString::number(kRooms));
    if (allElements) {
        form.eCheckBox21->setChecked(true);
        form.eCheckBox21Click();
    }
    QElapsedTimer clock;
    const double cpu = CBenchProject::CpuTimeMs();
    clock.start();
    form.BMPButton3Click();
    const qint64 wall = clock.elapsed();
    const double used = CBenchProject::CpuTimeMs() - cpu;
    const bool made = form.result() == 1;
    std::printf("%s: %d storeys x %d rooms, %d nodes below the building, %s in %lld ms (processor %.0f ms)\n",
                label, kStoreys, kRooms, CountNodes(*building) - 1, made ? "made" : "FAILED",
                static_cast<long long>(wall), used);
    return made;
}
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const bool plain = Run("people and lighting", false);
    const bool all = Run("every common element", true);
    return plain && all ? 0 : 1;
}
