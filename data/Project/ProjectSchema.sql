-- Project\ProjectModule.dat: the project tree, one table per element type and the project-wide
-- parameter tables, at schema version 57.
--
-- Element tables: ID is the row key the tree points at (tbl_tree.f_elementid) and the target of
-- the parent links; the program hands out the IDs itself. parent_id names the element ID of the
-- nearest ancestor that is neither a folder nor the project, and cascades so that deleting a row
-- removes everything below it. Old_ID is never written by the element classes. Text columns
-- compare without regard to letter case, as names are matched across tables.

CREATE TABLE tbl_tree (
    f_level INTEGER,
    f_index INTEGER,
    f_nodeid INTEGER PRIMARY KEY,
    f_parentid INTEGER,
    f_caption TEXT COLLATE NOCASE,
    f_imageindex INTEGER,
    f_elementid INTEGER,
    Old_ID INTEGER DEFAULT 0
);

-- Folder rows: the caption lives only in the tree, and a folder is nobody's parent_id.
CREATE TABLE SubTree (
    ID INTEGER PRIMARY KEY,
    Status INTEGER,
    X0 REAL, Y0 REAL, Z0 REAL,
    Old_ID INTEGER DEFAULT 0
);

-- Buildings hang under the project: parent_id is -1 and has no row to refer to.
CREATE TABLE Building (
    ID INTEGER PRIMARY KEY,
    Name TEXT COLLATE NOCASE,
    Status INTEGER,
    X0 REAL, Y0 REAL, Z0 REAL, X REAL, Y REAL, Z REAL,
    GroundArea REAL,
    OverGroundBuildingArea REAL,
    BelowGroundBuildingArea REAL,
    BuildingHeight REAL,
    IsOutputIndoorParameter INTEGER,
    IsOutputLoadCalculationParameter INTEGER,
    IsOutputLoadStatisticsData INTEGER,
    IsOutputLoadHourlyData INTEGER,
    SiloTemperature REAL,
    Direction_Angle REAL,
    IsWinterHeatRebateCoefficient INTEGER DEFAULT 0,
    IsWinter_Heat_Transfer INTEGER DEFAULT 1,
    IsHeating_Flood_Solar INTEGER DEFAULT 0,
    figure_area REAL DEFAULT 0,
    figure_coff REAL DEFAULT 0,
    figure_cubage REAL DEFAULT 0,
    WaterYield REAL DEFAULT 0,
    WaterPumpTemRise REAL DEFAULT 0,
    WaterPipeTemRise REAL DEFAULT 0,
    Water_Time TEXT COLLATE NOCASE,
    bOutputHL INTEGER DEFAULT 1,
    HIsOutputLoadStatisticsData INTEGER DEFAULT 1,
    HIsOutputLoadHourlyData INTEGER DEFAULT 1,
    parent_id INTEGER,
    Old_ID INTEGER DEFAULT 0,
    -- Energy-saving check figures, read and written by the checks, not by the element class.
    seltype_area INTEGER DEFAULT 0,
    seltype_cubage INTEGER DEFAULT 0,
    wd_data0_0 REAL DEFAULT 0, wd_data0_1 REAL DEFAULT 0, wd_data0_2 REAL DEFAULT 0, wd_data0_3 REAL DEFAULT 0,
    wd_data0_4 REAL DEFAULT 0, wd_data0_5 REAL DEFAULT 0, wd_data0_6 REAL DEFAULT 0, wd_data0_7 REAL DEFAULT 0,
    wd_data0_8 REAL DEFAULT 0, wd_data0_9 REAL DEFAULT 0, wd_data1_0 REAL DEFAULT 0, wd_data1_1 REAL DEFAULT 0,
    wd_data1_2 REAL DEFAULT 0, wd_data1_3 REAL DEFAULT 0, wd_data1_4 REAL DEFAULT 0, wd_data1_5 REAL DEFAULT 0,
    wd_data1_6 REAL DEFAULT 0, wd_data1_7 REAL DEFAULT 0, wd_data1_8 REAL DEFAULT 0, wd_data1_9 REAL DEFAULT 0,
    outsidewall_data0 REAL DEFAULT 0, outsidewall_data1 REAL DEFAULT 0, outsidewall_data2 REAL DEFAULT 0,
    outsidewall_data3 REAL DEFAULT 0, outsidewall_data4 REAL DEFAULT 0, outsidewall_data5 REAL DEFAULT 0,
    outsidewall_data6 REAL DEFAULT 0,
    outsidewindow_data0_0 REAL DEFAULT 0, outsidewindow_data0_1 REAL DEFAULT 0, outsidewindow_data0_2 REAL DEFAULT 0,
    outsidewindow_data0_3 REAL DEFAULT 0, outsidewindow_data0_4 REAL DEFAULT 0, outsidewindow_data0_5 REAL DEFAULT 0,
    outsidewindow_data0_6 REAL DEFAULT 0, outsidewindow_data0_7 REAL DEFAULT 0, outsidewindow_data0_8 REAL DEFAULT 0,
    outsidewindow_data0_9 REAL DEFAULT 0, outsidewindow_data1_0 REAL DEFAULT 0, outsidewindow_data1_1 REAL DEFAULT 0,
    outsidewindow_data1_2 REAL DEFAULT 0, outsidewindow_data1_3 REAL DEFAULT 0, outsidewindow_data1_4 REAL DEFAULT 0,
    outsidewindow_data1_5 REAL DEFAULT 0, outsidewindow_data1_6 REAL DEFAULT 0, outsidewindow_data1_7 REAL DEFAULT 0,
    outsidewindow_data1_8 REAL DEFAULT 0, outsidewindow_data1_9 REAL DEFAULT 0
);

