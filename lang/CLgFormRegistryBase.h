#pragma once

// The translators of the open forms, as the language manager sees them: after a language is
// loaded every one translates its form again. The widget layer installs the implementation.
class CLgFormRegistryBase
{
public:
    virtual ~CLgFormRegistryBase() = default;
    virtual void ReattachAll() = 0;
};
