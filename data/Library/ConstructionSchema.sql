-- Construction libraries of the system data database: one table per construction kind (kind word
-- followed by "_Lib"), the layers of the layered constructions (Material_detail) and the record of
-- base materials taken into them (MaterialEdit). The project database holds the same tables
-- (Project/LibraryCopies.sql). Name and catergory are matched case-insensitively, as the library
-- code compares them. Records are written by the generated Constructions.sql.
--
-- Default records: ID 1 is the first, typical record of every construction table, so each
-- default-value row of Initialization naming a construction library holds the ID 1:
--   OutsideWallName      OutsideWall_Lib       240粘土砖墙+50模塑聚苯板外保温
--   InsideWallName       InsideWall_Lib        200加气混凝土砌块内墙(双面抹灰)
--   CeilingName          Ceiling_Lib           120钢筋混凝土楼板(水泥砂浆面层)
--   FloorName            Floor_Lib             120钢筋混凝土楼板(水泥砂浆面层)
--   RoofName             Roof_Lib              钢筋混凝土屋面+60挤塑聚苯板保温
--   BlindStoreyName      BlindStorey_Lib       120钢筋混凝土顶板+100岩棉毡(闷顶内铺设)
--   OutsideWindowName    OutsideWindow_Lib     双层透明中空玻璃断热铝合金窗
--   OutsideDoorName      OutsideDoor_Lib       双层透明中空玻璃断热铝合金门
--   GlassCurtainWallName GlassCurtainWall_Lib  双层Low-E中空玻璃断热铝合金幕墙
--   GlassRoofName        GlassRoof_Lib         双层Low-E中空玻璃断热铝合金玻璃屋顶
--   InsideWindowName     InsideWindow_Lib      单层透明玻璃木框内窗
--   InsideDoorName       InsideDoor_Lib        单层玻璃木门
--   SkyWindowName        SkyWindow_Lib         双层Low-E中空玻璃断热铝合金天窗
--   GroundName           Ground_Lib            第一地带
--   ProjectionFloorName  ProjectionFloor_Lib   120钢筋混凝土楼板+60挤塑聚苯板(板底保温)
--   GapWallName          GapWall_Lib           240粘土砖墙(双面抹灰)
--   BasementWallName     BasementWall_Lib      300钢筋混凝土地下室外墙+50挤塑聚苯板

CREATE TABLE OutsideWall_Lib (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Name TEXT COLLATE NOCASE,
    catergory TEXT COLLATE NOCASE,
    BMP BLOB,
    InsulationMaterials TEXT,
    Deta REAL DEFAULT 0,
    K_S REAL DEFAULT 0,
    K_W REAL DEFAULT 0,
    Beta REAL DEFAULT 0,
    D REAL DEFAULT 0,
    v_S REAL DEFAULT 0,
    v_W REAL DEFAULT 0,
    Kesi_S REAL DEFAULT 0,
    Kesi_W REAL DEFAULT 0,
    vn_S REAL DEFAULT 0,
    vn_W REAL DEFAULT 0,
    Kesin_S REAL DEFAULT 0,
    Kesin_W REAL DEFAULT 0,
    Old_ID INTEGER DEFAULT 0
);

CREATE TABLE InsideWall_Lib (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Name TEXT COLLATE NOCASE,
    catergory TEXT COLLATE NOCASE,
    BMP BLOB,
    InsulationMaterials TEXT,
    Deta REAL DEFAULT 0,
    K_S REAL DEFAULT 0,
    K_W REAL DEFAULT 0,
    Beta REAL DEFAULT 0,
    D REAL DEFAULT 0,
    v_S REAL DEFAULT 0,
    v_W REAL DEFAULT 0,
    Kesi_S REAL DEFAULT 0,
    Kesi_W REAL DEFAULT 0,
    vn_S REAL DEFAULT 0,
    vn_W REAL DEFAULT 0,
    Kesin_S REAL DEFAULT 0,
    Kesin_W REAL DEFAULT 0,
    Old_ID INTEGER DEFAULT 0
);

CREATE TABLE Ceiling_Lib (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Name TEXT COLLATE NOCASE,
    catergory TEXT COLLATE NOCASE,
    BMP BLOB,
    InsulationMaterials TEXT,
    Deta REAL DEFAULT 0,
    K_S REAL DEFAULT 0,
    K_W REAL DEFAULT 0,
    Beta REAL DEFAULT 0,
    D REAL DEFAULT 0,
    v_S REAL DEFAULT 0,
    v_W REAL DEFAULT 0,
    Kesi_S REAL DEFAULT 0,
    Kesi_W REAL DEFAULT 0,
    vn_S REAL DEFAULT 0,
    vn_W REAL DEFAULT 0,
    Kesin_S REAL DEFAULT 0,
    Kesin_W REAL DEFAULT 0,
    Old_ID INTEGER DEFAULT 0
);