CREATE TABLE Storey (
    ID INTEGER PRIMARY KEY,
    Name TEXT COLLATE NOCASE,
    Status INTEGER,
    X0 REAL, Y0 REAL, Z0 REAL, X REAL, Y REAL, Z REAL,
    StoreyGroupName TEXT COLLATE NOCASE,
    IsACStorey INTEGER,
    IsHeatingStorey INTEGER,
    IsBelowGroundStorey INTEGER,
    StoreyHeight REAL,
    StoreyArea REAL,
    -- The storey-use record's ID, kept as decimal text.
    StoreyUse TEXT COLLATE NOCASE,
    IsOutputIndoorParameter INTEGER,
    IsOutputLoadCalculationParameter INTEGER,
    IsOutputLoadStatisticsData INTEGER,
    IsOutputLoadHourlyData INTEGER,
    IsWinterHeatRebateCoefficient INTEGER DEFAULT 0,
    IsWinter_Heat_Transfer INTEGER DEFAULT 1,
    IsHeating_Flood_Solar INTEGER DEFAULT 0,
    bOutputHL INTEGER DEFAULT 1,
    HIsOutputLoadStatisticsData INTEGER DEFAULT 1,
    HIsOutputLoadHourlyData INTEGER DEFAULT 1,
    parent_id INTEGER REFERENCES Building (ID) ON UPDATE CASCADE ON DELETE CASCADE,
    Old_ID INTEGER DEFAULT 0
);

