-- System\SysParam.dat: program-wide settings, the element-type registry and project templates.
CREATE TABLE RegistryTable (
    Name TEXT COLLATE NOCASE,
    Type INTEGER,
    KeyValue TEXT,
    Remark TEXT
);

CREATE TABLE ModuleData (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Name TEXT COLLATE NOCASE,
    Date TEXT
);
