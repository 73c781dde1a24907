#pragma once
#include "platform/plugin/PlugInAbi.h"

#include <QLibrary>
#include <QString>

// One plug-in shared object: its exports resolved by name, the four values read at load, and its
// enabled and output flags. A missing optional export is never called: a missing Config counts as
// a go-ahead, a missing GetReport as no report. The library is released by the destructor.
class CPlug
{
public:
    // Loads the file. An object that did not load (IsLoaded false) is silent; one that loaded but
    // lacks a required export (PlugIsValid false) has been reported with "错误，该插件接口不符合要求".
    explicit CPlug(const QString& path);
    ~CPlug();
    CPlug(const CPlug&) = delete;
    CPlug& operator=(const CPlug&) = delete;

    bool IsLoaded() const { return m_library.isLoaded(); }
    // GetDllVersion and the three values read with it are exported.
    bool PlugIsValid() const { return m_valid; }
    const QString& Path() const { return m_path; }
    int Version() const { return m_version; }
    const QString& Name() const { return m_name; }
    int CalculateType() const { return m_calculateType; }
    const QString& Explanation() const { return m_explanation; }
    bool Enabled = false;
    bool Output = false;

    // The settings file in the project folder (empty without a project) and the plug-in folder
    // with its trailing slash; the path of libmiddledll.so in the program folder.
    QString PlugConfigPath() const;
    QString PlugFolder() const;
    static QString MiddleDllPath();

    bool PlugHasReport() const { return m_getReport != nullptr; }
    bool PlugHasConfig() const { return m_config != nullptr; }
    void PlugSetID(int id);
    void PlugSetWorkPath(const QString& middleDllPath, const QString& configPath);
    void PlugSetPaths() { PlugSetWorkPath(MiddleDllPath(), PlugConfigPath()); }
    void PlugOutPutOrMainForm(int mode);
    bool PlugRunConfig();
    void PlugRunExe();
    CQORReport* PlugGetReport();

private:
    QLibrary m_library;
    QString m_path;
    bool m_valid = false;
    int m_version = -1;
    QString m_name;
    int m_calculateType = -1;
    QString m_explanation;

    TGetItemName m_getItemName = nullptr;
    TGetDllVersion m_getDllVersion = nullptr;
    TGetCalculateType m_getCalculateType = nullptr;
    TGetDllExplain m_getDllExplain = nullptr;
    TConfig m_config = nullptr;
    TGetReport m_getReport = nullptr;
    TExe m_exe = nullptr;
    TSetWorkPath m_setWorkPath = nullptr;
    TOutPutOrMainForm m_outPutOrMainForm = nullptr;
    TGetPlugVersion m_getPlugVersion = nullptr;
    TSetPlugID m_setPlugID = nullptr;
};