-- A room in a folder still names its storey.
CREATE TABLE Room (
    ID INTEGER PRIMARY KEY,
    Name TEXT COLLATE NOCASE,
    Status INTEGER,
    X0 REAL, Y0 REAL, Z0 REAL, X REAL, Y REAL, Z REAL,
    ACRoomQuantity INTEGER,
    HLRoomQuantity INTEGER,
    PrimaryAirSystemName TEXT COLLATE NOCASE,
    OutsideAirSystemName TEXT COLLATE NOCASE,
    ScheduleName TEXT COLLATE NOCASE,
    IsOutputIndoorParameter INTEGER,
    IsOutputLoadCalculationParameter INTEGER,
    IsOutputLoadStatisticsData INTEGER,
    IsOutputLoadHourlyData INTEGER,
    IsLWInputArea INTEGER,
    Length REAL,
    Width REAL,
    Area REAL,
    -- The room-use record's ID, kept as decimal text.
    RoomUse TEXT COLLATE NOCASE,
    RoomType INTEGER,
    SummerACTemperature REAL,
    WinterACTemperature REAL,
    WinterHeatingTemperature REAL,
    TemperatureVariation REAL,
    TemperatureVariation_Heating REAL,
    SummerACRH REAL,
    WinterACRH REAL,
    WinterHeatingRH REAL,
    RHVariation REAL,
    RHVariation_Heating REAL,
    InputTypeofPeopleDensity INTEGER,
    PeopleDensity REAL,
    LightingPower REAL,
    Noise REAL,
    InputTypeofOutsideAirSupply INTEGER,
    OutsideAirSupply REAL,
    MaximumAirVelocity REAL,
    TotalCoolIndex REAL,
    TotalHeatIndex REAL,
    EnclosureCoolIndex REAL,
    EnclosureHeatIndex REAL,
    PeopleCoolIndex REAL,
    PeopleHeatIndex REAL,
    OutsideAirCoolIndex REAL,
    OutsideAirHeatIndex REAL,
    OthersCoolIndex REAL,
    PthersHeatIndex REAL,
    BuildingType INTEGER,
    PartitionType INTEGER,
    IsIndustryBuilding INTEGER,
    TemperatureGradient REAL,
    WinterHeatRebateCoefficient REAL DEFAULT 1,
    IsWinterHeatRebateCoefficient INTEGER DEFAULT 0,
    IsWinter_Heat_Transfer INTEGER DEFAULT 1,
    IsHeating_Flood_Solar INTEGER DEFAULT 0,
    WinterHeatGainCoefficient REAL DEFAULT 0,
    WindQuantity REAL DEFAULT 0,
    WindFanTemRise REAL DEFAULT 0,
    WindPipeTemRise REAL DEFAULT 0,
    Fan_Time TEXT COLLATE NOCASE,
    Maintenance_Gain REAL DEFAULT 0,
    Maintenance_Time TEXT COLLATE NOCASE,
    IsFenCengAir INTEGER DEFAULT 0,
    FenCengAir REAL DEFAULT 0,
    Comfort TEXT COLLATE NOCASE,
    IsHouseholdMetering INTEGER DEFAULT 0,
    Is_WinterHeatGainCoefficient INTEGER DEFAULT 0,
    NewWind_Type INTEGER DEFAULT 0,
    NewWind_Temp_St REAL DEFAULT 0,
    NewWind_Temp_Wt REAL DEFAULT 0,
    NewWind_Humidity_Sh REAL DEFAULT 0,
    NewWind_Humidity_Wh REAL DEFAULT 0,
    bOutputHL INTEGER DEFAULT 1,
    HIsOutputLoadStatisticsData INTEGER DEFAULT 1,
    HIsOutputLoadHourlyData INTEGER DEFAULT 1,
    Height REAL DEFAULT 3,
    ACHRoomQuantity INTEGER DEFAULT 1,
    parent_id INTEGER REFERENCES Storey (ID) ON UPDATE CASCADE ON DELETE CASCADE,
    Old_ID INTEGER DEFAULT 0
);

-- Internal loads of a room.

CREATE TABLE People (
    ID INTEGER PRIMARY KEY,
    Name TEXT COLLATE NOCASE,
    Status INTEGER,
    X0 REAL, Y0 REAL, Z0 REAL, X REAL, Y REAL, Z REAL,
    LaborType INTEGER,
    PeopleClassifyCoeffient REAL,
    ScheduleName TEXT COLLATE NOCASE,
    parent_id INTEGER REFERENCES Room (ID) ON UPDATE CASCADE ON DELETE CASCADE,
    Old_ID INTEGER DEFAULT 0
);

CREATE TABLE Lighting (
    ID INTEGER PRIMARY KEY,
    Name TEXT COLLATE NOCASE,
    Status INTEGER,
    X0 REAL, Y0 REAL, Z0 REAL, X REAL, Y REAL, Z REAL,
    SimultaneousUseCoefficient REAL,
    LampPower REAL,
    ConcealedFluorescencePower REAL,
    ExposedFluorescencePower_Inside REAL,
    ExposedFluorescencePower_Outside REAL,
    LampshadeType INTEGER,
    ScheduleName TEXT COLLATE NOCASE,
    parent_id INTEGER REFERENCES Room (ID) ON UPDATE CASCADE ON DELETE CASCADE,
    Old_ID INTEGER DEFAULT 0
);

CREATE TABLE HeatingEquipment (
    ID INTEGER PRIMARY KEY,
    Name TEXT COLLATE NOCASE,
    Status INTEGER,
    X0 REAL, Y0 REAL, Z0 REAL, X REAL, Y REAL, Z REAL,
    TypeP INTEGER,
    Power REAL,
    SimultaneousUseCoefficient REAL,
    UsageCoefficient REAL,
    LoadCoefficient REAL,
    VentilationCoefficient REAL,
    HumidityLoad REAL,
    ScheduleName TEXT COLLATE NOCASE,
    parent_id INTEGER REFERENCES Room (ID) ON UPDATE CASCADE ON DELETE CASCADE,
    Old_ID INTEGER DEFAULT 0
);

