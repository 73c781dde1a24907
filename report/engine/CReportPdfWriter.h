#pragma once
#include <QList>
#include <QString>

class CReportPage;

// Writes laid-out pages as a PDF file, each page on its own paper and orientation, fonts embedded.
class CReportPdfWriter
{
public:
    // False with a message when the file cannot be written; an existing file is then left as it was.
    static bool Write(const QList<CReportPage>& pages, const QString& fileName, const QString& title,
                      QString& error);
};
