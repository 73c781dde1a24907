#pragma once
#include <QString>
#include <QStringList>

class CDbQuery;
class CNodeData;
class CXmlAttributeList;
class QXmlStreamWriter;

// The project exchange file "<project>.vlzx": the whole open project database as XML, for other
// programs (nothing here reads it). Root "VLZXML" with the sections "global" (project parameters,
// settings, defaults, schedules, room and storey uses), "lib" (the construction libraries),
// "system" (air systems with the rooms they serve), "project" (the tree below the project node with
// computed areas) and "weather". Declared as XML 1.0 without an encoding, written in UTF-8, one
// element a line, indented by two blanks a level.
//
// Values: integers in decimal, reals from the stored double in the general format with up to 15
// significant digits (0.1 is "0.1"), the Yes/No columns "True"/"False", texts as stored, NULL as an
// empty value. Names that come from data (columns, tables, setting keys) and are not valid XML
// names are written in the reversible form of CXmlSafeText::EncodeName. Values reach SQL bound.
//
// The file is written beside its target and moved into place once complete: a failure raises
// Exception (database messages as "查询SQL发生异常:\n%s\n执行的语句:%s") and leaves an existing
// file as it was. Reads the project connection of TDM_Project.
class CXmlSDB
{
public:
    CXmlSDB();
    ~CXmlSDB();
    CXmlSDB(const CXmlSDB&) = delete;
    CXmlSDB& operator=(const CXmlSDB&) = delete;

    // Writes the exchange file of the project whose root node and file are given, to target, or
    // with target "0" beside the project file (its extension replaced by ".vlzx"). True; every
    // failure raises.
    bool ExportProjectXml(const CNodeData& project, const QString& projectFile, const QString& target);

    // "<folder>/<file name without its extension>.vlzx" of the project file.
    static QString DefaultTargetPath(const QString& projectFile);
    // The columns never written where whole rows are (IDs, coordinates, status, output switches,
    // energy-check figures, cached indexes, links); exact, case-sensitive names.
    static bool IsSkippedColumn(const QString& name);
    // The columns of the schema that hold Yes/No flags (case-insensitive names).
    static bool IsYesNoColumn(const QString& table, const QString& column);
    // The hourly weather text with the first six blanks of every line replaced by commas.
    static QString FormatWeatherText(const QString& text);
    // Element name of a tree node by element type code 0..30 ("PROJECT", "Building", ... "SubTree").
    static QString ElementTagName(int type);

    static const QStringList& GlobalTables();
    static const QStringList& LibraryTables();
    static const QStringList& SystemTables();
    static const QStringList& WeatherTables();

private:
    void ExportTables(const QString& section, const QStringList& tables);
    void ExportTable(const QString& table, CDbQuery& rows);
    void ExportGlobalAttributes(CDbQuery& rows);
    // A child element of the section holding, per row, an element named by the key column's value,
    // with the text column's value and the named columns as attributes.
    void ExportKeyedRows(const QString& table, CDbQuery& rows, const QString& element, const QString& key,
                         const QString& text, const QStringList& attributes, const QStringList& columns);
    void ExportInitialization(CDbQuery& rows);
    void ExportSchedules(CDbQuery& days);
    void ExportGenericRows(const QString& table, CDbQuery& rows);
    void ExportAirSystems(const QString& table, CDbQuery& rows);
    void ExportTemperatures(CDbQuery& rows);
    void ExportWeatherParameter(CDbQuery& rows);

    // Part of the "project" section: the children of a node as elements, depth first.
    void ExportTree(const CNodeData& node);
    // The attributes of one node's element, from its element row and the computed values.
    void ExportElement(const CNodeData& node, const QString& name, CXmlAttributeList& attributes);

    // The columns of the query's current row that are not skipped, as attributes.
    static void AddRowAttributes(const QString& table, const CDbQuery& row, CXmlAttributeList& attributes);
    static QString FieldText(const QString& table, const CDbQuery& row, int index);
    // The text of the named column; raises Exception when the table has no such column.
    static QString ColumnText(const QString& table, const CDbQuery& row, const QString& column);

    void StartElement(const QString& name);
    void EndElement();
    void TextElement(const QString& name, const CXmlAttributeList& attributes, const QString& text);

    // The writer of the export under way; null outside ExportProjectXml.
    QXmlStreamWriter* m_writer = nullptr;
};