CREATE TABLE ElectronicEquipment (
    ID INTEGER PRIMARY KEY,
    Name TEXT COLLATE NOCASE,
    Status INTEGER,
    X0 REAL, Y0 REAL, Z0 REAL, X REAL, Y REAL, Z REAL,
    TypeP INTEGER,
    Power REAL,
    SimultaneousUseCoefficient REAL,
    UsageCoefficient REAL,
    LoadCoefficient REAL,
    ScheduleName TEXT COLLATE NOCASE,
    HeatRelease REAL DEFAULT 0,
    HeatReleaseUnit INTEGER DEFAULT 0,
    EleCatMethod INTEGER DEFAULT 0,
    PowerDensity REAL DEFAULT 0,
    NormalSimUseCoefficient REAL DEFAULT 0.5,
    NormalUsageCoefficient REAL DEFAULT 0.8,
    NormalLoadCoefficient REAL DEFAULT 0.5,
    parent_id INTEGER REFERENCES Room (ID) ON UPDATE CASCADE ON DELETE CASCADE,
    Old_ID INTEGER DEFAULT 0
);

CREATE TABLE ElectricEquipment (
    ID INTEGER PRIMARY KEY,
    Name TEXT COLLATE NOCASE,
    Status INTEGER,
    X0 REAL, Y0 REAL, Z0 REAL, X REAL, Y REAL, Z REAL,
    TypeP INTEGER,
    Power REAL,
    EquipmentLocation INTEGER,
    SimultaneousUseCoefficient REAL,
    ElectromotorEfficient REAL,
    HumidityLoad REAL,
    ScheduleName TEXT COLLATE NOCASE,
    LoadMultiple_Move REAL DEFAULT 0.5,
    InputPowerMultiple_Move REAL DEFAULT 0.8,
    InputPowerCoefficient REAL,
    parent_id INTEGER REFERENCES Room (ID) ON UPDATE CASCADE ON DELETE CASCADE,
    Old_ID INTEGER DEFAULT 0
);

CREATE TABLE Food (
    ID INTEGER PRIMARY KEY,
    Name TEXT COLLATE NOCASE,
    Status INTEGER,
    X0 REAL, Y0 REAL, Z0 REAL, X REAL, Y REAL, Z REAL,
    PeopleQuantity INTEGER,
    PeopleClassifyCoeffient REAL,
    ScheduleName TEXT COLLATE NOCASE,
    Chemistry_NoRatio REAL DEFAULT 0,
    Chemistry_Ratio REAL DEFAULT 0,
    Chemistry_Max_Value REAL DEFAULT 0,
    Chemistry_Heat_Value REAL DEFAULT 0,
    Chemistry_Moisure_Gain REAL DEFAULT 0,
    Chemistry_Time TEXT COLLATE NOCASE,
    parent_id INTEGER REFERENCES Room (ID) ON UPDATE CASCADE ON DELETE CASCADE,
    Old_ID INTEGER DEFAULT 0
);

CREATE TABLE Evaporating (
    ID INTEGER PRIMARY KEY,
    Name TEXT COLLATE NOCASE,
    Status INTEGER,
    X0 REAL, Y0 REAL, Z0 REAL, X REAL, Y REAL, Z REAL,
    SurfaceArea REAL,
    WaterTemperature REAL,
    ScheduleName TEXT COLLATE NOCASE,
    parent_id INTEGER REFERENCES Room (ID) ON UPDATE CASCADE ON DELETE CASCADE,
    Old_ID INTEGER DEFAULT 0
);

CREATE TABLE Infiltration (
    ID INTEGER PRIMARY KEY,
    Name TEXT COLLATE NOCASE,
    Status INTEGER,
    X0 REAL, Y0 REAL, Z0 REAL, X REAL, Y REAL, Z REAL,
    PeopleQUantity INTEGER,
    DoorType INTEGER,
    ScheduleName TEXT COLLATE NOCASE,
    -- -1 lets the calculation work out the air changes itself.
    n_data REAL DEFAULT -1,
    parent_id INTEGER REFERENCES Room (ID) ON UPDATE CASCADE ON DELETE CASCADE,
    Old_ID INTEGER DEFAULT 0
);

