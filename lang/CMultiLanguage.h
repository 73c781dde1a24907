#pragma once
#include "lang/CLgParam.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class CLgFormRegistryBase;
class CMultiLgGroup;

// The program-wide language manager: the languages of the configuration file "config.ini" in the
// language folder (section [setting], key "default", "cn" when absent; every other section one
// language), the translation groups of the current language's XML file, and lookups of texts by
// group and key with a default.
//
// It touches no widget, so it can exist before the application object; forms are translated
// through the translators the widget layer registers (SetFormRegistry). What goes wrong while
// reading (no configuration, an unknown language, a missing or damaged language file, a choice that
// cannot be saved) leaves every text at its default and is kept as a line for the message panel
// (TakeProblems). User-interface thread only.
class CMultiLanguage
{
public:
    CMultiLanguage();
    ~CMultiLanguage();
    CMultiLanguage(const CMultiLanguage&) = delete;
    CMultiLanguage& operator=(const CMultiLanguage&) = delete;

    // Reads the configuration of the folder and selects its default language, loading its file.
    // Without "config.ini" no language is current and no group exists.
    void ReadLanguageConfig(const QString& folder);
    // Makes the section current; with reload loads its file and translates every registered form
    // anew. Nothing happens when it is current already. The choice is written into the
    // configuration only when it differs from the default stored there.
    void SelectLanguage(const QString& name, bool reload);
    // Replaces all groups by those of the XML file: the first "trans" child of the document element
    // holds the groups (attribute "name"), each group its items (attributes "name" and "value").
    // Items without a key or with an empty text are left out. A missing or unreadable file leaves
    // no group.
    void LoadLanguageFile(const QString& path);
    // The named group, or a new empty group of that name (not kept: each request for a missing
    // name gets its own). Holders keep a group alive across a reload.
    std::shared_ptr<const CMultiLgGroup> GetGroup(const QString& name) const;
    // The current language's entry; null when none is current or the name matches no section.
    const CLgParam* GetCurrentParam() const;
    // Writes the current language as the default of "config.ini" when the language folder exists
    // and the stored default differs.
    void SaveDefault();

    const QString& Folder() const { return m_folder; }
    const QString& CurrentLanguage() const { return m_current; }
    const std::vector<CLgParam>& Languages() const { return m_languages; }
    int GroupCount() const { return static_cast<int>(m_groups.size()); }

    // The lines about what went wrong since the last call, oldest first; the list is emptied.
    QStringList TakeProblems();

    void SetFormRegistry(CLgFormRegistryBase* registry) { m_registry = registry; }
    CLgFormRegistryBase* FormRegistry() const { return m_registry; }

private:
    QString ConfigPath() const;
    void AddProblem(const QString& text) { m_problems << text; }

    QString m_folder;
    QHash<QString, std::shared_ptr<const CMultiLgGroup>> m_groups;
    std::vector<CLgParam> m_languages;
    QString m_current;
    QStringList m_problems;
    CLgFormRegistryBase* m_registry = nullptr;
};

// The one language manager of the program, built on first use.
CMultiLanguage& GetMultiLanguage();
