/* The plug-in interface of DID-IVOV: what a plug-in shared object exports, and the host data
 * functions it reaches through libmiddledll.so (MiddleDll.h). Plain C; texts are 8-bit,
 * zero-terminated GBK; int is 32-bit; bool is one byte (0 false, 1 true). docs/plugins.md
 * describes the whole road. */
#pragma once

#ifdef __cplusplus
class CQORReport;
typedef CQORReport* TPlugReport;
extern "C" {
#else
#include <stdbool.h>
typedef void* TPlugReport;
#endif

/* A text slot of a name/value list or a caption array: 254 bytes and the terminator. A list ends
 * with an empty slot after its last entry. */
#define DIDIVOV_SLOT_BYTES 255
/* Results of a node: blocks of 365 days x 24 hours. */
#define DIDIVOV_BLOCK_VALUES 8760
#define DIDIVOV_PLUGPATH_BYTES 260
#define DIDIVOV_RUNPLAN_BYTES 256

/* --- exports of a plug-in, resolved by name; only GetDllVersion, GetItemName,
 * GetCalculateType and GetDllExplain are required. */
typedef int (*TGetDllVersion)(void);
typedef const char* (*TGetItemName)(void);
typedef int (*TGetCalculateType)(void);
typedef const char* (*TGetDllExplain)(void);
/* configPath: the plug-in's settings file in the project folder. false cancels the run. */
typedef bool (*TConfig)(const char* configPath);
/* plugFolder: the plug-in's folder with a trailing slash. The report stays the plug-in's: the host
 * never frees it and reads it until the plug-in's next GetReport or unload. */
typedef TPlugReport (*TGetReport)(const char* plugFolder);
typedef void (*TExe)(void);
typedef void (*TSetWorkPath)(const char* middleDllPath, const char* configPath);
/* 1 run from the main window, 0 as part of the calculation book, 2 a building's daily energy use
 * from the operating-scheme window. */
typedef void (*TOutPutOrMainForm)(int mode);
typedef int (*TGetPlugVersion)(void);
typedef void (*TSetPlugID)(int plugId);

/* --- host data functions, in the order the host hands them over. */
/* Writes at most capacity children (ids and caption slots) and returns the number of children,
 * which may be larger: call again with room for all of them. */
typedef int (*TGetChildNodes)(int parentNodeId, int* childIds, char* captionSlots, int capacity);
/* Calculates the node under the current design type into blocks of DIDIVOV_BLOCK_VALUES floats
 * (layout in docs/plugins.md); false when the node is missing or the run failed or was stopped. */
typedef bool (*TGetNodeResults)(int nodeId, float* results);
typedef bool (*TGetWeatherParameters)(char* nameSlots, char* valueSlots);
typedef bool (*TGetElementRecord)(int elementType, int elementId, char* nameSlots, char* valueSlots);
typedef bool (*TGetProjectParameters)(char* nameSlots, char* valueSlots);
typedef int (*TGetCurrentNodeId)(void);
typedef int (*TGetNodeElementId)(int nodeId);
typedef int (*TGetNodeImageIndex)(int nodeId);
/* Four arrays of 8760 values: dry bulb, wet bulb (C), horizontal solar radiation and its daily
 * mean (W/m2). */
typedef bool (*TGetHourlyWeather)(double* dryBulb, double* wetBulb, double* solar, double* dailySolar);
typedef const char* (*TGetSelectedNodeCaption)(void);
typedef bool (*TGetLibraryRecord)(int libraryId, int elementType, char* nameSlots, char* valueSlots);
typedef int (*TGetElementMaterialId)(int elementId, int elementType);
typedef int (*TGetParentNodeId)(int nodeId);
typedef const char* (*TGetNodeCaption)(int nodeId);
/* kind 0 the plug-in's folder, 1 its settings file, 2 "1" while the output options dialog is open. */
typedef const char* (*TGetPlugPath)(int plugId, int kind);
typedef const char* (*TGetRunPlanCaption)(int nodeId);
/* day 0..364, hour 0..23 or -1 for any hour of the day. */
typedef bool (*TGetRunTimeFlag)(int day, int hour);
typedef bool (*TIsInRunTimeSystem)(int roomNodeId);

#ifdef __cplusplus
}
#endif