CREATE TABLE Floor_Lib (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Name TEXT COLLATE NOCASE,
    catergory TEXT COLLATE NOCASE,
    BMP BLOB,
    InsulationMaterials TEXT,
    Deta REAL DEFAULT 0,
    K_S REAL DEFAULT 0,
    K_W REAL DEFAULT 0,
    Beta REAL DEFAULT 0,
    D REAL DEFAULT 0,
    v_S REAL DEFAULT 0,
    v_W REAL DEFAULT 0,
    Kesi_S REAL DEFAULT 0,
    Kesi_W REAL DEFAULT 0,
    vn_S REAL DEFAULT 0,
    vn_W REAL DEFAULT 0,
    Kesin_S REAL DEFAULT 0,
    Kesin_W REAL DEFAULT 0,
    Old_ID INTEGER DEFAULT 0
);

CREATE TABLE Roof_Lib (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Name TEXT COLLATE NOCASE,
    catergory TEXT COLLATE NOCASE,
    BMP BLOB,
    InsulationMaterials TEXT,
    Deta REAL DEFAULT 0,
    K_S REAL DEFAULT 0,
    K_W REAL DEFAULT 0,
    Beta REAL DEFAULT 0,
    D REAL DEFAULT 0,
    v_S REAL DEFAULT 0,
    v_W REAL DEFAULT 0,
    Kesi_S REAL DEFAULT 0,
    Kesi_W REAL DEFAULT 0,
    vn_S REAL DEFAULT 0,
    vn_W REAL DEFAULT 0,
    Kesin_S REAL DEFAULT 0,
    Kesin_W REAL DEFAULT 0,
    Old_ID INTEGER DEFAULT 0
);

CREATE TABLE BlindStorey_Lib (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Name TEXT COLLATE NOCASE,
    catergory TEXT COLLATE NOCASE,
    BMP BLOB,
    InsulationMaterials TEXT,
    Deta REAL DEFAULT 0,
    K_S REAL DEFAULT 0,
    K_W REAL DEFAULT 0,
    Beta REAL DEFAULT 0,
    D REAL DEFAULT 0,
    v_S REAL DEFAULT 0,
    v_W REAL DEFAULT 0,
    Kesi_S REAL DEFAULT 0,
    Kesi_W REAL DEFAULT 0,
    vn_S REAL DEFAULT 0,
    vn_W REAL DEFAULT 0,
    Kesin_S REAL DEFAULT 0,
    Kesin_W REAL DEFAULT 0,
    Old_ID INTEGER DEFAULT 0
);

CREATE TABLE ProjectionFloor_Lib (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Name TEXT COLLATE NOCASE,
    catergory TEXT COLLATE NOCASE,
    BMP BLOB,
    InsulationMaterials TEXT,
    Deta REAL DEFAULT 0,
    K_S REAL DEFAULT 0,
    K_W REAL DEFAULT 0,
    Beta REAL DEFAULT 0,
    D REAL DEFAULT 0,
    v_S REAL DEFAULT 0,
    v_W REAL DEFAULT 0,
    Kesi_S REAL DEFAULT 0,
    Kesi_W REAL DEFAULT 0,
    vn_S REAL DEFAULT 0,
    vn_W REAL DEFAULT 0,
    Kesin_S REAL DEFAULT 0,
    Kesin_W REAL DEFAULT 0,
    Old_ID INTEGER DEFAULT 0
);

CREATE TABLE GapWall_Lib (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Name TEXT COLLATE NOCASE,
    catergory TEXT COLLATE NOCASE,
    BMP BLOB,
    InsulationMaterials TEXT,
    Deta REAL DEFAULT 0,
    K_S REAL DEFAULT 0,
    K_W REAL DEFAULT 0,
    Beta REAL DEFAULT 0,
    D REAL DEFAULT 0,
    v_S REAL DEFAULT 0,
    v_W REAL DEFAULT 0,
    Kesi_S REAL DEFAULT 0,
    Kesi_W REAL DEFAULT 0,
    vn_S REAL DEFAULT 0,
    vn_W REAL DEFAULT 0,
    Kesin_S REAL DEFAULT 0,
    Kesin_W REAL DEFAULT 0,
    Old_ID INTEGER DEFAULT 0
);

CREATE TABLE OutsideWindow_Lib (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Name TEXT COLLATE NOCASE,
    catergory TEXT COLLATE NOCASE,
    BMP BLOB,
    Pane TEXT,
    GlassType TEXT,
    FrameType TEXT,
    K_S REAL DEFAULT 0,
    K_W REAL DEFAULT 0,
    g REAL DEFAULT 0,
    Inside_Sunshade REAL DEFAULT 1,
    Outside_Sunshade REAL DEFAULT 1,
    Glass_Revise REAL DEFAULT 1,
    ExfiltrationGrade TEXT,
    ExfiltrationCoefficient REAL DEFAULT 0,
    ShieldType INTEGER DEFAULT 0,
    InsideShieldMaterials INTEGER DEFAULT 0,
    OutsideShield_B REAL DEFAULT 0,
    OutsideShield_H REAL DEFAULT 0,
    OutsideShield_l REAL DEFAULT 0,
    OutsideShield_m REAL DEFAULT 0,
    OutsideShield_f REAL DEFAULT 0,
    OutsideShield_g REAL DEFAULT 0,
    Old_ID INTEGER DEFAULT 0
);

