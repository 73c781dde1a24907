#pragma once
#include <QString>

// A project is more than its database: beside "<name>.VLZ" lie the CAD model "<name>.qcd" and the
// operating schemes "<name>.run", and its folder holds the plug-in settings ("OutPutConfig.data",
// one ".config" file per plug-in) and the drawings of the CAD model ("CAD"). Copying a project
// under another name copies all of it, so that the copy opens as the original was saved.
class CProjectFileCopy
{
public:
    // Copies the project database source to target with its CAD model and operating schemes; a
    // file of the target's name replaces the one there, and a CAD model or scheme file left by an
    // earlier project of the target's name is removed when the source has none. Into another
    // folder the plug-in settings and drawings go too, without replacing files that folder
    // already holds (they belong to the projects kept there). Every file is copied beside its
    // target before any is replaced, so a copy that fails leaves the files there as they were.
    // False, with the reason in message, when a file cannot be copied; source and target must be
    // different files.
    static bool Copy(const QString& source, const QString& target, QString& message);
    // Whether both paths name the same file (also through another spelling of the path).
    static bool SameFile(const QString& first, const QString& second);
};
