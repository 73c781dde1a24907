/* Forwards each export to the host function handed over; C, so nothing can unwind through it. */
#include "platform/plugin/MiddleDll.h"

#include <stddef.h>

static struct
{
    TGetChildNodes GetChildNodes;
    TGetNodeResults GetNodeResults;
    TGetWeatherParameters GetWeatherParameters;
    TGetElementRecord GetElementRecord;
    TGetProjectParameters GetProjectParameters;
    TGetCurrentNodeId GetCurrentNodeId;
    TGetNodeElementId GetNodeElementId;
    TGetNodeImageIndex GetNodeImageIndex;
    TGetHourlyWeather GetHourlyWeather;
    TGetSelectedNodeCaption GetSelectedNodeCaption;
    TGetLibraryRecord GetLibraryRecord;
    TGetElementMaterialId GetElementMaterialId;
    TGetParentNodeId GetParentNodeId;
    TGetNodeCaption GetNodeCaption;
    TGetPlugPath GetPlugPath;
    TGetRunPlanCaption GetRunPlanCaption;
    TGetRunTimeFlag GetRunTimeFlag;
    TIsInRunTimeSystem IsInRunTimeSystem;
} host;

void SetFunction(TGetChildNodes f1, TGetNodeResults f2, TGetWeatherParameters f3, TGetElementRecord f4,
                 TGetProjectParameters f5, TGetCurrentNodeId f6, TGetNodeElementId f7, TGetNodeImageIndex f8,
                 TGetHourlyWeather f9, TGetSelectedNodeCaption f10, TGetLibraryRecord f11,
                 TGetElementMaterialId f12)
{
    host.GetChildNodes = f1;
    host.GetNodeResults = f2;
    host.GetWeatherParameters = f3;
    host.GetElementRecord = f4;
    host.GetProjectParameters = f5;
    host.GetCurrentNodeId = f6;
    host.GetNodeElementId = f7;
    host.GetNodeImageIndex = f8;
    host.GetHourlyWeather = f9;
    host.GetSelectedNodeCaption = f10;
    host.GetLibraryRecord = f11;
    host.GetElementMaterialId = f12;
}

void SetFunction_V2(TGetParentNodeId f13, TGetNodeCaption f14, TGetPlugPath f15)
{
    host.GetParentNodeId = f13;
    host.GetNodeCaption = f14;
    host.GetPlugPath = f15;
}

void SetFunction_V3(TGetRunPlanCaption f16, TGetRunTimeFlag f17, TIsInRunTimeSystem f18)
{
    host.GetRunPlanCaption = f16;
    host.GetRunTimeFlag = f17;
    host.IsInRunTimeSystem = f18;
}

#define FORWARD(name, fallback, ...) return host.name ? host.name(__VA_ARGS__) : (fallback)

int GetChildNodes(int parentNodeId, int* childIds, char* captionSlots, int capacity)
{
    FORWARD(GetChildNodes, 0, parentNodeId, childIds, captionSlots, capacity);
}
bool GetNodeResults(int nodeId, float* results) { FORWARD(GetNodeResults, false, nodeId, results); }
bool GetWeatherParameters(char* nameSlots, char* valueSlots)
{
    FORWARD(GetWeatherParameters, false, nameSlots, valueSlots);
}
bool GetElementRecord(int elementType, int elementId, char* nameSlots, char* valueSlots)
{
    FORWARD(GetElementRecord, false, elementType, elementId, nameSlots, valueSlots);
}
bool GetProjectParameters(char* nameSlots, char* valueSlots)
{
    FORWARD(GetProjectParameters, false, nameSlots, valueSlots);
}
int GetCurrentNodeId(void) { return host.GetCurrentNodeId ? host.GetCurrentNodeId() : -1; }
int GetNodeElementId(int nodeId) { FORWARD(GetNodeElementId, -1, nodeId); }
int GetNodeImageIndex(int nodeId) { FORWARD(GetNodeImageIndex, -1, nodeId); }
bool GetHourlyWeather(double* dryBulb, double* wetBulb, double* solar, double* dailySolar)
{
    FORWARD(GetHourlyWeather, false, dryBulb, wetBulb, solar, dailySolar);
}
const char* GetSelectedNodeCaption(void) { return host.GetSelectedNodeCaption ? host.GetSelectedNodeCaption() : ""; }
bool GetLibraryRecord(int libraryId, int elementType, char* nameSlots, char* valueSlots)
{
    FORWARD(GetLibraryRecord, false, libraryId, elementType, nameSlots, valueSlots);
}
int GetElementMaterialId(int elementId, int elementType) { FORWARD(GetElementMaterialId, 0, elementId, elementType); }
int GetParentNodeId(int nodeId) { FORWARD(GetParentNodeId, -1, nodeId); }
const char* GetNodeCaption(int nodeId) { FORWARD(GetNodeCaption, "", nodeId); }
const char* GetPlugPath(int plugId, int kind) { FORWARD(GetPlugPath, "", plugId, kind); }
const char* GetRunPlanCaption(int nodeId) { FORWARD(GetRunPlanCaption, "", nodeId); }
bool GetRunTimeFlag(int day, int hour) { FORWARD(GetRunTimeFlag, false, day, hour); }
bool IsInRunTimeSystem(int roomNodeId) { FORWARD(IsInRunTimeSystem, false, roomNodeId); }
