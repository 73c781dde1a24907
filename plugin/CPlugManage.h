#pragma once
#include "platform/core/CCurrent.h"

#include <QString>
#include <memory>
#include <vector>

class CPlug;

// The plug-ins found under "PlugIn/" of the program folder, in scan order: a plug-in's index is
// its ID. Enabled flags come from "PlugConfig.data" of the program folder at every (re)load;
// output flags from "OutPutConfig.data" of the project folder at every project open. Names in
// both files are whole lines matched to plug-in names ignoring letter case. Registered as
// Current() while it lives, for the host data functions.
class CPlugManage : public CCurrent<CPlugManage>
{
public:
    static constexpr const char* SlotName = "CPlugManage";

    // Scans the folder (default: PlugIn/ of the program folder) and reads "PlugConfig.data".
    explicit CPlugManage(const QString& plugFolder = QString());
    ~CPlugManage();

    // Releases every plug-in, scans the folder again and reads the enabled flags.
    void LoadPlugs();
    // Adds the plug-ins under the folder, descending into sub-folders where they are met (names
    // in order); a file qualifies when its name contains ".plg" or ".so" (letter case kept).
    // Hidden folders and links to folders are not entered.
    void ScanPlugFolder(const QString& folder);

    int Count() const { return static_cast<int>(m_plugs.size()); }
    // Null for an index outside 0..Count()-1.
    CPlug* Get(int index) const;

    void LoadOutputConfig(const QString& projectFolder);
    // Replaces "OutPutConfig.data" with the names of the plug-ins chosen for output.
    void SaveOutputConfig(const QString& projectFolder) const;

    // 1 while the output options dialog is open.
    int OutputDialogFlag = 0;

    static QString PlugConfigFile();

private:
    QString m_folder;
    std::vector<std::unique_ptr<CPlug>> m_plugs;
};