CREATE TABLE Others (
    ID INTEGER PRIMARY KEY,
    Name TEXT COLLATE NOCASE,
    Status INTEGER,
    X0 REAL, Y0 REAL, Z0 REAL, X REAL, Y REAL, Z REAL,
    HeatConsumption_Water REAL,
    HeatConsumption_ColdObject REAL,
    HeatConsumption_Ventilation REAL,
    HeatConsumption_Other REAL,
    HeatEmission_Equipment REAL,
    HeatEmission_HotDuct REAL,
    HeatEmission_HotObject REAL,
    HeatEmission_Other REAL,
    Humidity_Other REAL,
    DeHumidity_Other REAL,
    ScheduleName TEXT COLLATE NOCASE,
    parent_id INTEGER REFERENCES Room (ID) ON UPDATE CASCADE ON DELETE CASCADE,
    Old_ID INTEGER DEFAULT 0
);

-- Walls, windows and doors. material_id is the construction's ID in the project's library copy;
-- the name column beside it repeats the construction's name for display.

CREATE TABLE OutsideWall (
    ID INTEGER PRIMARY KEY,
    Name TEXT COLLATE NOCASE,
    Status INTEGER,
    X0 REAL, Y0 REAL, Z0 REAL, X REAL, Y REAL, Z REAL,
    material_id INTEGER,
    OutsideWallName TEXT COLLATE NOCASE,
    Direction INTEGER,
    IsLWInputArea INTEGER,
    Length REAL,
    Height REAL,
    Area REAL,
    Direction_Angle REAL,
    parent_id INTEGER REFERENCES Room (ID) ON UPDATE CASCADE ON DELETE CASCADE,
    Old_ID INTEGER DEFAULT 0
);

CREATE TABLE OutsideWindow (
    ID INTEGER PRIMARY KEY,
    Name TEXT COLLATE NOCASE,
    Status INTEGER,
    X0 REAL, Y0 REAL, Z0 REAL, X REAL, Y REAL, Z REAL,
    material_id INTEGER,
    OutsideWindowName TEXT COLLATE NOCASE,
    Quantity INTEGER,
    AirSupplyType INTEGER,
    ApertureLength REAL,
    IsLWInputArea INTEGER,
    Length REAL,
    Height REAL,
    Area REAL,
    ShieldType INTEGER DEFAULT 0,
    InsideShieldMaterials INTEGER DEFAULT 0,
    OutsideShield_B REAL DEFAULT 0,
    OutsideShield_H REAL DEFAULT 0,
    OutsideShield_l REAL DEFAULT 0,
    OutsideShield_m REAL DEFAULT 0,
    OutsideShield_f REAL DEFAULT 0,
    OutsideShield_g REAL DEFAULT 0,
    parent_id INTEGER REFERENCES OutsideWall (ID) ON UPDATE CASCADE ON DELETE CASCADE,
    Old_ID INTEGER DEFAULT 0
);

CREATE TABLE OutsideDoor (
    ID INTEGER PRIMARY KEY,
    Name TEXT COLLATE NOCASE,
    Status INTEGER,
    X0 REAL, Y0 REAL, Z0 REAL, X REAL, Y REAL, Z REAL,
    material_id INTEGER,
    OutsideDoorName TEXT COLLATE NOCASE,
    Quantity INTEGER,
    AirSupplyType INTEGER,
    ApertureLength REAL,
    IsColdAir INTEGER,
    DoorType INTEGER,
    IsLWInputArea INTEGER,
    Length REAL,
    Height REAL,
    Area REAL,
    ShieldType INTEGER DEFAULT 0,
    InsideShieldMaterials INTEGER DEFAULT 0,
    OutsideShield_B REAL DEFAULT 0,
    OutsideShield_H REAL DEFAULT 0,
    OutsideShield_l REAL DEFAULT 0,
    OutsideShield_m REAL DEFAULT 0,
    OutsideShield_f REAL DEFAULT 0,
    OutsideShield_g REAL DEFAULT 0,
    parent_id INTEGER REFERENCES OutsideWall (ID) ON UPDATE CASCADE ON DELETE CASCADE,
    Old_ID INTEGER DEFAULT 0
);

