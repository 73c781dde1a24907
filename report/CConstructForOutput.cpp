#include "report/CConstructForOutput.h"

#include "report/COutputParam.h"

void CConstructForOutput::AddOption(COutputParam* option)
{
    for (SGroup& group : m_groups)
        if (group.FatherID == option->FatherID) {
            group.Options.push_back(option);
            return;
        }
    m_groups.push_back(SGroup{option->FatherID, {option}});
}
