/* libmiddledll.so: the host hands its data functions over once at start (SetFunction,
 * SetFunction_V2, SetFunction_V3, in this order); plug-ins call them through the exports below.
 * Before the hand-over an export returns 0, false, -1 or an empty text. */
#pragma once
#include "platform/plugin/PlugInAbi.h"

#ifdef __cplusplus
extern "C" {
#endif

#define DIDIVOV_EXPORT __attribute__((visibility("default")))

DIDIVOV_EXPORT void SetFunction(TGetChildNodes, TGetNodeResults, TGetWeatherParameters, TGetElementRecord,
                                TGetProjectParameters, TGetCurrentNodeId, TGetNodeElementId,
                                TGetNodeImageIndex, TGetHourlyWeather, TGetSelectedNodeCaption,
                                TGetLibraryRecord, TGetElementMaterialId);
DIDIVOV_EXPORT void SetFunction_V2(TGetParentNodeId, TGetNodeCaption, TGetPlugPath);
DIDIVOV_EXPORT void SetFunction_V3(TGetRunPlanCaption, TGetRunTimeFlag, TIsInRunTimeSystem);

DIDIVOV_EXPORT int GetChildNodes(int parentNodeId, int* childIds, char* captionSlots, int capacity);
DIDIVOV_EXPORT bool GetNodeResults(int nodeId, float* results);
DIDIVOV_EXPORT bool GetWeatherParameters(char* nameSlots, char* valueSlots);
DIDIVOV_EXPORT bool GetElementRecord(int elementType, int elementId, char* nameSlots, char* valueSlots);
DIDIVOV_EXPORT bool GetProjectParameters(char* nameSlots, char* valueSlots);
DIDIVOV_EXPORT int GetCurrentNodeId(void);
DIDIVOV_EXPORT int GetNodeElementId(int nodeId);
DIDIVOV_EXPORT int GetNodeImageIndex(int nodeId);
DIDIVOV_EXPORT bool GetHourlyWeather(double* dryBulb, double* wetBulb, double* solar, double* dailySolar);
DIDIVOV_EXPORT const char* GetSelectedNodeCaption(void);
DIDIVOV_EXPORT bool GetLibraryRecord(int libraryId, int elementType, char* nameSlots, char* valueSlots);
DIDIVOV_EXPORT int GetElementMaterialId(int elementId, int elementType);
DIDIVOV_EXPORT int GetParentNodeId(int nodeId);
DIDIVOV_EXPORT const char* GetNodeCaption(int nodeId);
DIDIVOV_EXPORT const char* GetPlugPath(int plugId, int kind);
DIDIVOV_EXPORT const char* GetRunPlanCaption(int nodeId);
DIDIVOV_EXPORT bool GetRunTimeFlag(int day, int hour);
DIDIVOV_EXPORT bool IsInRunTimeSystem(int roomNodeId);

#ifdef __cplusplus
}
#endif