CREATE TABLE GlassCurtainWall (
    ID INTEGER PRIMARY KEY,
    Name TEXT COLLATE NOCASE,
    Status INTEGER,
    X0 REAL, Y0 REAL, Z0 REAL, X REAL, Y REAL, Z REAL,
    material_id INTEGER,
    GlassCurtainWallName TEXT COLLATE NOCASE,
    Direction INTEGER,
    IsLWInputArea INTEGER,
    Length REAL,
    Height REAL,
    Area REAL,
    AirSupplyType INTEGER,
    ShieldType INTEGER,
    InsideShieldMaterials INTEGER,
    Direction_Angle REAL,
    parent_id INTEGER REFERENCES Room (ID) ON UPDATE CASCADE ON DELETE CASCADE,
    Old_ID INTEGER DEFAULT 0
);

CREATE TABLE InsideWall (
    ID INTEGER PRIMARY KEY,
    Name TEXT COLLATE NOCASE,
    Status INTEGER,
    X0 REAL, Y0 REAL, Z0 REAL, X REAL, Y REAL, Z REAL,
    material_id INTEGER,
    InsideWallName TEXT COLLATE NOCASE,
    AdjacentRoomStatus INTEGER,
    AdjacentRoomStatus_Heating INTEGER,
    AdjacentRoomName TEXT COLLATE NOCASE,
    IsLWInputArea INTEGER,
    Length REAL,
    Height REAL,
    Area REAL,
    Winter_NearRoomDeltaT REAL,
    Summer_NearRoomDeltaT REAL,
    Coefficient REAL,
    Winter_Heat_Transfer INTEGER DEFAULT 1,
    TransHeat_Between INTEGER DEFAULT 0,
    -- -1: no adjacent room picked.
    AdjacentRoomID INTEGER DEFAULT -1,
    parent_id INTEGER REFERENCES Room (ID) ON UPDATE CASCADE ON DELETE CASCADE,
    Old_ID INTEGER DEFAULT 0
);

CREATE TABLE InsideWindow (
    ID INTEGER PRIMARY KEY,
    Name TEXT COLLATE NOCASE,
    Status INTEGER,
    X0 REAL, Y0 REAL, Z0 REAL, X REAL, Y REAL, Z REAL,
    material_id INTEGER,
    InsideWindowName TEXT COLLATE NOCASE,
    Quantity INTEGER,
    IsLWInputArea INTEGER,
    Length REAL,
    Width REAL,
    Area REAL,
    parent_id INTEGER REFERENCES InsideWall (ID) ON UPDATE CASCADE ON DELETE CASCADE,
    Old_ID INTEGER DEFAULT 0
);

CREATE TABLE InsideDoor (
    ID INTEGER PRIMARY KEY,
    Name TEXT COLLATE NOCASE,
    Status INTEGER,
    X0 REAL, Y0 REAL, Z0 REAL, X REAL, Y REAL, Z REAL,
    material_id INTEGER,
    InsideDoorName TEXT COLLATE NOCASE,
    Quantity INTEGER,
    IsLWInputArea INTEGER,
    Length REAL,
    Width REAL,
    Area REAL,
    parent_id INTEGER REFERENCES InsideWall (ID) ON UPDATE CASCADE ON DELETE CASCADE,
    Old_ID INTEGER DEFAULT 0
);

CREATE TABLE GapWall (
    ID INTEGER PRIMARY KEY,
    Name TEXT COLLATE NOCASE,
    Status INTEGER,
    X0 REAL, Y0 REAL, Z0 REAL, X REAL, Y REAL, Z REAL,
    material_id INTEGER,
    GapWallName TEXT COLLATE NOCASE,
    GapWallType INTEGER,
    IsLWInputArea INTEGER,
    Length REAL,
    Height REAL,
    Area REAL,
    parent_id INTEGER REFERENCES Room (ID) ON UPDATE CASCADE ON DELETE CASCADE,
    Old_ID INTEGER DEFAULT 0
);

CREATE TABLE BasementWall (
    ID INTEGER PRIMARY KEY,
    Name TEXT COLLATE NOCASE,
    Status INTEGER,
    X0 REAL, Y0 REAL, Z0 REAL, X REAL, Y REAL, Z REAL,
    BasementWallName TEXT COLLATE NOCASE,
    IsLWInputArea INTEGER,
    Length REAL,
    Width REAL,
    Area REAL,
    material_id INTEGER,
    parent_id INTEGER REFERENCES Room (ID) ON UPDATE CASCADE ON DELETE CASCADE,
    Old_ID INTEGER DEFAULT 0
);

