#pragma once
#include <QString>
#include <functional>

class CProjectData;

// What the new-project dialog asked for.
struct CNewProjectRequest
{
    QString FileName; // the project file name, without ".VLZ", as typed
    QString Folder;   // the project's own folder
    bool FromTemplate = false;
    QString TemplateName;
};

// Creates a project: copies the blank project "Project/ProjectModule.dat" or a template to
// <Folder>/<FileName>.VLZ, opens it as the current project, writes the project parameters and,
// for a blank project, fills it from the system data: the default values, the schedules and the
// default record of each construction and use library. Questions and notices go through CTool.
// Needs the program-wide objects that CSystemGlobalData::OpenProject needs.
class CNewProjectMaker
{
public:
    enum class Result
    {
        Refused,  // nothing was changed
        Blank,    // a blank project was made and opened
        Template, // a project was made from a template and opened
    };

    // The location offered by the dialog: the program folder's "User", made when missing; the
    // program folder itself when it cannot be made.
    static QString DefaultLocation();
    static QString ProjectFile(const QString& folder, const QString& fileName);

    // The whole command after the dialog. fillParameters receives the new project's parameters
    // before they are written. A blank project is refused with a message, before anything is
    // touched, when the system data lack a library record that a default value names.
    // Failures after the copy raise Exception.
    static Result Create(const CNewProjectRequest& request,
                         const std::function<void(CProjectData&)>& fillParameters);

    // The library tables and the default values naming their default record's ID.
    struct LibraryDefault
    {
        const char* Table;
        const char* DefaultName;
        bool Envelope; // the table holds only its default record in a new blank project
    };
    static const LibraryDefault* LibraryDefaults(int& count);

    // The first library default whose record the system data lack, as a message for the user;
    // empty when all are there.
    static QString MissingLibraryDefault(const QString& sysDataPath);

    // Fills the open project from the system data database (the new project's own
    // Initialization, schedules and library defaults). All or nothing; raises on failure.
    static void InitProjectFromSystemData(const QString& sysDataPath);
};
