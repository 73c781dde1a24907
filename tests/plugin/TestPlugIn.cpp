// Test plug-ins: one source, built with different exports. Every call is logged in order;
// TestCallLog gives the log and TestSetConfigResult what Config answers.
#include <string>

#define EXPORT extern "C" __attribute__((visibility("default")))

namespace {
std::string s_log;
bool s_configResult = true;

void Log(const std::string& entry)
{
    s_log += entry + ";";
}
} // namespace

EXPORT const char* TestCallLog()
{
    return s_log.c_str();
}

EXPORT void TestSetConfigResult(bool result)
{
    s_configResult = result;
}

#ifndef TEST_NO_VERSION
EXPORT int GetDllVersion()
{
    Log("GetDllVersion");
    return 7;
}
#endif

EXPORT const char* GetItemName()
{
    return TEST_PLUG_NAME;
}

EXPORT int GetCalculateType()
{
    return 3;
}

EXPORT const char* GetDllExplain()
{
    return "explain";
}

#ifdef TEST_FULL
EXPORT void SetPlugID(int id)
{
    Log("SetPlugID(" + std::to_string(id) + ")");
}

EXPORT void SetWorkPath(const char* middle, const char* config)
{
    Log(std::string("SetWorkPath(") + middle + "," + config + ")");
}

EXPORT void OutPutOrMainForm(int mode)
{
    Log("OutPutOrMainForm(" + std::to_string(mode) + ")");
}

EXPORT bool Config(const char*)
{
    Log("Config");
    return s_configResult;
}

EXPORT void* GetReport(const char* folder)
{
    Log(std::string("GetReport(") + folder + ")");
    return nullptr;
}

EXPORT void Exe()
{
    Log("Exe");
}
#endif