-- Ceilings, floors, roofs and ground.

CREATE TABLE Ceiling (
    ID INTEGER PRIMARY KEY,
    Name TEXT COLLATE NOCASE,
    Status INTEGER,
    X0 REAL, Y0 REAL, Z0 REAL, X REAL, Y REAL, Z REAL,
    material_id INTEGER,
    CeilingName TEXT COLLATE NOCASE,
    AdjacentRoomStatus INTEGER,
    AdjacentRoomStatus_Heating INTEGER,
    AdjacentRoomName TEXT COLLATE NOCASE,
    AdjacentRoomStoreyName TEXT COLLATE NOCASE,
    IsLWInputArea INTEGER,
    Length REAL,
    Width REAL,
    Area REAL,
    TransHeat_Between INTEGER DEFAULT 0,
    Temperature_Range REAL DEFAULT 0,
    NearRoomDeltaT_Sum REAL DEFAULT 0,
    NearRoomDeltaT_Win REAL DEFAULT 0,
    Coefficient_Value REAL DEFAULT 1,
    AdjacentRoomID INTEGER DEFAULT -1,
    bWinter_Heat_Transfer INTEGER DEFAULT 1,
    parent_id INTEGER REFERENCES Room (ID) ON UPDATE CASCADE ON DELETE CASCADE,
    Old_ID INTEGER DEFAULT 0
);

-- The storey of the room below is spelled AdjacentRoomStoryName in this table.
CREATE TABLE Floor (
    ID INTEGER PRIMARY KEY,
    Name TEXT COLLATE NOCASE,
    Status INTEGER,
    X0 REAL, Y0 REAL, Z0 REAL, X REAL, Y REAL, Z REAL,
    material_id INTEGER,
    FloorName TEXT COLLATE NOCASE,
    AdjacentRoomStatus INTEGER,
    AdjacentRoomStatus_Heating INTEGER,
    AdjacentRoomName TEXT COLLATE NOCASE,
    AdjacentRoomStoryName TEXT COLLATE NOCASE,
    IsLWInputArea INTEGER,
    Length REAL,
    Width REAL,
    Area REAL,
    TransHeat_Between INTEGER DEFAULT 0,
    Temperature_Range REAL DEFAULT 0,
    NearRoomDeltaT_Sum REAL DEFAULT 0,
    NearRoomDeltaT_Win REAL DEFAULT 0,
    Coefficient_Value REAL DEFAULT 1,
    AdjacentRoomID INTEGER DEFAULT -1,
    bWinter_Heat_Transfer INTEGER DEFAULT 1,
    parent_id INTEGER REFERENCES Room (ID) ON UPDATE CASCADE ON DELETE CASCADE,
    Old_ID INTEGER DEFAULT 0
);

CREATE TABLE Roof (
    ID INTEGER PRIMARY KEY,
    Name TEXT COLLATE NOCASE,
    Status INTEGER,
    X0 REAL, Y0 REAL, Z0 REAL, X REAL, Y REAL, Z REAL,
    material_id INTEGER,
    RoofName TEXT COLLATE NOCASE,
    Direction INTEGER,
    Color INTEGER,
    Obliquity REAL,
    IsLWInputArea INTEGER,
    Length REAL,
    Width REAL,
    Area REAL,
    Direction_Angle REAL,
    parent_id INTEGER REFERENCES Room (ID) ON UPDATE CASCADE ON DELETE CASCADE,
    Old_ID INTEGER DEFAULT 0
);

CREATE TABLE SkyWindow (
    ID INTEGER PRIMARY KEY,
    Name TEXT COLLATE NOCASE,
    Status INTEGER,
    X0 REAL, Y0 REAL, Z0 REAL, X REAL, Y REAL, Z REAL,
    material_id INTEGER,
    SkyWindowName TEXT COLLATE NOCASE,
    Quantity INTEGER,
    IsLWInputArea INTEGER,
    Length REAL,
    Width REAL,
    Area REAL,
    Shield REAL DEFAULT 1,
    parent_id INTEGER REFERENCES Roof (ID) ON UPDATE CASCADE ON DELETE CASCADE,
    Old_ID INTEGER DEFAULT 0
);

