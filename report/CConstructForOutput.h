#pragma once
#include <vector>

class COutputParam;

// Groups the output options by the ID of their parent while the tree is loaded: groups in the
// order their first option came, options of a group in the order they came. Holds the options,
// never owns them.
class CConstructForOutput
{
public:
    struct SGroup
    {
        int FatherID = 0;
        std::vector<COutputParam*> Options;
    };

    // Appends the option to the group of its FatherID, a new group at the end when none has it.
    void AddOption(COutputParam* option);
    void Clear() { m_groups.clear(); }
    const std::vector<SGroup>& Groups() const { return m_groups; }

private:
    std::vector<SGroup> m_groups;
};