CREATE TABLE OutsideDoor_Lib (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Name TEXT COLLATE NOCASE,
    catergory TEXT COLLATE NOCASE,
    BMP BLOB,
    Pane TEXT,
    GlassType TEXT,
    FrameType TEXT,
    K_S REAL DEFAULT 0,
    K_W REAL DEFAULT 0,
    g REAL DEFAULT 0,
    ExfiltrationGrade TEXT,
    ExfiltrationCoefficient REAL DEFAULT 0,
    ShieldType INTEGER DEFAULT 0,
    InsideShieldMaterials INTEGER DEFAULT 0,
    OutsideShield_B REAL DEFAULT 0,
    OutsideShield_H REAL DEFAULT 0,
    OutsideShield_l REAL DEFAULT 0,
    OutsideShield_m REAL DEFAULT 0,
    OutsideShield_f REAL DEFAULT 0,
    OutsideShield_g REAL DEFAULT 0,
    Old_ID INTEGER DEFAULT 0
);

CREATE TABLE GlassCurtainWall_Lib (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Name TEXT COLLATE NOCASE,
    catergory TEXT COLLATE NOCASE,
    BMP BLOB,
    Pane TEXT,
    GlassType TEXT,
    FrameType TEXT,
    K_S REAL DEFAULT 0,
    K_W REAL DEFAULT 0,
    g REAL DEFAULT 0,
    ExfiltrationGrade TEXT,
    ExfiltrationCoefficient REAL DEFAULT 0,
    Old_ID INTEGER DEFAULT 0
);

CREATE TABLE GlassRoof_Lib (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Name TEXT COLLATE NOCASE,
    catergory TEXT COLLATE NOCASE,
    BMP BLOB,
    Pane TEXT,
    GlassType TEXT,
    FrameType TEXT,
    K_S REAL DEFAULT 0,
    K_W REAL DEFAULT 0,
    g REAL DEFAULT 0,
    Old_ID INTEGER DEFAULT 0
);

CREATE TABLE InsideWindow_Lib (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Name TEXT COLLATE NOCASE,
    catergory TEXT COLLATE NOCASE,
    BMP BLOB,
    Pane TEXT,
    GlassType TEXT,
    FrameType TEXT,
    K_S REAL DEFAULT 0,
    K_W REAL DEFAULT 0,
    Old_ID INTEGER DEFAULT 0
);

CREATE TABLE InsideDoor_Lib (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Name TEXT COLLATE NOCASE,
    catergory TEXT COLLATE NOCASE,
    BMP BLOB,
    Pane TEXT,
    GlassType TEXT,
    FrameType TEXT,
    K_S REAL DEFAULT 0,
    K_W REAL DEFAULT 0,
    Old_ID INTEGER DEFAULT 0
);

CREATE TABLE SkyWindow_Lib (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Name TEXT COLLATE NOCASE,
    catergory TEXT COLLATE NOCASE,
    BMP BLOB,
    Pane TEXT,
    GlassType TEXT,
    FrameType TEXT,
    K_S REAL DEFAULT 0,
    K_W REAL DEFAULT 0,
    g REAL DEFAULT 0,
    Old_ID INTEGER DEFAULT 0
);

CREATE TABLE Ground_Lib (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Name TEXT COLLATE NOCASE,
    catergory TEXT COLLATE NOCASE,
    BMP BLOB,
    InsulationMaterials TEXT,
    Deta REAL DEFAULT 0,
    GroundType INTEGER DEFAULT 0,
    K_S REAL DEFAULT 0,
    K_W REAL DEFAULT 0,
    Old_ID INTEGER DEFAULT 0
);

CREATE TABLE BasementWall_Lib (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Name TEXT COLLATE NOCASE,
    catergory TEXT COLLATE NOCASE,
    BMP BLOB,
    InsulationMaterials TEXT,
    Deta REAL DEFAULT 0,
    K_S REAL DEFAULT 0,
    K_W REAL DEFAULT 0,
    Beta REAL DEFAULT 0,
    D REAL DEFAULT 0,
    Old_ID INTEGER DEFAULT 0
);

-- Layers of the layered constructions of both the system library and the project: the rows of one
-- construction are those with its ID in StructID and its kind code in Type, inside first by ItemIndex.
CREATE TABLE Material_detail (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    StructID INTEGER NOT NULL,
    MaterialID INTEGER NOT NULL,
    Type INTEGER NOT NULL,
    ComType INTEGER NOT NULL,
    Name TEXT NOT NULL,
    deta REAL NOT NULL,
    lamda REAL NOT NULL,
    pho REAL NOT NULL,
    cp REAL NOT NULL,
    ItemIndex INTEGER NOT NULL,
    Multiplier REAL,
    Old_ID INTEGER DEFAULT 0
);

-- Which base material went into which construction; written by the layer editor, read by nothing.
CREATE TABLE MaterialEdit (
    struct_id INTEGER NOT NULL,
    type INTEGER NOT NULL,
    basematerial_id INTEGER NOT NULL
);