CREATE TABLE BlindStorey (
    ID INTEGER PRIMARY KEY,
    Name TEXT COLLATE NOCASE,
    Status INTEGER,
    X0 REAL, Y0 REAL, Z0 REAL, X REAL, Y REAL, Z REAL,
    BlindStoreyName TEXT COLLATE NOCASE,
    RibHeight REAL,
    RibDistance REAL,
    IsLWInputArea INTEGER,
    Length REAL,
    Width REAL,
    Area REAL,
    Color INTEGER,
    material_id INTEGER,
    parent_id INTEGER REFERENCES Room (ID) ON UPDATE CASCADE ON DELETE CASCADE,
    Old_ID INTEGER DEFAULT 0
);

CREATE TABLE GlassRoof (
    ID INTEGER PRIMARY KEY,
    Name TEXT COLLATE NOCASE,
    Status INTEGER,
    X0 REAL, Y0 REAL, Z0 REAL, X REAL, Y REAL, Z REAL,
    material_id INTEGER,
    GlassRoofName TEXT COLLATE NOCASE,
    Direction INTEGER,
    Obliquity REAL,
    IsLWInputArea INTEGER,
    Length REAL,
    Width REAL,
    Area REAL,
    Direction_Angle REAL,
    Shield REAL DEFAULT 1,
    parent_id INTEGER REFERENCES Room (ID) ON UPDATE CASCADE ON DELETE CASCADE,
    Old_ID INTEGER DEFAULT 0
);

CREATE TABLE Ground (
    ID INTEGER PRIMARY KEY,
    Name TEXT COLLATE NOCASE,
    Status INTEGER,
    X0 REAL, Y0 REAL, Z0 REAL, X REAL, Y REAL, Z REAL,
    material_id INTEGER,
    GroundName TEXT COLLATE NOCASE,
    IsLWInputArea INTEGER,
    Length REAL,
    Width REAL,
    Area REAL,
    GroundType INTEGER DEFAULT 0,
    parent_id INTEGER REFERENCES Room (ID) ON UPDATE CASCADE ON DELETE CASCADE,
    Old_ID INTEGER DEFAULT 0
);

CREATE TABLE ProjectionFloor (
    ID INTEGER PRIMARY KEY,
    Name TEXT COLLATE NOCASE,
    Status INTEGER,
    X0 REAL, Y0 REAL, Z0 REAL, X REAL, Y REAL, Z REAL,
    material_id INTEGER,
    ProjectionFloorName TEXT COLLATE NOCASE,
    IsLWInputArea INTEGER,
    Length REAL,
    Width REAL,
    Area REAL,
    parent_id INTEGER REFERENCES Room (ID) ON UPDATE CASCADE ON DELETE CASCADE,
    Old_ID INTEGER DEFAULT 0
);

-- The one row of project parameters; the program only ever updates it. The check texts hold one
-- character per month (12) or per day of a 365-day year, "1" for chosen.
CREATE TABLE ProjectParameter (
    ProjectName TEXT,
    ProjectNumber TEXT,
    Owner TEXT,
    Designer TEXT,
    Checker TEXT,
    Examiner TEXT,
    -- Written as yyyy-mm-dd.
    DesignDate TEXT,
    Unit INTEGER,
    Coordinate INTEGER,
    OutputTo INTEGER,
    StatisticsType INTEGER,
    TimePeriodType INTEGER,
    TimeBeginning INTEGER,
    TimeEnd INTEGER,
    HourfromMaximumLoad INTEGER,
    HourInterval INTEGER,
    InRoomDesignParamType INTEGER,
    NodeFullPath TEXT,
    DesignType INTEGER,
    StatisticalStyle INTEGER,
    yeartotal_fromtime INTEGER DEFAULT 7,
    yeartotal_totime INTEGER DEFAULT 16,
    yeartotal_output INTEGER DEFAULT 1,
    X REAL, Y REAL, Z REAL,
    X0 REAL, Y0 REAL, Z0 REAL,
    MonthCheck TEXT,
    DayCheck TEXT,
    MonthCheck_Total TEXT,
    DayCheck_Total TEXT,
    CurrentCoordinateCol INTEGER,
    CurrentCoordinateRow INTEGER
);

-- Cooling and heating season bounds (month and day), keyed by paramkey.
CREATE TABLE tbl_config (
    paramkey TEXT NOT NULL COLLATE NOCASE,
    paramname TEXT NOT NULL,
    paramvalue TEXT DEFAULT '',
    remark TEXT DEFAULT ''
);
