#pragma once
#include "platform/core/CCurrent.h"

#include <QString>
#include <vector>

class CNodeData;
class CSchemePlugInBase;

// What a calculation run needs of the program above it: the operating-scheme selection, the
// elevation of a storey, the message list window and the message panel. The program installs one
// for its whole run (registered as the current host while it lives); tests install a fake.
// Without one no scheme is selected, elevations are 0 and messages go to CTool's message box.
class CCalculateHostBase : public CCurrent<CCalculateHostBase>
{
public:
    static constexpr const char* SlotName = "CCalculateHostBase";

    virtual ~CCalculateHostBase() = default;

    // The current host, or null.
    static CCalculateHostBase* GetCurrent() { return Exists() ? &Current() : nullptr; }

    // True while the operating-scheme mode is on (only the current scheme's rooms are calculated).
    virtual bool IsSchemeMode() const = 0;
    // Whether the current scheme lists the room's tree node id.
    virtual bool SchemeContainsId(int nodeId) const = 0;
    // The name of the current scheme, which the scheme commands set; none without a scheme.
    virtual QString SchemeName() const { return QString(); }
    virtual void SetSchemeName(const QString& name) {}
    // The enabled output plug-ins, in plug-in order, for reports of a scheme (not owned); none
    // until plug-ins are loaded.
    virtual std::vector<CSchemePlugInBase*> SchemePlugIns() const { return {}; }
    // Records the plug-in chosen for a scheme report.
    virtual void SetSchemePlugInIndex(int index) {}
    // Elevation (m) of the storey of the node, as the project's coordinate settings give it.
    virtual double GetElevation(const CNodeData& storeyNode) const = 0;
    // Appends a line to the message list window and shows the window.
    virtual void AddMessage(const QString& text) = 0;
    // Appends a line to a category of the message panel (0 warnings .. 5 other information).
    virtual void AddOutputLine(int category, const QString& text) = 0;

    // Through the current host, else to CTool's message box.
    static void PostMessage(const QString& text);
    static void PostOutputLine(int category, const QString& text);
};
