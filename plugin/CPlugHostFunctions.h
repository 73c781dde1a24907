#pragma once
#include "platform/plugin/PlugInAbi.h"

class QString;

// The eighteen host data functions plug-ins call through libmiddledll.so, over the open project,
// the main tree view (CTreeView2DB's host), the current design type and the operating-scheme
// selection. None lets an exception out: a failure is written to the message panel and the
// function returns its "nothing" value (false, 0, -1 or an empty text). Name/value lists and
// captions are GBK, cut before 255 bytes at a character boundary; a list ends with an empty
// slot. Text results point into one buffer per function, valid until its next call.
class CPlugHostFunctions
{
public:
    // Hands the functions to libmiddledll.so (SetFunction, SetFunction_V2, SetFunction_V3).
    static void Register();

    static int GetChildNodes(int parentNodeId, int* childIds, char* captionSlots, int capacity);
    static bool GetNodeResults(int nodeId, float* results);
    static bool GetWeatherParameters(char* nameSlots, char* valueSlots);
    static bool GetElementRecord(int elementType, int elementId, char* nameSlots, char* valueSlots);
    static bool GetProjectParameters(char* nameSlots, char* valueSlots);
    static int GetCurrentNodeId();
    static int GetNodeElementId(int nodeId);
    static int GetNodeImageIndex(int nodeId);
    static bool GetHourlyWeather(double* dryBulb, double* wetBulb, double* solar, double* dailySolar);
    static const char* GetSelectedNodeCaption();
    static bool GetLibraryRecord(int libraryId, int elementType, char* nameSlots, char* valueSlots);
    static int GetElementMaterialId(int elementId, int elementType);
    static int GetParentNodeId(int nodeId);
    static const char* GetNodeCaption(int nodeId);
    static const char* GetPlugPath(int plugId, int kind);
    static const char* GetRunPlanCaption(int nodeId);
    static bool GetRunTimeFlag(int day, int hour);
    static bool IsInRunTimeSystem(int roomNodeId);

    // Copies the text as GBK into dest of capacity bytes (terminator included), never splitting a
    // two-byte character; nothing for a capacity below 1.
    static void CopyText(const QString& text, char* dest, int capacity);
};
